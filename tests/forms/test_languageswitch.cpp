#include "forms/tesseraapp.h"
#include "forms/tpacercade.h"
#include "forms/tpconsejos.h"
#include "forms/tpeditor.h"
#include "forms/tpidioma.h"
#include "forms/tpmensaje.h"
#include "forms/tpprincipal.h"
#include "support/program.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// The shipped texts of a language, read independently of the program.
LanguageTable texts(int language) {
    LanguageTable table;
    table.load(QStringLiteral(TESSERA_DATA_DIR "/") + LanguageTable::fileName(language));
    return table;
}

struct Switching : Program {
    // What a person sees of the interface's language, window by window.
    QStringList seen() {
        TPPrincipal& main = app->principal();
        return {main.Menu_Archivo->title(),
                main.windowTitle(),
                form<TPAcercaDe>()->windowTitle(),
                form<TPMensaje>()->Btn_Si->text(),
                form<TPEditor>()->windowTitle(),
                form<TPConsejos>()->findChild<QLabel*>(QStringLiteral("L_Texto1"))->text()};
    }
    static QStringList expected(int language) {
        const LanguageTable t = texts(language);
        return {t.entry(141), QStringLiteral("Tessera 5 (") + t.entry(444) + QLatin1Char(')'), t.entry(314),
                t.entry(422), t.entry(378), t.entry(602) + QLatin1Char(' ') + t.entry(603)};
    }

};
} // namespace

class TestLanguageSwitch : public QObject {
    Q_OBJECT
private slots:
    void menuChangesEveryWindowIncludingOpenOnes();
    void dialogChangesLanguageHelpAndMarks();
    void dialogCancelChangesNothing();
};

void TestLanguageSwitch::menuChangesEveryWindowIncludingOpenOnes() {
    Switching p;
    QVERIFY(p.started);
    QCOMPARE(p.seen(), Switching::expected(Spanish));
    p.form<TPAcercaDe>()->show(); // an open dialog follows too
    p.app->principal().findChild<QAction*>(QStringLiteral("Submenu_Idioma_Ingles"))->trigger();
    QCOMPARE(p.seen(), Switching::expected(English));
    QVERIFY(p.app->principal().findChild<QAction*>(QStringLiteral("Submenu_Idioma_Ingles"))->isChecked());
    QVERIFY(!p.app->principal().findChild<QAction*>(QStringLiteral("Submenu_Idioma_Espanhol"))->isChecked());
    // The menu leaves the help file alone.
    QCOMPARE(p.files.read(QStringLiteral("help.hlp")), p.files.read(QStringLiteral("HELP_ESP_001.HLP")));
}

void TestLanguageSwitch::dialogChangesLanguageHelpAndMarks() {
    Switching p;
    p.app->principal().findChild<QAction*>(QStringLiteral("Submenu_Idioma_Ingles"))->trigger();
    int markedOnOpen = -1;
    whenShown<TPIdioma>([&](TPIdioma* dialog) {
        markedOnOpen = dialog->marked();
        QTest::keyClick(dialog, Qt::Key_Up); // English -> Portuguese
        QVERIFY(dialog->CB_Portugues->isChecked() && !dialog->CB_Ingles->isChecked());
        dialog->Btn_OK->click();
    });
    p.app->principal().Barra_Tools_Idioma->trigger();
    QCOMPARE(markedOnOpen, int(English));
    QCOMPARE(p.app->ctx().settings.currentLanguage, int(Portuguese));
    QCOMPARE(p.seen(), Switching::expected(Portuguese));
    QCOMPARE(p.files.read(QStringLiteral("help.hlp")), p.files.read(QStringLiteral("HELP_POR_001.HLP")));
    QVERIFY(inOrder(p.files.logLines(), {"ACT LNG", "DES LNG"}));
}

void TestLanguageSwitch::dialogCancelChangesNothing() {
    Switching p;
    whenShown<TPIdioma>([](TPIdioma* dialog) {
        QTest::keyClick(dialog, Qt::Key_Down); // Spanish -> Portuguese
        dialog->Btn_Cancelar->click();
    });
    p.app->principal().Barra_Tools_Idioma->trigger();
    QCOMPARE(p.app->ctx().settings.currentLanguage, int(Spanish));
    QCOMPARE(p.seen(), Switching::expected(Spanish));
}

QTEST_MAIN(TestLanguageSwitch)
#include "test_languageswitch.moc"
