#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

namespace tessera {

class Context;

// One day of historic.db: 64 bytes, oldest first, one record per calendar day.
namespace day {
constexpr int Size = 64;
constexpr int Day = 0;
constexpr int Answers = 8;
constexpr int RightAnswers = 12;
constexpr int Percentage = 16;
constexpr int AverageAge = 24;
constexpr int Reserved = 32, ReservedSize = 8;
constexpr int BasicChange = 40;
constexpr int ExtendedChange = 44;
constexpr int RecordsAdded = 48;
constexpr int StudyTime = 56;
} // namespace day

struct DayRecord {
    double day = 0; // whole days since 1899-12-30
    qint32 answers = 0;
    qint32 rightAnswers = 0;
    qint32 percentage = 0;
    double averageAge = 0;
    QByteArray reserved = QByteArray(day::ReservedSize, '\0');
    qint32 basicChange = 0;
    qint32 extendedChange = 0;
    qint32 recordsAdded = 0;
    double studyTime = 0; // days

    bool operator==(const DayRecord&) const = default;
};

DayRecord decodeDayRecord(const QByteArray& image);
QByteArray encodeDayRecord(const DayRecord& record);
// right x 100 div answers; 0 without answers.
qint32 percentageOf(qint32 answers, qint32 right);

// What the open book's session has done so far; the history keeps it when the
// book is closed, and the record operations count additions and vocabulary.
struct SessionCounters {
    qint32 answers = 0;
    qint32 rightAnswers = 0;
    qint32 basicChange = 0;
    qint32 extendedChange = 0;
    qint32 recordsAdded = 0;
    double studyTime = 0; // days, from the chronometer

    bool isEmpty() const {
        return answers == 0 && recordsAdded == 0 && studyTime == 0 && basicChange == 0 &&
               extendedChange == 0;
    }
};

// A day of the statistics: the day's values and their running totals.
struct DayEntry {
    qint32 answers = 0, answersTotal = 0;
    qint32 rightAnswers = 0, rightAnswersTotal = 0;
    qint32 percentage = 0, percentageTotal = 0;
    double averageAge = 0;
    QByteArray reserved;
    qint32 basicChange = 0, basicChangeTotal = 0;
    qint32 extendedChange = 0, extendedChangeTotal = 0;
    qint32 recordsAdded = 0, recordsAddedTotal = 0;
    qint32 studyMinutes = 0, studyMinutesTotal = 0;
};

// The daily table of the open book, one entry per calendar day from
// 1 January 2003. It reaches to the end of 2099: a table that ended in 2022
// would leave every session of later years out of the statistics.
class DailyHistory {
public:
    static const QDate FirstDay;
    static const QDate LastDay;
    static int dayCount();

    DailyHistory();
    void clear();
    // Entry for a day; the index is days since FirstDay.
    const DayEntry& entry(int k) const { return entries_[static_cast<size_t>(k)]; }
    DayEntry& entry(int k) { return entries_[static_cast<size_t>(k)]; }
    static int indexOf(const QDate& date); // -1 outside the table
    static QDate dateOf(int k) { return FirstDay.addDays(k); }

    // Stores the records (ignoring days outside the table), then the running
    // totals of every day up to today; later days keep totals of 0.
    void fill(const std::vector<DayRecord>& records, const QDate& today);

private:
    void store(const DayRecord& record);
    void accumulate(const QDate& today);
    std::vector<DayEntry> entries_;
};

// historic.db of the open book (application directory).
QString historyFilePath(Context& ctx);

// Reads historic.db into the table; error 32 when it cannot be read. A partial
// record at the end of the file is left out.
bool loadHistory(Context& ctx, DailyHistory& table);
// Merges the session into historic.db: today's record grows, or a record for
// today is added. Nothing happens for a session that did nothing. Error 58.
bool appendSession(Context& ctx, const SessionCounters& session, double averageAge);
// Empties historic.db and the table; error 40.
bool clearHistory(Context& ctx, DailyHistory& table);

} // namespace tessera
