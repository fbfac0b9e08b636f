#include "interface/preferences.h"
#include "support/tempapp.h"

#include <QDir>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {

// One saved value as the reader leaves it, with the line of the file that
// completes it (for a file written from distinctive() below).
struct Value {
    int line;
    QString name;
    QString value;
};

QString colourText(const QColor& c) {
    return c.isValid() ? c.name() : QStringLiteral("invalid");
}
QString rectText(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

// Every saved setting, in file order.
QList<Value> saved(const Settings& s) {
    const auto b = [](bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); };
    const auto n = [](qint64 v) { return QString::number(v); };
    QList<Value> values = {
        {1, "working mode", n(s.workingMode)},
        {2, "interface style", n(s.interfaceStyle)},
        {3, "toolbar style", n(s.toolbarStyle)},
        {4, "library style", n(s.libraryStyle)},
        {5, "transparency", n(s.toolbarTransparency)},
        {7, "icon size", n(s.iconSize)},
        {8, "start maximised", b(s.startMaximised)},
        {12, "window rectangle", rectText(s.mainWindowRect)},
        {13, "show library", b(s.showLibrary)},
        {14, "tools bar", b(s.showToolsBar)},
        {15, "interface bar", b(s.showInterfaceBar)},
        {16, "library bar", b(s.showLibraryBar)},
        {17, "status bar", b(s.showStatusBar)},
        {18, "editing bar", n(s.editingBar)},
        {19, "suggestion bar", b(s.showSuggestionBar)},
        {20, "chronometer", b(s.showChronometer)},
        {21, "character palette", b(s.showCharacterPalette)},
        {22, "editor character palette", b(s.showEditorCharacterPalette)},
        {23, "anchored panels", b(s.anchoredPanels)},
        {24, "library position", n(s.libraryPosition)},
        {25, "window colour", colourText(s.windowColour)},
        {26, "graph", n(s.graphShown)},
        {28, "period",
         s.periodStart.toString(Qt::ISODate) + "/" + s.periodEnd.toString(Qt::ISODate)},
        {29, "cumulative", n(s.cumulative)},
        {30, "user name", s.userName},
        {33, "user details", s.userDetails},
        {34, "e-mail", s.userEmail},
        {35, "show total records", b(s.showTotalRecords)},
        {36, "show level-0 records", b(s.showLevel0Records)},
        {37, "tab position", n(s.tabPosition)},
        {38, "tab width", n(s.tabWidth)},
        {39, "confirm deletion", b(s.confirmRecordDeletion)},
        {40, "backup directory", s.backupDir},
        {41, "tips at start", b(s.showTipsAtStart)},
        {42, "download news", b(s.downloadNews)},
        {43, "backup interval", n(s.backupInterval)},
        {44, "hints", b(s.showHints)},
        {45, "distinguish accents", b(s.distinguishAccents)},
        {46, "distinguish case", b(s.distinguishCase)},
        {47, "last news seen", n(s.lastNewsSeen)},
        {48, "protect user data", b(s.protectUserData)},
        {49, "password", s.userDataPassword},
        {50, "editor maximised", b(s.editorMaximised)},
    };
    for (int page = 0; page < 8; ++page)
        values.append({51 + page, QStringLiteral("page %1").arg(page + 1), b(s.showPage[page])});
    values.append({59, "chronometer background", colourText(s.chronoBackground)});
    values.append({60, "chronometer lit", colourText(s.chronoLit)});
    values.append({61, "chronometer unlit", colourText(s.chronoUnlit)});
    return values;
}

QStringList describe(const QList<Value>& values) {
    QStringList lines;
    for (const Value& v : values)
        lines << v.name + QStringLiteral(" = ") + v.value;
    return lines;
}

// Every saved setting away from its initial value; the period ends on the
// test clock's day so that it reads back unchanged.
void distinctive(Settings& s, const QDate& today) {
    s.workingMode = 0;
    s.interfaceStyle = 2;
    s.toolbarStyle = 1;
    s.libraryStyle = 5;
    s.toolbarTransparency = 96;
    s.currentLanguage = English;
    s.iconSize = 1;
    s.mainWindowMaximised = false;
    s.startMaximised = false;
    s.mainWindowRect = QRect(40, 30, 900, 700);
    s.showLibrary = s.showToolsBar = s.showInterfaceBar = s.showLibraryBar = false;
    s.showStatusBar = s.showSuggestionBar = s.showChronometer = false;
    s.editingBar = 1;
    s.showCharacterPalette = s.showEditorCharacterPalette = s.anchoredPanels = true;
    s.libraryPosition = 0;
    s.windowColour = QColor(10, 20, 30);
    s.graphShown = 4;
    s.periodStart = today.addDays(-40);
    s.periodEnd = today;
    s.cumulative = 1;
    s.userName = QStringLiteral("José Núñez");
    s.userDetails = QStringLiteral("Calle Mayor 5\r\n28013 Madrid");
    s.userEmail = QStringLiteral("jose@example.org");
    s.showTotalRecords = s.showLevel0Records = false;
    s.tabPosition = 0;
    s.tabWidth = 200;
    s.confirmRecordDeletion = false;
    s.backupDir = QStringLiteral("/srv/copias/");
    s.showTipsAtStart = s.downloadNews = s.showHints = s.distinguishAccents = false;
    s.backupInterval = 40;
    s.distinguishCase = true;
    s.lastNewsSeen = 17;
    s.protectUserData = true;
    s.userDataPassword = QStringLiteral("clave123");
    s.editorMaximised = false;
    s.showPage = {true, false, true, false, true, false, true, false};
    s.chronoBackground = QColor(1, 2, 3);
    s.chronoLit = QColor(200, 0, 0);
    s.chronoUnlit = QColor(0, 0, 200);
}

QList<QByteArray> fileLines(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines) {
    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + "\n";
    return content;
}

const QString UserDat = QStringLiteral("user.dat");

// A user.dat laid out by hand, line by line, in Windows-1252.
const QByteArray Fixture = "0\r\n"                   // 1 advanced mode
                           "1\r\n"                   // 2 Office style
                           "4\r\n"                   // 3 toolbar style
                           "9\r\n"                   // 4 library style
                           "128\r\n"                 // 5 transparency
                           "2\r\n"                   // 6 Portuguese
                           "1\r\n"                   // 7 small icons
                           "false\r\n"               // 8 not maximised
                           "12\r\n"                  // 9 left
                           "34\r\n"                  // 10 top
                           "1000\r\n"                // 11 width
                           "760\r\n"                 // 12 height
                           "true\r\n"                // 13 library
                           "false\r\n"               // 14 tools bar
                           "true\r\n"                // 15 interface bar
                           "false\r\n"               // 16 library bar
                           "true\r\n"                // 17 status bar
                           "auto\r\n"                // 18 editing bar
                           "false\r\n"               // 19 suggestion bar
                           "true\r\n"                // 20 chronometer
                           "true\r\n"                // 21 character palette
                           "false\r\n"               // 22 editor palette
                           "true\r\n"                // 23 anchored
                           "0\r\n"                   // 24 library on the right
                           "16435935\r\n"            // 25 colour RGB 223,202,250
                           "3\r\n"                   // 26 graph
                           "01/03/2004 00:00:00\r\n" // 27 period start
                           "31/03/2004 00:00:00\r\n" // 28 period end
                           "1\r\n"                   // 29 cumulative
                           "Mar\xed"
                           "a Pe\xf1"
                           "a\r\n" // 30 name
                           "Profesora de f\xedsica\r\n"
                           "\r\n"
                           "Lisboa \x80 Madrid\r\n"
                           "\xff\r\n"
                           "maria@example.org\r\n"
                           "false\r\n" // total records
                           "true\r\n"  // level-0 records
                           "true\r\n"  // tabs on top
                           "120\r\n"   // tab width
                           "false\r\n" // confirm deletion
                           "/home/maria/copias/\r\n"
                           "false\r\n"   // tips
                           "true\r\n"    // news
                           "30\r\n"      // backup interval
                           "false\r\n"   // hints
                           "false\r\n"   // accents
                           "true\r\n"    // case
                           "42\r\n"      // last news seen
                           "true\r\n"    // protect
                           "secreto\r\n" // password
                           "false\r\n"   // editor maximised
                           "true\r\nfalse\r\ntrue\r\ntrue\r\nfalse\r\ntrue\r\ntrue\r\nfalse\r\n"
                           "255\r\n"       // chronometer background: red
                           "65280\r\n"     // lit: green
                           "15793151\r\n"; // unlit: 255,251,240

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void writeThenReadRestoresEveryValue();
    void fixtureReads();
    void fixtureWritesBackLineForLine();
    void details_data();
    void details();
    void damagedFileKeepsTheEarlierLines_data();
    void damagedFileKeepsTheEarlierLines();
    void placement_data();
    void placement();
    void editingBarWords_data();
    void editingBarWords();
    void periodMovesToEndToday_data();
    void periodMovesToEndToday();
    void systemColoursKeepTheCurrentOnes();
    void missingFileChangesNothing();
    void writeFailureIsLoggedOnly_data();
    void writeFailureIsLoggedOnly();
};

void TestPreferences::writeThenReadRestoresEveryValue() {
    TempApp writer;
    distinctive(writer.ctx.settings, writer.clock.moment.date());
    const QStringList written = describe(saved(writer.ctx.settings));
    QVERIFY(writeUserPreferences(writer.ctx));

    TempApp app;
    Settings& s = app.ctx.settings;
    app.write(UserDat, writer.read(UserDat));
    QVERIFY(describe(saved(s)) != written);
    s.eventsEnabled = 1;
    const UserDatReading reading = readUserPreferences(app.ctx);
    QVERIFY(reading.found);
    QVERIFY(reading.ok);
    QCOMPARE(describe(saved(s)), written);
    QCOMPARE(reading.language, std::optional<int>(English));
    QVERIFY(s.windowColourSaved);
    QCOMPARE(s.eventsEnabled, quint8(1));
    QVERIFY(!app.logLines().contains(QStringLiteral("ERR 29")));
}

void TestPreferences::fixtureReads() {
    TempApp app;
    app.write(UserDat, Fixture);
    Settings& s = app.ctx.settings;
    const UserDatReading reading = readUserPreferences(app.ctx);
    QVERIFY(reading.ok);
    QCOMPARE(reading.language, std::optional<int>(Portuguese));
    const QDate today = app.clock.moment.date();
    const QStringList expected = {
        "working mode = 0",
        "interface style = 1",
        "toolbar style = 4",
        "library style = 9",
        "transparency = 128",
        "icon size = 1",
        "start maximised = 0",
        "window rectangle = 12,34 1000x760",
        "show library = 1",
        "tools bar = 0",
        "interface bar = 1",
        "library bar = 0",
        "status bar = 1",
        "editing bar = 2",
        "suggestion bar = 0",
        "chronometer = 1",
        "character palette = 1",
        "editor character palette = 0",
        "anchored panels = 1",
        "library position = 0",
        "window colour = #dfcafa",
        "graph = 3",
        "period = " + today.addDays(-30).toString(Qt::ISODate) + "/" + today.toString(Qt::ISODate),
        "cumulative = 1",
        "user name = María Peña",
        "user details = Profesora de física\r\n\r\nLisboa € Madrid",
        "e-mail = maria@example.org",
        "show total records = 0",
        "show level-0 records = 1",
        "tab position = 0",
        "tab width = 120",
        "confirm deletion = 0",
        "backup directory = /home/maria/copias/",
        "tips at start = 0",
        "download news = 1",
        "backup interval = 30",
        "hints = 0",
        "distinguish accents = 0",
        "distinguish case = 1",
        "last news seen = 42",
        "protect user data = 1",
        "password = secreto",
        "editor maximised = 0",
        "page 1 = 1",
        "page 2 = 0",
        "page 3 = 1",
        "page 4 = 1",
        "page 5 = 0",
        "page 6 = 1",
        "page 7 = 1",
        "page 8 = 0",
        "chronometer background = #ff0000",
        "chronometer lit = #00ff00",
        "chronometer unlit = #fffbf0",
    };
    QCOMPARE(describe(saved(s)), expected);
}

void TestPreferences::fixtureWritesBackLineForLine() {
    TempApp app;
    app.write(UserDat, Fixture);
    Settings& s = app.ctx.settings;
    const UserDatReading reading = readUserPreferences(app.ctx);
    QVERIFY(reading.ok);
    // The window state and the language come from the window and the caller.
    s.currentLanguage = *reading.language;
    QVERIFY(writeUserPreferences(app.ctx));

    QList<QByteArray> expected = fileLines(Fixture);
    const QDate today = app.clock.moment.date();
    expected[26] = today.addDays(-30).toString("dd/MM/yyyy").toLatin1() + " 00:00:00\r";
    expected[27] = today.toString("dd/MM/yyyy").toLatin1() + " 00:00:00\r";
    QCOMPARE(fileLines(app.read(UserDat)), expected);
}

void TestPreferences::details_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("readBack");
    const QString three = QStringLiteral("Calle Mayor 5\r\n28013 Madrid\r\nEspaña");
    QTest::newRow("three lines") << three << three;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("empty middle line") << "uno\r\n\r\ntres"
                                       << "uno\r\n\r\ntres";
    QTest::newRow("line breaks typed as LF") << "uno\ndos"
                                             << "uno\r\ndos";
    QTest::newRow("a line that looks like the end mark")
        << QString("uno\r\n") + DetailsEnd + "\r\ntres"
        << QString("uno\r\n") + DetailsEnd + " \r\ntres";
    const QString longLine = QString(150, QLatin1Char('a'));
    QTest::newRow("longer than 196 is cut on reading")
        << longLine + "\r\n" + longLine << (longLine + "\r\n" + longLine).left(196);
}

void TestPreferences::details() {
    QFETCH(QString, stored);
    QFETCH(QString, readBack);
    TempApp app;
    Settings& s = app.ctx.settings;
    s.userDetails = stored;
    s.userEmail = QStringLiteral("after@example.org");
    s.chronoUnlit = QColor(1, 2, 3);
    QVERIFY(writeUserPreferences(app.ctx));
    s.initialise(app.clock.moment);
    QVERIFY(readUserPreferences(app.ctx).ok);
    QCOMPARE(s.userDetails, readBack);
    // The lines after the details are still in their places.
    QCOMPARE(s.userEmail, QStringLiteral("after@example.org"));
    QCOMPARE(s.chronoUnlit, QColor(1, 2, 3));
}

void TestPreferences::damagedFileKeepsTheEarlierLines_data() {
    QTest::addColumn<int>("cutAfter"); // 0: the file is whole
    QTest::addColumn<int>("badLine");  // 0: no line replaced
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("cut after line 20") << 20 << 0 << QByteArray();
    QTest::newRow("cut after line 5") << 5 << 0 << QByteArray();
    QTest::newRow("cut inside the rectangle") << 10 << 0 << QByteArray();
    QTest::newRow("cut inside the details") << 32 << 0 << QByteArray();
    QTest::newRow("cut before the last colour") << 60 << 0 << QByteArray();
    QTest::newRow("transparency not a number") << 0 << 5 << QByteArray("opaque");
    QTest::newRow("style out of range") << 0 << 4 << QByteArray("57");
    QTest::newRow("impossible date") << 0 << 27 << QByteArray("31/02/2004 00:00:00");
    QTest::newRow("tab width not a number") << 0 << 38 << QByteArray("wide");
    QTest::newRow("empty file") << 0 << 0 << QByteArray("empty");
}

void TestPreferences::damagedFileKeepsTheEarlierLines() {
    QFETCH(int, cutAfter);
    QFETCH(int, badLine);
    QFETCH(QByteArray, bad);
    TempApp writer;
    distinctive(writer.ctx.settings, writer.clock.moment.date());
    const QList<Value> changed = saved(writer.ctx.settings);
    QVERIFY(writeUserPreferences(writer.ctx));
    QList<QByteArray> lines = fileLines(writer.read(UserDat));
    QCOMPARE(lines.size(), 61);
    int lastGood = 0;
    if (cutAfter > 0) {
        lines = lines.mid(0, cutAfter);
        lastGood = cutAfter;
    } else if (badLine > 0) {
        lines[badLine - 1] = bad + "\r";
        lastGood = badLine - 1;
    } else {
        lines.clear();
    }
    TempApp app;
    Settings& s = app.ctx.settings;
    const QList<Value> initial = saved(s);
    app.write(UserDat, joinLines(lines));

    const UserDatReading reading = readUserPreferences(app.ctx);
    QVERIFY(reading.found);
    QVERIFY(!reading.ok);
    QList<Value> expected;
    for (int i = 0; i < changed.size(); ++i)
        expected << (changed[i].line <= lastGood ? changed[i] : initial[i]);
    QCOMPARE(describe(saved(s)), describe(expected));
    QCOMPARE(reading.language.has_value(), lastGood >= 6);
    QCOMPARE(app.logLines().filter(QStringLiteral("ERR 29")).size(), 1);
    QCOMPARE(s.errorNumber, 29);
    QVERIFY(app.feedback.messages.isEmpty());
    QVERIFY(!s.fatalError);
}

void TestPreferences::placement_data() {
    QTest::addColumn<QByteArray>("lines8to12");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QRect>("rect");
    const QRect before(5, 6, 800, 600);
    QTest::newRow("true ignores the rectangle lines")
        << QByteArray("true\r\n\r\n\r\n\r\n\r\n") << true << before;
    QTest::newRow("true ignores even numbers there")
        << QByteArray("true\r\n1\r\n2\r\n3\r\n4\r\n") << true << before;
    QTest::newRow("false places the window")
        << QByteArray("false\r\n-8\r\n20\r\n1024\r\n700\r\n") << false << QRect(-8, 20, 1024, 700);
    QTest::newRow("TRUE is not true")
        << QByteArray("TRUE\r\n10\r\n20\r\n900\r\n650\r\n") << false << QRect(10, 20, 900, 650);
}

void TestPreferences::placement() {
    QFETCH(QByteArray, lines8to12);
    QFETCH(bool, maximised);
    QFETCH(QRect, rect);
    TempApp app;
    Settings& s = app.ctx.settings;
    QVERIFY(writeUserPreferences(app.ctx));
    QList<QByteArray> lines = fileLines(app.read(UserDat));
    const QList<QByteArray> replacement = fileLines(lines8to12);
    for (int i = 0; i < 5; ++i)
        lines[7 + i] = replacement[i];
    app.write(UserDat, joinLines(lines));
    s.startMaximised = !maximised;
    s.mainWindowRect = QRect(5, 6, 800, 600);

    QVERIFY(readUserPreferences(app.ctx).ok);
    QCOMPARE(s.startMaximised, maximised);
    QCOMPARE(s.mainWindowRect, rect);
}

void TestPreferences::editingBarWords_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("editingBar");
    QTest::newRow("true: always shown") << QByteArray("true") << 0;
    QTest::newRow("false: hidden") << QByteArray("false") << 1;
    QTest::newRow("auto: with the editor page") << QByteArray("auto") << 2;
    QTest::newRow("anything else: unchanged") << QByteArray("Auto") << 7;
}

void TestPreferences::editingBarWords() {
    QFETCH(QByteArray, word);
    QFETCH(int, editingBar);
    TempApp app;
    Settings& s = app.ctx.settings;
    QVERIFY(writeUserPreferences(app.ctx));
    QList<QByteArray> lines = fileLines(app.read(UserDat));
    lines[17] = word + "\r";
    app.write(UserDat, joinLines(lines));
    s.editingBar = 7;
    QVERIFY(readUserPreferences(app.ctx).ok);
    QCOMPARE(s.editingBar, editingBar);
    if (editingBar != 7) {
        QVERIFY(writeUserPreferences(app.ctx));
        QCOMPARE(fileLines(app.read(UserDat))[17], word + "\r");
    }
}

void TestPreferences::periodMovesToEndToday_data() {
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<int>("length");
    QTest::newRow("March 2004") << QByteArray("01/03/2004 00:00:00")
                                << QByteArray("31/03/2004 00:00:00") << 30;
    QTest::newRow("with times of day")
        << QByteArray("01/03/2004 23:10:00") << QByteArray("31/03/2004 01:00:00") << 30;
    QTest::newRow("one day") << QByteArray("10/10/2010 00:00:00")
                             << QByteArray("10/10/2010 00:00:00") << 0;
    QTest::newRow("start after end")
        << QByteArray("31/03/2004 00:00:00") << QByteArray("01/03/2004 00:00:00") << 30;
}

void TestPreferences::periodMovesToEndToday() {
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, end);
    QFETCH(int, length);
    TempApp app;
    Settings& s = app.ctx.settings;
    QVERIFY(writeUserPreferences(app.ctx));
    QList<QByteArray> lines = fileLines(app.read(UserDat));
    lines[26] = start + "\r";
    lines[27] = end + "\r";
    app.write(UserDat, joinLines(lines));
    QVERIFY(readUserPreferences(app.ctx).ok);
    const QDate today = app.clock.moment.date();
    QCOMPARE(s.periodEnd, today);
    QCOMPARE(s.periodStart, today.addDays(-length));
}

void TestPreferences::systemColoursKeepTheCurrentOnes() {
    TempApp app;
    Settings& s = app.ctx.settings;
    QVERIFY(writeUserPreferences(app.ctx));
    QList<QByteArray> lines = fileLines(app.read(UserDat));
    lines[24] = "-2147483633\r"; // the button face of the system
    lines[58] = "-2147483629\r"; // the inactive caption text
    app.write(UserDat, joinLines(lines));
    const QColor window = s.windowColour;
    const QColor background = s.chronoBackground;
    QVERIFY(readUserPreferences(app.ctx).ok);
    QCOMPARE(s.windowColour, window);
    QVERIFY(!s.windowColourSaved);
    QCOMPARE(s.chronoBackground, background);
}

void TestPreferences::missingFileChangesNothing() {
    TempApp app;
    Settings& s = app.ctx.settings;
    distinctive(s, app.clock.moment.date());
    const QStringList before = describe(saved(s));
    const UserDatReading reading = readUserPreferences(app.ctx);
    QVERIFY(!reading.found);
    QVERIFY(reading.ok);
    QVERIFY(!reading.language);
    QCOMPARE(describe(saved(s)), before);
    QVERIFY(app.logLines().filter(QStringLiteral("ERR")).isEmpty());
}

void TestPreferences::writeFailureIsLoggedOnly_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::addColumn<QString>("userName");
    QTest::newRow("user.dat is a folder") << true << QStringLiteral("Ana");
    QTest::newRow("a name Windows-1252 cannot hold") << false << QStringLiteral("Ana 日本");
}

void TestPreferences::writeFailureIsLoggedOnly() {
    QFETCH(bool, folderInTheWay);
    QFETCH(QString, userName);
    TempApp app;
    Settings& s = app.ctx.settings;
    if (folderInTheWay) {
        QVERIFY(QDir(app.dir.path()).mkdir(UserDat));
    } else {
        QVERIFY(writeUserPreferences(app.ctx));
    }
    const QByteArray before = app.read(UserDat);
    s.userName = userName;
    s.eventsEnabled = 1;

    QVERIFY(!writeUserPreferences(app.ctx));
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 30")));
    QCOMPARE(s.errorNumber, 30);
    QVERIFY(app.feedback.messages.isEmpty());
    QCOMPARE(app.feedback.terminateRequests, 0);
    QVERIFY(!s.fatalError);
    QCOMPARE(s.eventsEnabled, quint8(1));
    QCOMPARE(app.read(UserDat), before);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
