#pragma once

#include <QApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <type_traits>

#include "forms/tpform.h"
#include <functional>
#include <memory>

namespace tessera::test {

// A window is ready for the person once it shows and, for our dialogs, its
// activation has run.
template <typename W>
bool ready(W* window) {
    if (!window || !window->isVisible()) return false;
    if constexpr (std::is_base_of_v<TPForm, W>) return window->activated();
    return true;
}

// Acts on the first ready top-level window of type W as soon as one shows
// (modal windows block the test's own code, so the action runs from a timer).
// Returns a flag that tells whether it ran.
template <typename W>
std::shared_ptr<bool> whenShown(std::function<void(W*)> action, int timeoutMs = 10000) {
    auto done = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *waited += 5;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<W*>(w);
            if (ready(window)) {
                timer->stop();
                timer->deleteLater();
                *done = true;
                action(window);
                return;
            }
        }
        if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
    return done;
}

// True when the lines hold, in this order, lines matching each pattern
// (anchored regular expressions); other lines may come between them.
inline bool inOrder(const QStringList& lines, const QStringList& patterns,
                    QString* missing = nullptr) {
    int at = 0;
    for (const QString& pattern : patterns) {
        const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
        while (at < lines.size() && !re.match(lines[at]).hasMatch())
            ++at;
        if (at == lines.size()) {
            if (missing) *missing = pattern;
            return false;
        }
        ++at;
    }
    return true;
}

} // namespace tessera::test

namespace tessera::test {

// Keeps pressing the named button of every message box that shows, until destroyed.
template <typename Box>
class AutoAnswer {
public:
    explicit AutoAnswer(std::function<void(Box*)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [answer, this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<Box*>(w); ready(box)) {
                    ++answered;
                    answer(box);
                }
        });
        timer_.start(5);
    }
    int answered = 0;

private:
    QTimer timer_;
};

} // namespace tessera::test

#include "forms/tptipscreen.h"

#include <QPushButton>

namespace tessera::test {

// The installation content a started program reads.
inline QStringList programFiles() {
    QStringList files;
    for (const char* language : {"esp", "eng", "por"})
        for (const char* kind : {"txt_%1.txt", "tip_%1.txt", "sug_%1.txt", "library_%1.dat"})
            files << QString::fromLatin1(kind).arg(QLatin1String(language));
    files << QStringLiteral("HELP_ESP_001.HLP") << QStringLiteral("HELP_ENG_001.HLP")
          << QStringLiteral("HELP_POR_001.HLP");
    return files;
}

// Closes the tip of the day whenever it shows, as a person who has read it would.
struct TipCloser : AutoAnswer<TPTipScreen> {
    TipCloser() : AutoAnswer<TPTipScreen>([](TPTipScreen* tips) { tips->Btn_Cerrar->click(); }) {}
};

} // namespace tessera::test
