#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace tessera {

// "dd/mm/yyyy hh:nn:ss" and "dd/mm/yyyy".
QString dateText(const QDateTime& moment);
QString dateOnlyText(const QDate& day);
// The inverse of dateText: split at the two "/", the blank after them and the
// two ":" after that; empty when a piece is not a number or the date does not exist.
std::optional<QDateTime> parseDateText(const QString& text);

// Date/time as stored in the binary files: days since 1899-12-30, the fraction
// being the time of day.
double toDayCount(const QDateTime& moment);
QDateTime fromDayCount(double days);

} // namespace tessera
