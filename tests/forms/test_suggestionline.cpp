#include "forms/suggestionline.h"
#include "forms/tesseraapp.h"
#include "forms/tpeditor.h"
#include "forms/tpprincipal.h"
#include "shell/textfile.h"
#include "support/program.h"
#include "support/tempapp.h"

#include <QLabel>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {

// One window's line as the person sees it.
struct Line {
    QString window;
    QLabel* text;
    std::array<QLabel*, 11> pictures;
    QLabel* next;

    // The one picture shown, or -1 when none or several are.
    int picture() const {
        int shown = -1;
        for (int i = 0; i < int(pictures.size()); ++i)
            if (!pictures[i]->isHidden()) {
                if (shown >= 0) return -1;
                shown = i;
            }
        return shown;
    }
};

// The Spanish suggestion texts of a context, as installed.
QStringList installedTexts(int context) {
    const auto file = readTextLines(QStringLiteral(TESSERA_DATA_DIR "/sug_esp.txt"));
    QStringList texts;
    for (const Suggestion& s : parseSuggestions(file.value_or(QStringList())))
        if (s.context == context) texts << s.text;
    return texts;
}

// A single-user program started in its own application directory.
struct LineProgram : Program {
    LineProgram() { line = findLine(); }

    SuggestionLine* findLine() { return app->principal().findChild<SuggestionLine*>(); }

    QList<Line> lines() {
        TPPrincipal& main = app->principal();
        TPEditor& editor = app->editor();
        return {{QStringLiteral("main window"), main.L_Sugerencia, main.Im, main.Btn_Siguiente},
                {QStringLiteral("editor window"), editor.L_Sugerencia, editor.Im,
                 editor.Btn_Siguiente}};
    }

    // Both windows show the same picture and text; returns the text.
    QString shown(int picture) {
        const QList<Line> both = lines();
        for (const Line& l : both) {
            if (l.picture() != picture) {
                qWarning("%s shows picture %d", qPrintable(l.window), l.picture());
                return QStringLiteral("<wrong picture>");
            }
            if (l.text->text() != both[0].text->text()) return QStringLiteral("<texts differ>");
        }
        return both[0].text->text();
    }

    Settings& settings() { return app->ctx().settings; }

    SuggestionLine* line = nullptr;
};
} // namespace

class TestSuggestionLine : public QObject {
    Q_OBJECT
private slots:
    void startOpensTheLineWithAContextOneSuggestion();
    void nextButtonShowsAnother_data();
    void nextButtonShowsAnother();
    void usedUpContextOpensOnlyFromTheNextButton();
    void closingLeavesTheClosedPicture_data();
    void closingLeavesTheClosedPicture();
    void libraryDialogsHaveNoNextButton();
    void requestDuringAnAnimationStartsNoOther();
};

void TestSuggestionLine::startOpensTheLineWithAContextOneSuggestion() {
    LineProgram p;
    QVERIFY(p.started);
    QVERIFY(p.line);
    QCOMPARE(p.settings().currentContext, 1);
    QVERIFY(p.line->isOpen());
    const QString text = p.shown(OpenPicture);
    QVERIFY2(installedTexts(1).contains(text), qPrintable(text));
    for (const Line& l : p.lines())
        QVERIFY2(!l.next->isHidden(), qPrintable(l.window));

    const Suggestion& current = suggestionTable(p.settings())[p.settings().currentSuggestion - 1];
    QCOMPARE(current.text, text);
    const auto installed = parseSuggestions(
        readTextLines(QStringLiteral(TESSERA_DATA_DIR "/sug_esp.txt")).value_or(QStringList()));
    QCOMPARE(current.showings, installed[p.settings().currentSuggestion - 1].showings - 1);
}

void TestSuggestionLine::nextButtonShowsAnother_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("eventsEnabled");
    QTest::newRow("main window") << 0 << true;
    QTest::newRow("editor window") << 1 << true;
    QTest::newRow("events disabled") << 0 << false;
}

void TestSuggestionLine::nextButtonShowsAnother() {
    QFETCH(int, window);
    QFETCH(bool, eventsEnabled);
    LineProgram p;
    p.app->editor().show();
    const QString before = p.shown(OpenPicture);
    p.settings().eventsEnabled = eventsEnabled ? 1 : 0;

    QTest::mousePress(p.lines()[window].next, Qt::LeftButton);
    const QString after = p.shown(OpenPicture);
    QVERIFY2(installedTexts(1).contains(after), qPrintable(after));
    QCOMPARE(after != before, eventsEnabled);
    QCOMPARE(p.settings().currentContext, 1);
    p.app->editor().close();
}

void TestSuggestionLine::usedUpContextOpensOnlyFromTheNextButton() {
    LineProgram p;
    for (Suggestion& s : suggestionTable(p.settings()))
        s.showings = 0;

    p.line->showSuggestion(1, true);
    QVERIFY(!p.line->isOpen());
    QCOMPARE(p.shown(ClosedPicture), QString());

    QTest::mousePress(p.app->principal().Btn_Siguiente, Qt::LeftButton);
    QVERIFY(p.line->isOpen());
    QVERIFY(installedTexts(1).contains(p.shown(OpenPicture)));
}

void TestSuggestionLine::closingLeavesTheClosedPicture_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("show");
    QTest::newRow("closing request") << 1 << false;
    QTest::newRow("library dialog opening") << 0 << true;
}

void TestSuggestionLine::closingLeavesTheClosedPicture() {
    QFETCH(int, context);
    QFETCH(bool, show);
    LineProgram p;
    p.line->showSuggestion(context, show);
    QVERIFY(!p.line->isOpen());
    QCOMPARE(p.shown(ClosedPicture), QString());
    // Closed twice stays closed.
    p.line->showSuggestion(context, show);
    QCOMPARE(p.shown(ClosedPicture), QString());
}

void TestSuggestionLine::libraryDialogsHaveNoNextButton() {
    LineProgram p;
    p.line->showSuggestion(15, true);
    QVERIFY(installedTexts(15).contains(p.shown(OpenPicture)));
    for (const Line& l : p.lines())
        QVERIFY2(l.next->isHidden(), qPrintable(l.window));
    p.line->showSuggestion(21, true);
    for (const Line& l : p.lines())
        QVERIFY2(!l.next->isHidden(), qPrintable(l.window));
}

void TestSuggestionLine::requestDuringAnAnimationStartsNoOther() {
    LineProgram p;
    p.line->showSuggestion(1, false);
    QCOMPARE(p.shown(ClosedPicture), QString());
    // As if the closing pictures were still moving: the new suggestion is
    // written, but the pictures are left to the animation under way.
    p.settings().animationRunning = true;
    p.line->showSuggestion(1, true);
    QVERIFY(p.line->isOpen());
    QVERIFY(installedTexts(1).contains(p.shown(ClosedPicture)));
    p.settings().animationRunning = false;
}

QTEST_MAIN(TestSuggestionLine)
#include "test_suggestionline.moc"
