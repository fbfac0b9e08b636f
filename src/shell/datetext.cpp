#include "shell/datetext.h"

#include <cmath>

namespace tessera {

namespace {
const QDate Epoch(1899, 12, 30);
constexpr double MsPerDay = 86400000.0;

std::optional<int> number(const QString& piece) {
    bool ok = false;
    const int value = piece.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}
} // namespace

QString dateText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QString dateOnlyText(const QDate& day) {
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

std::optional<QDateTime> parseDateText(const QString& text) {
    const int slash1 = text.indexOf(QLatin1Char('/'));
    const int slash2 = slash1 < 0 ? -1 : text.indexOf(QLatin1Char('/'), slash1 + 1);
    if (slash2 < 0) return std::nullopt;
    const int blank = text.indexOf(QLatin1Char(' '), slash2 + 1);
    if (blank < 0) return std::nullopt;
    const int colon1 = text.indexOf(QLatin1Char(':'), blank + 1);
    const int colon2 = colon1 < 0 ? -1 : text.indexOf(QLatin1Char(':'), colon1 + 1);
    if (colon2 < 0) return std::nullopt;

    const auto day = number(text.mid(0, slash1));
    const auto month = number(text.mid(slash1 + 1, slash2 - slash1 - 1));
    const auto year = number(text.mid(slash2 + 1, blank - slash2 - 1));
    const auto hour = number(text.mid(blank + 1, colon1 - blank - 1));
    const auto minute = number(text.mid(colon1 + 1, colon2 - colon1 - 1));
    const auto second = number(text.mid(colon2 + 1));
    if (!day || !month || !year || !hour || !minute || !second) return std::nullopt;

    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, *second);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return QDateTime(date, time);
}

double toDayCount(const QDateTime& moment) {
    const double days = static_cast<double>(Epoch.daysTo(moment.date()));
    return days + moment.time().msecsSinceStartOfDay() / MsPerDay;
}

QDateTime fromDayCount(double days) {
    const double whole = std::floor(days);
    // Rounded to the millisecond so that a stored time reads back to the same second.
    const qint64 ms = std::llround((days - whole) * MsPerDay);
    return QDateTime(Epoch.addDays(static_cast<qint64>(whole)), QTime(0, 0)).addMSecs(ms);
}

} // namespace tessera
