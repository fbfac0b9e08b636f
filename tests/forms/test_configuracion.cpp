#include "forms/tesseraapp.h"
#include "forms/tpconfiguracion.h"
#include "forms/tpconsejos.h"
#include "forms/tplogin.h"
#include "forms/tpmensaje.h"
#include "network/registers.h"
#include "support/gui.h"
#include "support/tempapp.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
enum Route { SingleUser, LocalMultiUser, Network };

// A fresh installation without net.dat: the first start runs the wizard.
struct FirstStart {
    FirstStart() {
        files.install(programFiles());
        qputenv("TESSERA_COMPUTER_ID", "4242");
    }
    ~FirstStart() { qunsetenv("TESSERA_COMPUTER_ID"); }

    // Starts the program; `drive` walks the wizard. Message boxes are answered
    // "yes"/"ok", the advice window and the login are closed.
    bool start(std::function<void(TPConfiguracion*)> drive) {
        AutoAnswer<TPMensaje> answers([this](TPMensaje* box) {
            if (box->Btn_Si->isVisible()) ++questions;
            (box->Btn_Si->isVisible() ? box->Btn_Si : box->Btn_OK)->click();
        });
        AutoAnswer<TPConsejos> advice([](TPConsejos* window) { window->close(); });
        AutoAnswer<TPLogin> login([](TPLogin* window) { window->close(); });
        TipCloser tips;
        whenShown<TPConfiguracion>([&](TPConfiguracion* wizard) {
            QObject::connect(wizard->Paginas, &QStackedWidget::currentChanged,
                             [this](int page) { pages << page; });
            pages << wizard->Paginas->currentIndex();
            drive(wizard);
        });
        app = std::make_unique<TesseraApp>(files.dir.path(), QUuid::createUuid().toString(), 0.0);
        return app->startUp();
    }

    TempApp files;
    std::unique_ptr<TesseraApp> app;
    QList<int> pages;
    int questions = 0;
};

void walk(TPConfiguracion* wizard, Route route, QToolButton* language, const QString& networkFolder) {
    language->click();
    wizard->Btn_OKClick(); // to the user mode
    if (route == SingleUser) {
        wizard->Btn_OKClick(); // to the working mode
        wizard->Btn_OKClick(); // to the sample books
        wizard->Btn_OKClick(); // done
        return;
    }
    wizard->CB_ModoMultiusuario->click();
    wizard->Btn_OKClick(); // to local or network
    if (route == Network) {
        wizard->CB_ModoRed->click();
        wizard->Btn_OKClick(); // to the users server
        wizard->chooseFolder = [networkFolder](const QString&) { return networkFolder; };
        wizard->Btn_Cambiar->click();
    }
    wizard->Btn_OKClick(); // local: the users folder is made here; network: to the sample books
    if (route == LocalMultiUser) wizard->Btn_OKClick();
    wizard->Btn_OKClick(); // done
}
} // namespace

class TestConfiguracion : public QObject {
    Q_OBJECT
private slots:
    void routes_data();
    void routes();
    void secondConfigurationFindsTheUsersFolder();
    void folderHoldingAdminIsTakenWithoutAsking();
    void cancellingEndsWithoutNetDat_data();
    void cancellingEndsWithoutNetDat();
    void arrowKeysCycleTheLanguages();
};

void TestConfiguracion::routes_data() {
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QString>("lines34");
    QTest::newRow("single-user") << int(SingleUser) << "B_Espanhol" << QList<int>{0, 1, 4, 5} << "true|true";
    QTest::newRow("local multi-user") << int(LocalMultiUser) << "B_Ingles" << QList<int>{0, 1, 2, 5} << "false|true";
    QTest::newRow("network") << int(Network) << "B_Portugues" << QList<int>{0, 1, 2, 3, 5} << "false|false";
}

void TestConfiguracion::routes() {
    QFETCH(int, route);
    QFETCH(QString, language);
    QFETCH(QList<int>, pages);
    QFETCH(QString, lines34);
    FirstStart first;
    QTemporaryDir server;
    first.start([&](TPConfiguracion* wizard) {
        walk(wizard, Route(route), wizard->findChild<QToolButton*>(language), server.path());
    });
    QCOMPARE(first.pages, pages);
    QVERIFY(first.app->ctx().settings.configurationCompleted);
    QVERIFY(first.files.logLines().contains(QStringLiteral("MIN wr ndat")));

    const int languageIndex = language == QLatin1String("B_Espanhol") ? 0 : language == QLatin1String("B_Ingles") ? 1 : 2;
    const QString netDir = route == Network ? QDir(server.path()).filePath(QStringLiteral("t_users/"))
                                            : first.files.path(QStringLiteral("t_users/"));
    const QStringList flags = lines34.split(QLatin1Char('|'));
    const QByteArray expected = QString::number(languageIndex).toLatin1() + "\r\n" + netDir.toUtf8() + "\r\n" +
                                flags[0].toLatin1() + "\r\n" + flags[1].toLatin1() + "\r\n";
    QCOMPARE(first.files.read(QStringLiteral("net.dat")), expected);
    QCOMPARE(first.app->ctx().settings.currentLanguage, languageIndex);

    if (route == SingleUser) {
        QVERIFY(!QFileInfo::exists(first.files.path(QStringLiteral("t_users/admin"))));
        // The very first start greets with the first tip and the advice window.
        QCOMPARE(first.app->ctx().settings.currentTip, 1);
        QVERIFY(first.files.logLines().contains(QStringLiteral("ACT TIP")));
        return;
    }
    // A users folder with its registers, the administrator and this computer.
    QFile users(QDir(netDir).filePath(QStringLiteral("admin/users.dat")));
    QVERIFY(users.open(QIODevice::ReadOnly));
    const QByteArray userBytes = users.readAll();
    QCOMPARE(userBytes.size(), UserRecord::Size);
    QCOMPARE(UserRecord::decode(userBytes).name, QStringLiteral("Admin"));
    QFile computers(QDir(netDir).filePath(QStringLiteral("admin/computers.dat")));
    QVERIFY(computers.open(QIODevice::ReadOnly));
    const QByteArray computerBytes = computers.readAll();
    QCOMPARE(computerBytes.size(), ComputerRecord::Size);
    QCOMPARE(ComputerRecord::decode(computerBytes).identifier, QStringLiteral("0000004242"));
}

void TestConfiguracion::secondConfigurationFindsTheUsersFolder() {
    FirstStart first;
    first.start([](TPConfiguracion* wizard) { walk(wizard, LocalMultiUser, wizard->B_Espanhol, QString()); });
    first.app.reset();
    QFile::remove(first.files.path(QStringLiteral("net.dat")));
    first.pages.clear();
    first.start([](TPConfiguracion* wizard) { walk(wizard, LocalMultiUser, wizard->B_Espanhol, QString()); });
    QCOMPARE(first.files.read(QStringLiteral("t_users/admin/users.dat")).size(), UserRecord::Size);
    QCOMPARE(first.files.read(QStringLiteral("t_users/admin/computers.dat")).size(), ComputerRecord::Size);
    QVERIFY(first.files.read(QStringLiteral("net.dat")).startsWith("0\r\n"));
}

void TestConfiguracion::folderHoldingAdminIsTakenWithoutAsking() {
    QTemporaryDir server;
    // A users folder that another computer made before.
    QVERIFY(QDir(server.path()).mkpath(QStringLiteral("t_users/admin")));
    for (const char* name : {"users.dat", "computers.dat", "netbooks.dat", "books_user.dat"}) {
        QFile file(QDir(server.path()).filePath(QStringLiteral("t_users/admin/") + QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    FirstStart first;
    const QString existing = QDir(server.path()).filePath(QStringLiteral("t_users"));
    first.start([&](TPConfiguracion* wizard) { walk(wizard, Network, wizard->B_Ingles, existing); });
    QCOMPARE(first.questions, 0);
    QVERIFY(first.files.read(QStringLiteral("net.dat")).contains(existing.toUtf8() + "/\r\n"));
    QVERIFY(!QFileInfo::exists(QDir(existing).filePath(QStringLiteral("t_users"))));
    QFile computers(QDir(existing).filePath(QStringLiteral("admin/computers.dat")));
    QVERIFY(computers.open(QIODevice::ReadOnly));
    QCOMPARE(computers.size(), qint64(ComputerRecord::Size));
}

void TestConfiguracion::cancellingEndsWithoutNetDat_data() {
    QTest::addColumn<int>("okClicks");
    QTest::newRow("language page") << 0;
    QTest::newRow("user mode page") << 1;
    QTest::newRow("local or network page") << 2;
    QTest::newRow("sample books page") << 3;
}

void TestConfiguracion::cancellingEndsWithoutNetDat() {
    QFETCH(int, okClicks);
    FirstStart first;
    const bool started = first.start([&](TPConfiguracion* wizard) {
        wizard->B_Espanhol->click();
        if (okClicks >= 2) wizard->CB_ModoMultiusuario->click();
        for (int i = 0; i < okClicks; ++i) wizard->Btn_OKClick();
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
    QVERIFY(!started);
    QVERIFY(!QFileInfo::exists(first.files.path(QStringLiteral("net.dat"))));
    QVERIFY(!first.app->ctx().settings.configurationCompleted);
    QVERIFY(first.files.logLines().contains(QStringLiteral("MIN conf end")));
    QVERIFY(!first.files.logLines().contains(QStringLiteral("MIN conf_ok")));
}

void TestConfiguracion::arrowKeysCycleTheLanguages() {
    FirstStart first;
    QList<int> seen;
    first.start([&](TPConfiguracion* wizard) {
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(wizard, Qt::Key_Down);
            seen << wizard->languageChoice();
        }
        QTest::keyClick(wizard, Qt::Key_Up);
        seen << wizard->languageChoice();
        QVERIFY(wizard->Btn_OK->isEnabled());
        QVERIFY(wizard->CB_Portugues->isChecked() && !wizard->CB_Ingles->isChecked());
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
    // Down: English, Spanish, Portuguese, English; Up from English goes to Portuguese.
    QCOMPARE(seen, (QList<int>{1, 2, 3, 1, 3}));
}

QTEST_MAIN(TestConfiguracion)
#include "test_configuracion.moc"
