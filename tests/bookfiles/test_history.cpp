#include "bookfiles/activity.h"
#include "bookfiles/history.h"
#include "shell/datetext.h"
#include "support/tempapp.h"

#include <QtEndian>
#include <QtTest>
#include <cstring>

using namespace tessera;
using namespace tessera::test;

namespace {
void putI32(QByteArray& bytes, int offset, qint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

void putF64(QByteArray& bytes, int offset, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    qToLittleEndian(bits, bytes.data() + offset);
}

qint32 i32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

double f64At(const QByteArray& bytes, int offset) {
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + offset);
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

double dayNumber(const QDate& date) {
    return double(QDate(1899, 12, 30).daysTo(date));
}

// A day record laid out by hand.
QByteArray dayFixture(const QDate& date, qint32 answers, qint32 right, double studyDays = 0,
                      qint32 added = 0) {
    QByteArray r(64, '\0');
    putF64(r, 0, dayNumber(date));
    putI32(r, 8, answers);
    putI32(r, 12, right);
    putI32(r, 16, answers ? right * 100 / answers : 0);
    putF64(r, 24, 12.5);
    putI32(r, 40, 2);
    putI32(r, 44, -1);
    putI32(r, 48, added);
    putF64(r, 56, studyDays);
    return r;
}

QList<QByteArray> records(const QByteArray& file) {
    QList<QByteArray> result;
    for (int at = 0; at + 64 <= file.size(); at += 64)
        result << file.mid(at, 64);
    return result;
}

SessionCounters answered(int answers, int right) {
    SessionCounters s;
    s.answers = answers;
    s.rightAnswers = right;
    return s;
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void dayRecordFixtureAndRoundTrip();
    void twoSessionsOnOneDayMerge();
    void sessionsOnDifferentDaysAppend_data();
    void sessionsOnDifferentDaysAppend();
    void anEmptySessionChangesNothing();
    void loadFillsTheTableAndRunningTotals();
    void loadIgnoresDaysOutsideTheTable_data();
    void loadIgnoresDaysOutsideTheTable();
    void missingHistoryIsError32();
    void clearHistoryEmptiesFileAndTable();
    void activityRecordFixtureAndAppend();
    void activityTextThatDoesNotFitIsNotWritten();
};

void TestHistory::dayRecordFixtureAndRoundTrip() {
    const QByteArray fixture = dayFixture(QDate(2026, 12, 10), 40, 30, 0.25, 3);
    const DayRecord r = decodeDayRecord(fixture);
    QCOMPARE(r.day, dayNumber(QDate(2026, 12, 10)));
    QCOMPARE(r.answers, 40);
    QCOMPARE(r.rightAnswers, 30);
    QCOMPARE(r.percentage, 75);
    QCOMPARE(r.averageAge, 12.5);
    QCOMPARE(r.basicChange, 2);
    QCOMPARE(r.extendedChange, -1);
    QCOMPARE(r.recordsAdded, 3);
    QCOMPARE(r.studyTime, 0.25);
    QCOMPARE(encodeDayRecord(r), fixture);
}

void TestHistory::twoSessionsOnOneDayMerge() {
    TempApp app; // the clock says 11/12/2026 10:30
    app.write(QStringLiteral("historic.db"), dayFixture(QDate(2026, 12, 1), 5, 5));
    SessionCounters first = answered(3, 1);
    first.basicChange = 1;
    first.studyTime = 0.01;
    QVERIFY(appendSession(app.ctx, first, 4.0));
    SessionCounters second = answered(7, 6);
    second.basicChange = 2;
    second.recordsAdded = -1;
    second.studyTime = 0.02;
    QVERIFY(appendSession(app.ctx, second, 6.5));

    const QList<QByteArray> days = records(app.read(QStringLiteral("historic.db")));
    QCOMPARE(days.size(), 2);
    QCOMPARE(days[0], dayFixture(QDate(2026, 12, 1), 5, 5));
    const QByteArray& today = days[1];
    QCOMPARE(f64At(today, 0), dayNumber(QDate(2026, 12, 11)));
    QCOMPARE(i32At(today, 8), 10);
    QCOMPARE(i32At(today, 12), 7);
    QCOMPARE(i32At(today, 16), 70);  // from the sums, not the mean of 33 and 85
    QCOMPARE(f64At(today, 24), 6.5); // the latest average age
    QCOMPARE(i32At(today, 40), 3);
    QCOMPARE(i32At(today, 48), -1);
    QVERIFY(qAbs(f64At(today, 56) - 0.03) < 1e-12);
}

void TestHistory::sessionsOnDifferentDaysAppend_data() {
    QTest::addColumn<QTime>("lastEnded");
    QTest::addColumn<bool>("studyTimeOnly");
    QTest::newRow("a study-time-only session is kept") << QTime(9, 0) << true;
    QTest::newRow("just after midnight starts a new day") << QTime(23, 58) << false;
}

void TestHistory::sessionsOnDifferentDaysAppend() {
    QFETCH(QTime, lastEnded);
    QFETCH(bool, studyTimeOnly);
    TempApp app;
    app.clock.moment = QDateTime(QDate(2026, 12, 10), lastEnded);
    QVERIFY(appendSession(app.ctx, answered(2, 1), 1.0));
    app.clock.moment = QDateTime(QDate(2026, 12, 11), QTime(0, 3));
    SessionCounters session = studyTimeOnly ? SessionCounters{} : answered(4, 4);
    if (studyTimeOnly) session.studyTime = 0.5;
    QVERIFY(appendSession(app.ctx, session, 2.0));
    const QList<QByteArray> days = records(app.read(QStringLiteral("historic.db")));
    QCOMPARE(days.size(), 2);
    QCOMPARE(f64At(days[1], 0), dayNumber(QDate(2026, 12, 11)));
    QCOMPARE(i32At(days[1], 8), studyTimeOnly ? 0 : 4);
    QCOMPARE(i32At(days[1], 16), studyTimeOnly ? 0 : 100);
    QCOMPARE(f64At(days[1], 56), studyTimeOnly ? 0.5 : 0.0);
    QCOMPARE(i32At(days[0], 8), 2);
}

void TestHistory::anEmptySessionChangesNothing() {
    TempApp app;
    const QByteArray before = dayFixture(QDate(2026, 12, 11), 1, 1);
    app.write(QStringLiteral("historic.db"), before);
    QVERIFY(appendSession(app.ctx, SessionCounters{}, 99.0));
    QCOMPARE(app.read(QStringLiteral("historic.db")), before);
}

void TestHistory::loadFillsTheTableAndRunningTotals() {
    TempApp app; // today is 11/12/2026
    const QByteArray file = dayFixture(QDate(2003, 1, 1), 4, 2, 1.0 / 24) +
                            dayFixture(QDate(2003, 1, 3), 10, 5, 0.5) +
                            dayFixture(QDate(2026, 12, 11), 6, 6) +
                            dayFixture(QDate(2026, 12, 20), 8, 8);           // after today
    app.write(QStringLiteral("historic.db"), file + QByteArray(10, '\x7F')); // a torn tail
    DailyHistory table;
    QVERIFY(loadHistory(app.ctx, table));

    const DayEntry& first = table.entry(0);
    QCOMPARE(first.answers, 4);
    QCOMPARE(first.answersTotal, 4); // the first day counts in its own total
    QCOMPARE(first.studyMinutes, 60);
    QCOMPARE(first.averageAge, 12.5);
    QCOMPARE(first.basicChange, 2);
    QCOMPARE(first.basicChangeTotal, 2);
    const DayEntry& third = table.entry(2);
    QCOMPARE(third.answersTotal, 14);
    QCOMPARE(third.rightAnswersTotal, 7);
    QCOMPARE(third.percentageTotal, 100);
    QCOMPARE(third.studyMinutes, 720);
    QCOMPARE(third.studyMinutesTotal, 780);
    QCOMPARE(third.extendedChangeTotal, -2);
    QCOMPARE(table.entry(1).answersTotal, 4); // a day without study carries the total on
    const int today = DailyHistory::indexOf(QDate(2026, 12, 11));
    QCOMPARE(table.entry(today).answers, 6);
    QCOMPARE(table.entry(today).answersTotal, 20);
    const int later = DailyHistory::indexOf(QDate(2026, 12, 20));
    QCOMPARE(table.entry(later).answers, 8);
    QCOMPARE(table.entry(later).answersTotal, 0); // totals stop at today
    QCOMPARE(table.entry(today + 1).answersTotal, 0);
}

void TestHistory::loadIgnoresDaysOutsideTheTable_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("kept");
    QTest::newRow("before 2003") << QDate(2002, 12, 31) << false;
    QTest::newRow("first day") << QDate(2003, 1, 1) << true;
    QTest::newRow("2026, long after the old end of 2022") << QDate(2026, 3, 4) << true;
    QTest::newRow("after 2099") << QDate(2100, 1, 1) << false;
}

void TestHistory::loadIgnoresDaysOutsideTheTable() {
    QFETCH(QDate, date);
    QFETCH(bool, kept);
    TempApp app;
    app.clock.moment = QDateTime(QDate(2101, 1, 1), QTime(12, 0));
    app.write(QStringLiteral("historic.db"), dayFixture(date, 9, 3));
    DailyHistory table;
    QVERIFY(loadHistory(app.ctx, table));
    int answers = 0;
    for (int k = 0; k < DailyHistory::dayCount(); ++k)
        answers += table.entry(k).answers;
    QCOMPARE(answers, kept ? 9 : 0);
    QCOMPARE(table.entry(DailyHistory::dayCount() - 1).answersTotal, kept ? 9 : 0);
    if (kept) QCOMPARE(table.entry(DailyHistory::indexOf(date)).answers, 9);
}

void TestHistory::missingHistoryIsError32() {
    TempApp app;
    DailyHistory table;
    QVERIFY(!loadHistory(app.ctx, table));
    QCOMPARE(app.ctx.settings.errorNumber, 32);
    QCOMPARE(app.feedback.messages.last().text, QStringLiteral("E1: 32"));
}

void TestHistory::clearHistoryEmptiesFileAndTable() {
    TempApp app;
    app.write(QStringLiteral("historic.db"), dayFixture(QDate(2026, 12, 1), 5, 5));
    DailyHistory table;
    QVERIFY(loadHistory(app.ctx, table));
    QVERIFY(clearHistory(app.ctx, table));
    QCOMPARE(app.read(QStringLiteral("historic.db")), QByteArray());
    QCOMPARE(table.entry(DailyHistory::indexOf(QDate(2026, 12, 1))).answers, 0);
    QVERIFY(!app.ctx.settings.fatalError);
}

void TestHistory::activityRecordFixtureAndAppend() {
    QByteArray fixture(40, '\0');
    fixture[0] = 0;
    putI32(fixture, 4, 12);
    putI32(fixture, 8, 345);
    fixture[12] = 7;
    fixture[13] = 10;
    fixture.replace(14, 10, "++=-0123__");
    fixture[24] = 1;
    fixture[25] = 4;
    putF64(fixture, 32, 46000.75);
    const ActivityRecord answer = decodeActivity(fixture);
    QCOMPARE(answer.kind, ActivityKind::Answer);
    QCOMPARE(answer.book, 12);
    QCOMPARE(answer.record, 345);
    QCOMPARE(answer.level, quint8(7));
    QCOMPARE(answer.text, QStringLiteral("++=-0123__"));
    QCOMPARE(answer.right, true);
    QCOMPARE(answer.option, quint8(4));
    QCOMPARE(answer.moment, 46000.75);
    QCOMPARE(encodeActivity(answer), fixture);

    TempApp app;
    app.write(QStringLiteral("stat.dat"), fixture + QByteArray("torn", 4));
    ActivityFile file;
    QVERIFY(file.open(app.path(QStringLiteral("stat.dat"))));
    ActivityRecord login;
    login.kind = ActivityKind::Login;
    login.text = QStringLiteral("0123456789");
    login.moment = 46001.0;
    QVERIFY(file.append(login));
    file.close();
    const QByteArray written = app.read(QStringLiteral("stat.dat"));
    QCOMPARE(written.size(), 80);
    QCOMPARE(written.left(40), fixture);
    QCOMPARE(decodeActivity(written.mid(40)), login);
    QCOMPARE(quint8(written[40]), quint8(1));
}

void TestHistory::activityTextThatDoesNotFitIsNotWritten() {
    TempApp app;
    ActivityFile file;
    QVERIFY(file.open(app.path(QStringLiteral("stat.dat"))));
    ActivityRecord r;
    r.text = QStringLiteral("01234567890");
    QVERIFY(!file.append(r));
    file.close();
    QCOMPARE(app.read(QStringLiteral("stat.dat")), QByteArray());
    QVERIFY(!ActivityFile().append(ActivityRecord{})); // not open
}

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
