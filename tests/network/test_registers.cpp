#include "network/registers.h"
#include "shell/configuration.h"
#include "support/tempapp.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// A users folder made the way the configuration makes it.
struct UsersFolder : TempApp {
    UsersFolder() {
        install({QStringLiteral("library_esp.dat"), QStringLiteral("library_eng.dat"), QStringLiteral("library_por.dat")});
        ok = createUsersFolder(ctx, dir.path());
        ctx.settings.netDataDir = path(QStringLiteral("t_users/"));
    }
    QByteArray admin(const QString& name) const { return read(QStringLiteral("t_users/admin/") + name); }
    bool ok = false;
};

UserRecord user(const QString& name, int number) {
    UserRecord u;
    u.name = name;
    u.number = number;
    u.registered = QDateTime(QDate(2026, 12, 11), QTime(9, 0));
    return u;
}
} // namespace

class TestRegisters : public QObject {
    Q_OBJECT
private slots:
    void userFolderNames_data();
    void userFolderNames();
    void userRecordAtItsOffsets();
    void computerRecordAtItsOffsets();
    void usersFolderIsMadeOnceWithEmptyRegisters();
    void createUserMakesEverythingTheUserNeeds();
    void userNumbersFollowTheRegister();
    void computerIsRegisteredOnce();
    void unreadableComputerRegisterIsError8();
};

void TestRegisters::userFolderNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("folder");
    QTest::newRow("Admin") << "Admin" << 0 << "admin";
    QTest::newRow("seven") << "Ana" << 7 << "user_000007";
    QTest::newRow("seven digits are not cut") << "Luis" << 1234567 << "user_1234567";
    QTest::newRow("admin is case-sensitive") << "admin" << 3 << "user_000003";
}

void TestRegisters::userFolderNames() {
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, folder);
    QCOMPARE(userFolderNameFor(name, number), folder);
}

void TestRegisters::userRecordAtItsOffsets() {
    UserRecord u = user(QStringLiteral("María"), 12);
    u.password = QStringLiteral("x");
    u.usesPassword = true;
    u.city = QStringLiteral("Vigo");
    u.email = QStringLiteral("m@example.org");
    const QByteArray bytes = *u.encode();
    QCOMPARE(bytes.size(), 336);
    QCOMPARE(bytes.mid(0, 6), QByteArray("\x05Mar\xed" "a"));
    QCOMPARE(bytes.mid(36, 4), QByteArray("\x0c\0\0\0", 4));
    QCOMPARE(bytes.mid(40, 2), QByteArray("\x01x"));
    QCOMPARE(bytes[65], '\x01');
    QCOMPARE(bytes[66], '\x00');
    QCOMPARE(bytes.mid(170, 5), QByteArray("\x04Vigo"));
    QCOMPARE(bytes.mid(270, 14), QByteArray("\x0dm@example.org"));
    // 11/12/2026 09:00 is day 46367.375 since 1899-12-30.
    double days = 0;
    std::memcpy(&days, bytes.constData() + 72, 8);
    QCOMPARE(days, 46367.375);

    const UserRecord back = UserRecord::decode(bytes);
    QCOMPARE(back.name, u.name);
    QCOMPARE(back.number, 12);
    QCOMPARE(back.registered, u.registered);
    QVERIFY(!back.deregistered.isValid());
    QCOMPARE(back.email, u.email);

    u.name = QString(33, QLatin1Char('n'));
    QVERIFY(!u.encode().has_value());
}

void TestRegisters::computerRecordAtItsOffsets() {
    const ComputerRecord c{true, QStringLiteral("0000001234"), QStringLiteral("Aula 2"), QStringLiteral("Junto a la puerta")};
    const QByteArray bytes = *c.encode();
    QCOMPARE(bytes.size(), 301);
    QCOMPARE(bytes[0], '\x01');
    QCOMPARE(bytes.mid(1, 11), QByteArray("\x0a" "0000001234"));
    QCOMPARE(bytes.mid(12, 7), QByteArray("\x06" "Aula 2"));
    QCOMPARE(bytes[45], char(17));
    const ComputerRecord back = ComputerRecord::decode(bytes);
    QCOMPARE(back.identifier, c.identifier);
    QCOMPARE(back.description, c.description);
    QVERIFY(back.inactive);
}

void TestRegisters::usersFolderIsMadeOnceWithEmptyRegisters() {
    UsersFolder f;
    QVERIFY(f.ok);
    for (const char* name : {"users.dat", "netbooks.dat", "computers.dat", "books_user.dat"})
        QVERIFY2(QFileInfo(f.path(QStringLiteral("t_users/admin/") + QLatin1String(name))).size() == 0, name);
    QVERIFY(QFileInfo(f.path(QStringLiteral("t_users/books"))).isDir());
    QVERIFY(f.logLines().contains(QStringLiteral("MIN dir files ok")));

    // A second time the folder is taken as it is.
    f.write(QStringLiteral("t_users/admin/users.dat"), "keep");
    const int lines = f.logLines().size();
    QVERIFY(createUsersFolder(f.ctx, f.dir.path()));
    QCOMPARE(f.admin(QStringLiteral("users.dat")), QByteArray("keep"));
    QVERIFY(!f.logLines().mid(lines).contains(QStringLiteral("MIN dir create ok")));

    // A parent that does not exist cannot hold one.
    QVERIFY(!createUsersFolder(f.ctx, f.path(QStringLiteral("no/such"))));
    QVERIFY(!f.ctx.settings.fatalError);
}

void TestRegisters::createUserMakesEverythingTheUserNeeds() {
    UsersFolder f;
    f.ctx.settings.currentLanguage = English;
    QVERIFY(CreateUser(f.ctx, user(QStringLiteral("Ana"), 7)));
    QCOMPARE(f.admin(QStringLiteral("users.dat")).size(), 336);
    const QByteArray assignment = f.admin(QStringLiteral("books_user.dat"));
    QCOMPARE(assignment, QByteArray("\x07\0\0\0", 4) + QByteArray(128, '\0'));
    const QString folder = QStringLiteral("t_users/user_000007/");
    QCOMPARE(f.read(folder + QStringLiteral("library.dat")), f.read(QStringLiteral("library_eng.dat")));
    QVERIFY(QFileInfo::exists(f.path(folder + QStringLiteral("books.dat"))));
    QVERIFY(QFileInfo::exists(f.path(folder + QStringLiteral("id_disk.dat"))));
    QStringList expected = {"ADM create user start", "ADM user´s dir: user_000007", "ADM cmp ok", "ADM lib eng"};
    const QStringList log = f.logLines();
    const int at = log.indexOf(QStringLiteral("ADM create user start"));
    QCOMPARE(log.mid(at, 4), expected);
    QCOMPARE(log.last(), QStringLiteral("ADM create user ok"));
    QVERIFY(log.contains(QStringLiteral("ADM lib eng ok")));
}

void TestRegisters::userNumbersFollowTheRegister() {
    UsersFolder f;
    QCOMPARE(NextUserNumber(f.ctx), 0);
    QCOMPARE(UserNumberByName(f.ctx, QStringLiteral("Admin")), -1);
    QVERIFY(ensureAdministrator(f.ctx));
    QCOMPARE(UserNumberByName(f.ctx, QStringLiteral("Admin")), 0);
    QCOMPARE(NextUserNumber(f.ctx), 1);
    QVERIFY(QFileInfo(f.path(QStringLiteral("t_users/admin/library.dat"))).isFile());
    // The administrator is created once however often the configuration runs.
    QVERIFY(ensureAdministrator(f.ctx));
    QCOMPARE(f.admin(QStringLiteral("users.dat")).size(), 336);
    QVERIFY(CreateUser(f.ctx, user(QStringLiteral("Luis"), 5)));
    QCOMPARE(NextUserNumber(f.ctx), 6);
    QCOMPARE(UserFolderName(f.ctx, QStringLiteral("Luis")), QStringLiteral("user_000005"));
    QCOMPARE(UserNumberByName(f.ctx, QStringLiteral("luis")), -1);
}

void TestRegisters::computerIsRegisteredOnce() {
    UsersFolder f;
    f.ctx.settings.computerId = QStringLiteral("0000000042");
    QVERIFY(!ComputerRegistered(f.ctx, QStringLiteral("0000000042")));
    QVERIFY(registerThisComputer(f.ctx));
    QVERIFY(registerThisComputer(f.ctx));
    const QByteArray computers = f.admin(QStringLiteral("computers.dat"));
    QCOMPARE(computers.size(), 301);
    QCOMPARE(ComputerRecord::decode(computers).identifier, QStringLiteral("0000000042"));
    QVERIFY(ComputerRegistered(f.ctx, QStringLiteral("0000000042")));
}

void TestRegisters::unreadableComputerRegisterIsError8() {
    UsersFolder f;
    QFile::remove(f.path(QStringLiteral("t_users/admin/computers.dat")));
    QVERIFY(!registerThisComputer(f.ctx));
    QCOMPARE(f.ctx.settings.errorNumber, 8);
    QCOMPARE(f.feedback.messages.value(0).text, QStringLiteral("E1: 8"));
    QVERIFY(f.ctx.settings.fatalError);
}

QTEST_GUILESS_MAIN(TestRegisters)
#include "test_registers.moc"
