#include "forms/barslayout.h"

#include "shell/settings.h"
#include "shell/textfile.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>

namespace tessera {

namespace {

// The section and keys of bars.dat. The version changes when the set of bars
// changes, so that an old layout is not forced onto different bars.
const QString Section = QStringLiteral("[Bars]");
const QString VersionKey = QStringLiteral("Version=");
const QString StateKey = QStringLiteral("State=");
constexpr int LayoutVersion = 1;

const char* const AlphaProperty = "tesseraBarAlpha";
const char* const AlphaWatchedProperty = "tesseraBarAlphaWatched";

QString valueOf(const QStringList& lines, const QString& key) {
    bool inSection = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == Section;
        } else if (inSection && line.startsWith(key)) {
            return line.mid(key.size());
        }
    }
    return QString();
}

// The part of the window that wears its colour.
const QWidget* colouredSurface(const QWidget& window) {
    if (const auto* main = qobject_cast<const QMainWindow*>(&window); main && main->centralWidget())
        return main->centralWidget();
    return &window;
}
QWidget* colouredSurface(QWidget& window) {
    return const_cast<QWidget*>(colouredSurface(static_cast<const QWidget&>(window)));
}

void applyAlpha(QToolBar* bar) {
    if (bar->isWindow()) bar->setWindowOpacity(barTransparency(*bar) / 255.0);
}

} // namespace

bool saveBarsLayout(QMainWindow& window, const QString& path) {
    const QByteArray state = window.saveState(LayoutVersion);
    return writeTextLines(path, {Section, VersionKey + QString::number(LayoutVersion),
                                 StateKey + QString::fromLatin1(state.toBase64())});
}

bool loadBarsLayout(QMainWindow& window, const QString& path) {
    const auto lines = readTextLines(path);
    if (!lines) return false;
    bool ok = false;
    const int version = valueOf(*lines, VersionKey).toInt(&ok);
    if (!ok || version != LayoutVersion) return false;
    const QByteArray state = QByteArray::fromBase64(valueOf(*lines, StateKey).toLatin1(),
                                                    QByteArray::AbortOnBase64DecodingErrors);
    return !state.isEmpty() && window.restoreState(state, LayoutVersion);
}

void recordWindowPlacement(const QMainWindow& window, Settings& s) {
    s.mainWindowMaximised = window.isMaximized();
    s.mainWindowRect = window.isMaximized() ? window.normalGeometry() : window.geometry();
}

void restoreWindowPlacement(QMainWindow& window, const Settings& s) {
    if (s.startMaximised || !s.mainWindowRect.isValid()) return;
    QRect rect = s.mainWindowRect;
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool onAScreen = std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(rect);
    });
    if (!onAScreen) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            rect.setSize(rect.size().boundedTo(available.size()));
            rect.moveCenter(available.center());
        }
    }
    window.setGeometry(rect);
}

void applyWindowColour(QWidget& window, const QColor& colour) {
    if (!colour.isValid()) return;
    QWidget* surface = colouredSurface(window);
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, colour);
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
}

QColor windowColour(const QWidget& window) {
    return colouredSurface(window)->palette().color(QPalette::Window);
}

void applyBarTransparency(QWidget& window, int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    for (QToolBar* bar : window.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        bar->setProperty(AlphaProperty, alpha);
        if (!bar->property(AlphaWatchedProperty).toBool()) {
            bar->setProperty(AlphaWatchedProperty, true);
            // A bar becomes a window of its own when it floats: that is when
            // its opacity can take effect.
            QObject::connect(bar, &QToolBar::topLevelChanged, bar, [bar] { applyAlpha(bar); });
        }
        applyAlpha(bar);
    }
}

int barTransparency(const QToolBar& bar) {
    const QVariant alpha = bar.property(AlphaProperty);
    return alpha.isValid() ? alpha.toInt() : 255;
}

} // namespace tessera
