#include "forms/tesseraapp.h"
#include "forms/tpayuda.h"
#include "forms/tpconfiguracion.h"
#include "forms/tplogin.h"
#include "forms/tpmensaje.h"
#include "forms/tpprincipal.h"
#include "support/program.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
void clickOnMessage(const char* button) {
    whenShown<TPMensaje>(
        [button](TPMensaje* box) { box->findChild<QPushButton*>(QLatin1String(button))->click(); });
}

QMap<QString, QByteArray> snapshot(const TempApp& files, const QStringList& except) {
    QMap<QString, QByteArray> result;
    for (const QString& name : QDir(files.dir.path()).entryList(QDir::Files))
        if (!except.contains(name)) result[name] = files.read(name);
    return result;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void singleUserStartAndShutdown();
    void secondInstanceLeavesAtOnce();
    void answeringNoChangesNothing();
    void missingNetDatShowsTheWizardAndClosingItEnds();
    void timerShowsNewsAtTickTwentyOnly();
    void languageFileErrors();
    void unwritableLogDoesNotStopTheProgram();
    void multiUserStartResetsTheLibraryAndAsksForALogin();
};

void TestStartup::singleUserStartAndShutdown() {
    Installation inst;
    auto& app = inst.launch();
    QVERIFY(inst.started);
    QString missing;
    QVERIFY2(inOrder(inst.log(),
                     {"MIN app_start",
                      "MIN conf_ok",
                      "MIN ini_var",
                      "MIN rd ndat",
                      "MIN rd ndat ok: (1?[0-9])",
                      "MIN rd lngf",
                      "MIN app_act",
                      "MIN app_act mono",
                      "MIN app_act rd lib",
                      "MIN main sh",
                      "ACT MAIN",
                      "ACT AssignFiles",
                      "ACT enabled=off",
                      "ACT enabled ok",
                      "ACT see act",
                      "ACT MAIN OK",
                      "MIN conf net",
                      "MIN cnet end",
                      "MIN sing_user [0-9]",
                      "MIN sht",
                      "MIN sc hf",
                      "MIN rd hf",
                      "MIN timer on",
                      "MIN rf per=0"},
                     &missing),
             qPrintable(missing));
    QVERIFY(!inst.log().contains(QStringLiteral("MIN first_exe")));

    TPPrincipal& main = app->principal();
    QVERIFY(main.isVisible());
    QVERIFY(main.Timer->isActive());
    QCOMPARE(main.Timer->interval(), 500);
    QCOMPARE(main.windowTitle(), QStringLiteral("Tessera 5 (modo básico)"));
    QCOMPARE(main.Panel_Version->text(), QStringLiteral("Tessera 5.1"));
    QVERIFY(!main.Barra_Tools_Logout->isVisible());
    QVERIFY(main.Submenu_Salir->isVisible());
    QVERIFY(!main.Menu_Usuario->menuAction()->isVisible());
    QCOMPARE(app->ctx().settings.eventsEnabled, quint8(1));
    QCOMPARE(app->ctx().settings.adminRefreshPeriod, 0);
    QCOMPARE(inst.files.read(QStringLiteral("help.hlp")),
             inst.files.read(QStringLiteral("HELP_ESP_001.HLP")));
    QVERIFY(app->presentacion() == nullptr);
    main.Submenu_Ayuda_Contenido->trigger();
    QVERIFY(app->ayuda().isVisible());
    QCOMPARE(app->ayuda().windowTitle(), QStringLiteral("Ayuda de Tessera"));

    for (const QString& name : TesseraApp::workingFiles())
        inst.files.write(name, "work");
    clickOnMessage("Btn_Si");
    main.Barra_Tools_Salir->trigger();
    QVERIFY(!main.isVisible());
    app->finish();

    const QStringList log = inst.log();
    QVERIFY(inOrder(log, {"MIN timer on", "ACT MSS", "DES MSS", "DES MAIN", "MIN app_end"}));
    QCOMPARE(log.last(), QStringLiteral("MIN app_end"));
    for (const QString& name : TesseraApp::workingFiles())
        QVERIFY2(!QFile::exists(inst.files.path(name)), qPrintable(name));
    QCOMPARE(inst.files.read(QStringLiteral("net.dat")), SingleUserNetDat);
    QVERIFY(app->ctx().settings.terminateRequested);
    // The library and the preferences are saved on the way out.
    for (const char* name : {"library.dat", "books.dat", "user.dat", "bars.dat"})
        QVERIFY2(QFile::exists(inst.files.path(QLatin1String(name))), name);
    QVERIFY(inst.files.read(QStringLiteral("library.dat")).startsWith("[Layout]\r\n"));
}

void TestStartup::secondInstanceLeavesAtOnce() {
    Installation inst;
    auto& app = inst.launch();
    QVERIFY(inst.started);
    const auto before = snapshot(inst.files, {QStringLiteral("log.txt")});

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TESSERA_INSTANCE"), inst.key);
    env.insert(QStringLiteral("TESSERA_APPDIR"), inst.files.dir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(TESSERA_PROGRAM), {});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);

    QCOMPARE(inst.log(), QStringList{QStringLiteral("MIN app_start")});
    QCOMPARE(snapshot(inst.files, {QStringLiteral("log.txt")}), before);
    // The running copy's next line brings its own log back.
    app->ctx().log(QStringLiteral("MIN still here"));
    QVERIFY(
        inOrder(inst.log(), {"MIN app_start", "MIN conf_ok", "MIN timer on", "MIN still here"}));
}

void TestStartup::answeringNoChangesNothing() {
    Installation inst;
    auto& app = inst.launch();
    for (const QString& name : TesseraApp::workingFiles())
        inst.files.write(name, "work");
    const auto before = snapshot(inst.files, {QStringLiteral("log.txt")});
    const int lines = inst.log().size();

    clickOnMessage("Btn_No");
    app->principal().Submenu_Salir->trigger();
    QVERIFY(app->principal().isVisible());
    QVERIFY(app->principal().Timer->isActive());
    QVERIFY(!app->ctx().settings.terminateRequested);
    QCOMPARE(snapshot(inst.files, {QStringLiteral("log.txt")}), before);
    // Only the question came and went (the main window may log its activation again).
    QCOMPARE(inst.log().mid(lines, 2),
             (QStringList{QStringLiteral("ACT MSS"), QStringLiteral("DES MSS")}));
    QVERIFY(!inst.log().mid(lines).contains(QStringLiteral("DES MAIN")));

    // While events are disabled the close button does not even ask.
    app->ctx().settings.eventsEnabled = 0;
    app->principal().close();
    QVERIFY(app->principal().isVisible());
    QVERIFY(!inst.log().mid(lines + 2).contains(QStringLiteral("ACT MSS")));
}

void TestStartup::missingNetDatShowsTheWizardAndClosingItEnds() {
    Installation inst;
    QFile::remove(inst.files.path(QStringLiteral("net.dat")));
    auto shown = whenShown<TPConfiguracion>([](TPConfiguracion* wizard) {
        QVERIFY(!wizard->Btn_OK->isEnabled());
        wizard->close();
    });
    auto& app = inst.launch();
    QVERIFY(*shown);
    QVERIFY(!inst.started);
    app->finish();
    const QStringList log = inst.log();
    QVERIFY(inOrder(log, {"MIN app_start", "MIN first_exe", "ACT CONFIG", "DES CONFIG", "MIN conf end"}));
    QCOMPARE(log.mid(log.size() - 2), (QStringList{QStringLiteral("MIN conf end"), QStringLiteral("MIN app_end")}));
    QVERIFY(!log.contains(QStringLiteral("MIN conf_ok")));
    QVERIFY(!QFile::exists(inst.files.path(QStringLiteral("net.dat"))));
    QVERIFY(app->ctx().settings.terminateRequested);
}

void TestStartup::timerShowsNewsAtTickTwentyOnly() {
    Installation inst;
    auto& app = inst.launch();
    TPPrincipal& main = app->principal();
    main.Timer->stop();
    for (int tick = 1; tick <= 19; ++tick)
        main.TimerTimer();
    QCOMPARE(main.newsShown(), 0);
    main.TimerTimer();
    QCOMPARE(main.newsShown(), 1);
    for (int tick = 21; tick <= 60; ++tick)
        main.TimerTimer();
    QCOMPARE(main.newsShown(), 1);
    QCOMPARE(app->ctx().settings.tickCounter, 60);

    // Nothing runs, and no tick is counted, once a fatal error has stopped the program.
    app->ctx().settings.fatalError = true;
    main.TimerTimer();
    QCOMPARE(app->ctx().settings.tickCounter, 60);
}

void TestStartup::languageFileErrors() {
    {
        Installation inst;
        QByteArray bad = inst.files.read(QStringLiteral("txt_esp.txt"));
        bad.replace(">>>end<<<", ">>>end<<< ");
        inst.files.write(QStringLiteral("txt_esp.txt"), bad);
        QString shownText;
        whenShown<TPMensaje>([&](TPMensaje* box) {
            shownText = box->L_Mensaje->text();
            box->Btn_OK->click();
        });
        auto& app = inst.launch();
        QVERIFY(inst.started);
        QCOMPARE(shownText, QStringLiteral("\n\nError en el fichero de idioma"));
        QVERIFY(app->principal().isVisible());
        QCOMPARE(app->ctx().entry(57), QStringLiteral("¿Quieres salir de Tessera?"));
    }
    {
        Installation inst;
        QFile::remove(inst.files.path(QStringLiteral("txt_esp.txt")));
        clickOnMessage("Btn_OK");
        auto& app = inst.launch();
        QVERIFY(!inst.started);
        QVERIFY(app->ctx().settings.fatalError);
        QCOMPARE(app->ctx().settings.errorNumber, 53);
        QVERIFY(inOrder(inst.log(), {"MIN rd lngf", "ERR 53"}));
        QVERIFY(!inst.log().contains(QStringLiteral("MIN app_act")));
    }
}

void TestStartup::unwritableLogDoesNotStopTheProgram() {
    // A folder where log.txt should be makes every log write fail, even for root.
    Installation inst;
    QVERIFY(QDir(inst.files.dir.path()).mkdir(QStringLiteral("log.txt")));
    auto& app = inst.launch();
    QVERIFY(inst.started);
    QVERIFY(app->principal().isVisible());
    QCOMPARE(app->ctx().eventLog().lines().first(), QStringLiteral("MIN app_start"));
    QVERIFY(app->ctx().eventLog().lines().contains(QStringLiteral("MIN rf per=0")));
}

void TestStartup::multiUserStartResetsTheLibraryAndAsksForALogin() {
    Installation inst;
    inst.files.write(QStringLiteral("net.dat"), "0\r\n" + inst.files.path(QStringLiteral("t_users/")).toUtf8() +
                                                    "\r\nfalse\r\ntrue\r\n");
    inst.files.write(QStringLiteral("library_esp.dat"), "[default library]\r\n");
    inst.files.write(QStringLiteral("library.dat"), "[someone's own library]\r\n");
    inst.files.write(QStringLiteral("books.dat"), "a book\r\n");
    auto login = whenShown<TPLogin>([](TPLogin* dialog) { dialog->close(); });
    auto& app = inst.launch();
    QVERIFY(*login);
    QVERIFY(inst.started);
    QVERIFY(inOrder(inst.log(), {"MIN rd lngf", "MIN app_act", "MIN main sh", "MIN conf net", "MIN cnet end",
                                 "MIN rd lib", "MIN lib rd", "MIN mult_user", "MIN rd cnet", "MIN rd cnet end",
                                 "MIN log_show", "ACT LOGIN", "DES LOGIN"}));
    QVERIFY(!inst.log().contains(QStringLiteral("MIN app_act mono")));
    QCOMPARE(inst.files.read(QStringLiteral("library.dat")), QByteArray("[default library]\r\n"));
    QCOMPARE(inst.files.read(QStringLiteral("books.dat")), QByteArray());

    // Cancelling the login leaves the main window waiting, its bar locked, its timer off.
    TPPrincipal& main = app->principal();
    QVERIFY(main.isVisible());
    QVERIFY(!main.Timer->isActive());
    QVERIFY(!main.Barra_Tools_Opciones->isEnabled());
    QVERIFY(!main.Barra_Tools_Salir->isEnabled());
    QVERIFY(main.Barra_Tools_Logout->isVisible());
    QVERIFY(main.Menu_Usuario->menuAction()->isVisible());
    QVERIFY(!main.Submenu_Salir->isVisible());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
