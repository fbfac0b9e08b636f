#include "shell/codepage.h"
#include "shell/datetext.h"
#include "shell/errors.h"
#include "shell/filecopy.h"
#include "shell/helpfiles.h"
#include "shell/netdat.h"
#include "shell/platform.h"
#include "support/tempapp.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void logKeepsTheLastThousandLines();
    void logCutsLongLinesAndSkipsEmptyOnes();
    void logWriteFailureIsSwallowed();
    void delayLetsMessagesRunAtLeastOnce();
    void errorConventionVariants_data();
    void errorConventionVariants();
    void copyFileRunsBlocksWithProgress_data();
    void copyFileRunsBlocksWithProgress();
    void copyFileFailureIsError95();
    void copyFileKeepsTheOldDestinationWhenTheSourceIsMissing();
    void copyFileRetriesADestinationThatCannotBeReplaced();
    void dateTextRoundTrips();
    void dateParserRejectsBadPieces_data();
    void dateParserRejectsBadPieces();
    void dayCountMatchesTheStoredForm();
    void helpFilesHighestVersionIsInstalled();
    void helpFileFallsBackToAnotherLanguage();
    void netDatReadsFlagsExactly_data();
    void netDatReadsFlagsExactly();
    void netDatBadFirstLineIsError27();
    void netDatRoundTrips();
    void codepageRoundTripsEveryByte();
    void computerIdentifierOverride();
    void initialSettings();
};

void TestShell::logKeepsTheLastThousandLines() {
    TempApp app;
    for (int i = 1; i <= 1001; ++i)
        app.ctx.log(QStringLiteral("MIN line %1").arg(i));
    const QStringList lines = app.logLines();
    QCOMPARE(lines.size(), 1000);
    QCOMPARE(lines.first(), QStringLiteral("MIN line 2"));
    QCOMPARE(lines.last(), QStringLiteral("MIN line 1001"));
    QVERIFY(app.read(QStringLiteral("log.txt")).endsWith("MIN line 1001\r\n"));
}

void TestShell::logCutsLongLinesAndSkipsEmptyOnes() {
    TempApp app;
    app.ctx.log(QStringLiteral("first"));
    app.ctx.log(QString(300, QLatin1Char('x')));
    app.ctx.log(QString());
    app.ctx.log(QStringLiteral("last"));
    const QStringList lines = app.logLines();
    QCOMPARE(lines, (QStringList{QStringLiteral("first"), QString(255, QLatin1Char('x')),
                                 QStringLiteral("last")}));
    // The empty line still took a slot of the ring.
    QCOMPARE(app.ctx.eventLog().entry(999), QString());
    QCOMPARE(app.ctx.eventLog().entry(1000), QStringLiteral("last"));
    QCOMPARE(app.ctx.eventLog().entry(997), QStringLiteral("first"));
}

void TestShell::logWriteFailureIsSwallowed() {
    TempApp app;
    app.ctx.settings.appDir = app.path(QStringLiteral("missing/folder/"));
    app.ctx.log(QStringLiteral("MIN app_start"));
    QCOMPARE(app.ctx.eventLog().entry(1000), QStringLiteral("MIN app_start"));
    QCOMPARE(app.ctx.settings.fatalError, false);
    QVERIFY(app.feedback.messages.isEmpty());
}

void TestShell::delayLetsMessagesRunAtLeastOnce() {
    TempApp app;
    app.ctx.delay(0);
    QCOMPARE(app.feedback.eventRuns, 1);
    app.ctx.delay(500); // scaled to nothing in tests, still runs messages once
    QCOMPARE(app.feedback.eventRuns, 2);
}

void TestShell::errorConventionVariants_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("logged");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("fatal");
    QTest::newRow("fatal") << int(ErrorMode::Fatal) << true << true << true;
    QTest::newRow("logged only") << int(ErrorMode::LogOnly) << true << false << false;
    QTest::newRow("recorded only") << int(ErrorMode::RecordOnly) << false << false << false;
}

void TestShell::errorConventionVariants() {
    QFETCH(int, mode);
    QFETCH(bool, logged);
    QFETCH(bool, shown);
    QFETCH(bool, fatal);
    TempApp app;
    reportError(app.ctx, 30, static_cast<ErrorMode>(mode));
    QCOMPARE(app.ctx.settings.errorNumber, 30);
    QCOMPARE(app.logLines().contains(QStringLiteral("ERR 30")), logged);
    QCOMPARE(app.feedback.messages.size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E1: 30"));
        QCOMPARE(app.feedback.messages[0].kind, MessageKind::Error);
    }
    QCOMPARE(app.ctx.settings.fatalError, fatal);
    QCOMPARE(app.feedback.terminateRequests, fatal ? 1 : 0);
}

void TestShell::copyFileRunsBlocksWithProgress_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("3000 bytes, two blocks") << 3000 << QList<int>{0, 100, 100, 0};
    QTest::newRow("zero bytes") << 0 << QList<int>{0, 0};
    QTest::newRow("three whole blocks") << 6144 << QList<int>{0, 33, 66, 100, 0};
}

void TestShell::copyFileRunsBlocksWithProgress() {
    QFETCH(int, size);
    QFETCH(QList<int>, progress);
    TempApp app;
    QByteArray content(size, '\0');
    for (int i = 0; i < size; ++i)
        content[i] = char(i * 7);
    app.write(QStringLiteral("source.bin"), content);
    app.write(QStringLiteral("dest.bin"), "old content");
    app.ctx.settings.eventsEnabled = 1;
    QVERIFY(copyFile(app.ctx, app.path(QStringLiteral("source.bin")),
                     app.path(QStringLiteral("dest.bin")), true));
    QCOMPARE(app.read(QStringLiteral("dest.bin")), content);
    QCOMPARE(app.feedback.progress, progress);
    QCOMPARE(app.feedback.statusTexts.first(), QStringLiteral("E113"));
    QCOMPARE(app.feedback.statusTexts.last(), QString());
    QCOMPARE(app.feedback.progressVisible, false);
    QCOMPARE(app.ctx.settings.eventsEnabled, quint8(1));
}

void TestShell::copyFileFailureIsError95() {
    TempApp app;
    app.write(QStringLiteral("source.bin"), "data");
    const bool ok = copyFile(app.ctx, app.path(QStringLiteral("source.bin")),
                             app.path(QStringLiteral("no/such/folder/dest.bin")), false);
    QVERIFY(!ok);
    QCOMPARE(app.ctx.settings.errorNumber, 95);
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 95")));
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E1: 95"));
    QVERIFY(app.ctx.settings.fatalError);
    // Once the program is stopping, copies do nothing.
    QVERIFY(!copyFile(app.ctx, app.path(QStringLiteral("source.bin")),
                      app.path(QStringLiteral("d2")), false));
    QVERIFY(!QFile::exists(app.path(QStringLiteral("d2"))));
}

void TestShell::copyFileKeepsTheOldDestinationWhenTheSourceIsMissing() {
    TempApp app;
    app.write(QStringLiteral("user.dat"), "precious");
    QVERIFY(!copyFile(app.ctx, app.path(QStringLiteral("absent")),
                      app.path(QStringLiteral("user.dat")), false));
    QCOMPARE(app.read(QStringLiteral("user.dat")), QByteArray("precious"));
    QCOMPARE(QDir(app.dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("log.txt"), QStringLiteral("user.dat")}));
}

void TestShell::copyFileRetriesADestinationThatCannotBeReplaced() {
    TempApp app;
    app.write(QStringLiteral("source.bin"), "new");
    // A folder in the destination's place cannot be removed: it stands for a
    // file another computer holds open.
    app.write(QStringLiteral("held/inside"), "kept");
    QVERIFY(!copyFile(app.ctx, app.path(QStringLiteral("source.bin")), app.path(QStringLiteral("held")), false));
    QCOMPARE(app.feedback.connectionLosses, 1);
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E8"));
    QVERIFY(!app.ctx.settings.fatalError);
    QCOMPARE(app.read(QStringLiteral("held/inside")), QByteArray("kept"));
    QVERIFY(!QFile::exists(app.path(QStringLiteral("held.~cp"))));
    QCOMPARE(app.read(QStringLiteral("source.bin")), QByteArray("new"));
}

void TestShell::dateTextRoundTrips() {
    const QDateTime moment(QDate(2004, 5, 24), QTime(7, 5, 9));
    QCOMPARE(dateText(moment), QStringLiteral("24/05/2004 07:05:09"));
    QCOMPARE(dateOnlyText(moment.date()), QStringLiteral("24/05/2004"));
    QCOMPARE(parseDateText(dateText(moment)), std::optional<QDateTime>(moment));
    QCOMPARE(parseDateText(QStringLiteral("1/2/2010 3:4:5")),
             std::optional<QDateTime>(QDateTime(QDate(2010, 2, 1), QTime(3, 4, 5))));
}

void TestShell::dateParserRejectsBadPieces_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters in the day") << QStringLiteral("ab/05/2004 07:05:09");
    QTest::newRow("letters in the seconds") << QStringLiteral("24/05/2004 07:05:x9");
    QTest::newRow("no time") << QStringLiteral("24/05/2004");
    QTest::newRow("empty") << QString();
    QTest::newRow("no such day") << QStringLiteral("31/02/2004 00:00:00");
}

void TestShell::dateParserRejectsBadPieces() {
    QFETCH(QString, text);
    QVERIFY(!parseDateText(text).has_value());
}

void TestShell::dayCountMatchesTheStoredForm() {
    QCOMPARE(toDayCount(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    QCOMPARE(toDayCount(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    QCOMPARE(toDayCount(QDateTime(QDate(2004, 5, 24), QTime(0, 0))), 38131.0);
    const QDateTime moment(QDate(2026, 12, 11), QTime(23, 59, 59));
    QCOMPARE(fromDayCount(toDayCount(moment)), moment);
}

void TestShell::helpFilesHighestVersionIsInstalled() {
    TempApp app;
    app.write(QStringLiteral("HELP_ESP_001.HLP"), "one");
    app.write(QStringLiteral("HELP_ESP_010.HLP"), "ten");
    app.write(QStringLiteral("HELP_ENG_002.HLP"), "english");
    searchHelpFiles(app.ctx);
    const HelpFileEntry& spanish = app.ctx.settings.helpFiles[Spanish];
    QVERIFY(spanish.found);
    QCOMPARE(spanish.version, qint16(10));
    QCOMPARE(spanish.path, app.path(QStringLiteral("HELP_ESP_010.HLP")));
    QVERIFY(!app.ctx.settings.helpFiles[Portuguese].found);
    QCOMPARE(app.ctx.settings.helpFiles[English].version, qint16(2));

    app.ctx.settings.currentLanguage = Spanish;
    QCOMPARE(installHelpFile(app.ctx), QStringLiteral("E581 v.10"));
    QCOMPARE(app.read(QStringLiteral("help.hlp")), QByteArray("ten"));
    QVERIFY(app.feedback.messages.isEmpty());
}

void TestShell::helpFileFallsBackToAnotherLanguage() {
    TempApp app;
    app.write(QStringLiteral("HELP_ENG_003.HLP"), "english");
    searchHelpFiles(app.ctx);
    app.ctx.settings.currentLanguage = Portuguese;
    QCOMPARE(installHelpFile(app.ctx), QString());
    QCOMPARE(app.read(QStringLiteral("help.hlp")), QByteArray("english"));
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E30"));
    QCOMPARE(app.feedback.messages[0].kind, MessageKind::Information);

    // English falls back to Spanish; with neither present the copy fails as any copy does.
    TempApp bare;
    searchHelpFiles(bare.ctx);
    bare.ctx.settings.currentLanguage = English;
    installHelpFile(bare.ctx);
    QCOMPARE(bare.ctx.settings.errorNumber, 95);
}

void TestShell::netDatReadsFlagsExactly_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("singleUser");
    QTest::addColumn<bool>("localMode");
    QTest::newRow("single, local")
        << QByteArray("1\r\nC:\\t\\t_users\\\r\ntrue\r\ntrue\r\n") << true << true;
    QTest::newRow("True is not true")
        << QByteArray("0\r\n/srv/t_users/\r\nTrue\r\nfalse\r\n") << false << false;
    QTest::newRow("blank after true")
        << QByteArray("2\r\n/x/\r\ntrue \r\ntrue\r\n") << false << true;
    QTest::newRow("three lines") << QByteArray("0\r\n/x/\r\ntrue\r\n") << true << false;
}

void TestShell::netDatReadsFlagsExactly() {
    QFETCH(QByteArray, content);
    QFETCH(bool, singleUser);
    QFETCH(bool, localMode);
    TempApp app;
    app.write(QStringLiteral("net.dat"), content);
    QVERIFY(readNetDat(app.ctx));
    QCOMPARE(app.ctx.settings.singleUser, singleUser);
    QCOMPARE(app.ctx.settings.localMode, localMode);
    QCOMPARE(app.ctx.settings.installLanguage, content.left(1).toInt());
}

void TestShell::netDatBadFirstLineIsError27() {
    for (const QByteArray& content :
         {QByteArray("Spanish\r\n/x/\r\ntrue\r\ntrue\r\n"), QByteArray()}) {
        TempApp app;
        app.write(QStringLiteral("net.dat"), content);
        QVERIFY(!readNetDat(app.ctx));
        QCOMPARE(app.ctx.settings.errorNumber, 27);
        QCOMPARE(app.feedback.messages.value(0).text, QStringLiteral("E1: 27"));
        QVERIFY(app.ctx.settings.fatalError);
    }
    TempApp missing;
    QVERIFY(!netDatExists(missing.ctx));
    QVERIFY(!readNetDat(missing.ctx));
    QCOMPARE(missing.ctx.settings.errorNumber, 27);
}

void TestShell::netDatRoundTrips() {
    TempApp app;
    Settings& s = app.ctx.settings;
    s.installLanguage = Portuguese;
    s.netDataDir = QStringLiteral("/srv/shared/t_users/");
    s.singleUser = false;
    s.localMode = false;
    QVERIFY(writeNetDat(app.ctx));
    QCOMPARE(app.read(QStringLiteral("net.dat")),
             QByteArray("2\r\n/srv/shared/t_users/\r\nfalse\r\nfalse\r\n"));
    s.installLanguage = Spanish;
    s.singleUser = true;
    s.netDataDir.clear();
    QVERIFY(readNetDat(app.ctx));
    QCOMPARE(s.installLanguage, int(Portuguese));
    QCOMPARE(s.netDataDir, QStringLiteral("/srv/shared/t_users/"));
    QVERIFY(!s.singleUser);

    // A folder the code page cannot hold is refused, not written damaged.
    s.netDataDir = QStringLiteral("/srv/\u4e2d/");
    QVERIFY(!writeNetDat(app.ctx));
    QCOMPARE(s.errorNumber, 28);
    QCOMPARE(app.read(QStringLiteral("net.dat")),
             QByteArray("2\r\n/srv/shared/t_users/\r\nfalse\r\nfalse\r\n"));
}

void TestShell::codepageRoundTripsEveryByte() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(toCp1252(fromCp1252(all)), std::optional<QByteArray>(all));
    QCOMPARE(fromCp1252(QByteArray("\x80\xe9\xf1")), QStringLiteral("\u20ac\u00e9\u00f1"));
    QVERIFY(!toCp1252(QStringLiteral("\u4e2d")).has_value());
    QCOMPARE(toCp1252Lossy(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
}

void TestShell::computerIdentifierOverride() {
    QCOMPARE(formatComputerIdentifier(1234), QStringLiteral("0000001234"));
    QCOMPARE(formatComputerIdentifier(4294967295u), QStringLiteral("4294967295"));
    qputenv("TESSERA_COMPUTER_ID", "77");
    QCOMPARE(computerIdentifier(), QStringLiteral("0000000077"));
    qunsetenv("TESSERA_COMPUTER_ID");
    const QString own = computerIdentifier();
    QCOMPARE(own.size(), 10);
    QCOMPARE(computerIdentifier(), own);
}

void TestShell::initialSettings() {
    TempApp app;
    Settings& s = app.ctx.settings;
    s.toolbarStyle = 0;
    s.showPage[3] = false;
    s.userName = QStringLiteral("Ana");
    s.initialise(app.clock.moment);
    QCOMPARE(s.toolbarStyle, 3);
    QCOMPARE(s.libraryStyle, 11);
    QCOMPARE(s.toolbarTransparency, 210);
    QVERIFY(std::all_of(s.showPage.begin(), s.showPage.end(), [](bool b) { return b; }));
    QCOMPARE(s.userName, QString());
    QCOMPARE(s.periodStart, QDate(2026, 11, 11));
    QCOMPARE(s.periodEnd, QDate(2026, 12, 11));
    QCOMPARE(s.backupDir, app.ctx.settings.appDir + QStringLiteral("backup") + QDir::separator());
    QCOMPARE(s.chronoUnlit, QColor(255, 251, 240));
    QCOMPARE(s.adminRefreshPeriod, 3);
    QCOMPARE(optionLabelRow(2), QStringLiteral("a, b, c, d, e, f"));
    QCOMPARE(optionLabel(4, 6), QChar(u'*'));
}

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
