#include "bookfiles/history.h"

#include "bookfiles/binaryfield.h"
#include "shell/context.h"
#include "shell/errors.h"
#include "shell/textfile.h"

#include <QFile>
#include <cmath>

namespace tessera {

namespace {
const QDate DayCountEpoch(1899, 12, 30);

// Sums that a damaged file could push past 32 bits wrap as the stored integers do.
qint32 add32(qint32 a, qint32 b) {
    return static_cast<qint32>(static_cast<quint32>(a) + static_cast<quint32>(b));
}

std::optional<QByteArray> readWhole(const QString& path) {
    QFile file(path);
    if (!file.exists()) return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return content;
}

std::vector<DayRecord> decodeDays(const QByteArray& content) {
    std::vector<DayRecord> records;
    for (qsizetype at = 0; at + day::Size <= content.size(); at += day::Size)
        records.push_back(decodeDayRecord(content.mid(at, day::Size)));
    return records;
}

DayRecord sessionRecord(const SessionCounters& session, double averageAge, const QDate& today) {
    DayRecord record;
    record.day = static_cast<double>(DayCountEpoch.daysTo(today));
    record.answers = session.answers;
    record.rightAnswers = session.rightAnswers;
    record.percentage = percentageOf(session.answers, session.rightAnswers);
    record.averageAge = averageAge;
    record.basicChange = session.basicChange;
    record.extendedChange = session.extendedChange;
    record.recordsAdded = session.recordsAdded;
    record.studyTime = session.studyTime;
    return record;
}

DayRecord mergedDay(const DayRecord& last, const DayRecord& session) {
    DayRecord merged = last;
    merged.answers = add32(merged.answers, session.answers);
    merged.rightAnswers = add32(merged.rightAnswers, session.rightAnswers);
    merged.percentage = percentageOf(merged.answers, merged.rightAnswers);
    merged.averageAge = session.averageAge;
    merged.basicChange = add32(merged.basicChange, session.basicChange);
    merged.extendedChange = add32(merged.extendedChange, session.extendedChange);
    merged.recordsAdded = add32(merged.recordsAdded, session.recordsAdded);
    merged.studyTime += session.studyTime;
    return merged;
}

bool sameDay(double a, double b) {
    return std::isfinite(a) && std::isfinite(b) && std::trunc(a) == std::trunc(b);
}


// Running totals: each field's total adds the day's value to the day before's.
struct TotalField {
    qint32 DayEntry::*value;
    qint32 DayEntry::*total;
};
constexpr std::array<TotalField, 7> Totals = {{
    {&DayEntry::answers, &DayEntry::answersTotal},
    {&DayEntry::rightAnswers, &DayEntry::rightAnswersTotal},
    {&DayEntry::percentage, &DayEntry::percentageTotal},
    {&DayEntry::basicChange, &DayEntry::basicChangeTotal},
    {&DayEntry::extendedChange, &DayEntry::extendedChangeTotal},
    {&DayEntry::recordsAdded, &DayEntry::recordsAddedTotal},
    {&DayEntry::studyMinutes, &DayEntry::studyMinutesTotal},
}};
} // namespace

DayRecord decodeDayRecord(const QByteArray& image) {
    DayRecord r;
    r.day = bin::f64(image, day::Day);
    r.answers = bin::i32(image, day::Answers);
    r.rightAnswers = bin::i32(image, day::RightAnswers);
    r.percentage = bin::i32(image, day::Percentage);
    r.averageAge = bin::f64(image, day::AverageAge);
    r.reserved = image.mid(day::Reserved, day::ReservedSize);
    r.basicChange = bin::i32(image, day::BasicChange);
    r.extendedChange = bin::i32(image, day::ExtendedChange);
    r.recordsAdded = bin::i32(image, day::RecordsAdded);
    r.studyTime = bin::f64(image, day::StudyTime);
    return r;
}

QByteArray encodeDayRecord(const DayRecord& r) {
    QByteArray image(day::Size, '\0');
    bin::setF64(image, day::Day, r.day);
    bin::setI32(image, day::Answers, r.answers);
    bin::setI32(image, day::RightAnswers, r.rightAnswers);
    bin::setI32(image, day::Percentage, r.percentage);
    bin::setF64(image, day::AverageAge, r.averageAge);
    image.replace(day::Reserved, day::ReservedSize,
                  r.reserved.leftJustified(day::ReservedSize, '\0', true));
    bin::setI32(image, day::BasicChange, r.basicChange);
    bin::setI32(image, day::ExtendedChange, r.extendedChange);
    bin::setI32(image, day::RecordsAdded, r.recordsAdded);
    bin::setF64(image, day::StudyTime, r.studyTime);
    return image;
}

qint32 percentageOf(qint32 answers, qint32 right) {
    if (answers == 0) return 0;
    return static_cast<qint32>(qint64(right) * 100 / answers);
}

const QDate DailyHistory::FirstDay(2003, 1, 1);
const QDate DailyHistory::LastDay(2099, 12, 31);

int DailyHistory::dayCount() {
    return static_cast<int>(FirstDay.daysTo(LastDay)) + 1;
}

DailyHistory::DailyHistory() {
    clear();
}

void DailyHistory::clear() {
    entries_.assign(static_cast<size_t>(dayCount()), DayEntry{});
}

int DailyHistory::indexOf(const QDate& date) {
    if (!date.isValid() || date < FirstDay || date > LastDay) return -1;
    return static_cast<int>(FirstDay.daysTo(date));
}

void DailyHistory::fill(const std::vector<DayRecord>& records, const QDate& today) {
    for (const DayRecord& record : records)
        store(record);
    accumulate(today);
}

void DailyHistory::store(const DayRecord& record) {
    if (!std::isfinite(record.day)) return;
    const double k = std::trunc(record.day) - DayCountEpoch.daysTo(FirstDay);
    if (k < 0 || k >= dayCount()) return;
    DayEntry& e = entries_[static_cast<size_t>(k)];
    e.answers = record.answers;
    e.rightAnswers = record.rightAnswers;
    e.percentage = record.percentage;
    e.averageAge = record.averageAge;
    e.reserved = record.reserved;
    e.basicChange = record.basicChange;
    e.extendedChange = record.extendedChange;
    e.recordsAdded = record.recordsAdded;
    const double minutes = record.studyTime * 24 * 60;
    e.studyMinutes = std::isfinite(minutes) && std::abs(minutes) < 2e9
                         ? static_cast<qint32>(std::trunc(minutes))
                         : 0;
}

void DailyHistory::accumulate(const QDate& today) {
    const int last = std::min(dayCount() - 1, static_cast<int>(FirstDay.daysTo(today)));
    for (int k = 0; k <= last; ++k) {
        DayEntry& e = entries_[static_cast<size_t>(k)];
        for (const TotalField& f : Totals) {
            const qint32 before = k > 0 ? entries_[static_cast<size_t>(k - 1)].*f.total : 0;
            e.*f.total = add32(e.*f.value, before);
        }
    }
}

QString historyFilePath(Context& ctx) {
    return ctx.appFile(QStringLiteral("historic.db"));
}

bool loadHistory(Context& ctx, DailyHistory& table) {
    if (ctx.settings.fatalError) return false;
    table.clear();
    QFile file(historyFilePath(ctx));
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(ctx, err::History);
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reportError(ctx, err::History);
        return false;
    }
    table.fill(decodeDays(content), ctx.clock().now().date());
    return true;
}

bool appendSession(Context& ctx, const SessionCounters& session, double averageAge) {
    if (ctx.settings.fatalError) return false;
    if (session.isEmpty()) return true;
    const DayRecord today = sessionRecord(session, averageAge, ctx.clock().now().date());
    const QString path = historyFilePath(ctx);
    const auto content = readWhole(path);
    if (!content) {
        reportError(ctx, err::HistoryFile);
        return false;
    }
    // Whole records only: a torn tail is not a day.
    QByteArray updated = content->left(content->size() / day::Size * day::Size);
    if (!updated.isEmpty() && sameDay(decodeDayRecord(updated.right(day::Size)).day, today.day)) {
        const DayRecord merged = mergedDay(decodeDayRecord(updated.right(day::Size)), today);
        updated.chop(day::Size);
        updated += encodeDayRecord(merged);
    } else {
        updated += encodeDayRecord(today);
    }
    ctx.delay(100);
    if (!writeFileWhole(path, updated)) {
        reportError(ctx, err::HistoryFile);
        return false;
    }
    ctx.delay(50);
    return true;
}

bool clearHistory(Context& ctx, DailyHistory& table) {
    if (ctx.settings.fatalError) return false;
    table.clear();
    QFile file(historyFilePath(ctx));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        reportError(ctx, err::ResetStatistics);
        return false;
    }
    return true;
}

} // namespace tessera
