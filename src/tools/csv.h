#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace tessera::tool {

// RFC 4180 text: fields separated by commas, records by CR LF (a lone LF is
// accepted on reading); a field holding a comma, quote or line break is quoted
// with its quotes doubled.
struct CsvRow {
    int line = 0; // the line the record starts on, from 1
    QStringList fields;
};

// Empty rows are skipped. On malformed input returns false with a message
// that names the line.
bool parseCsv(const QString& text, std::vector<CsvRow>& rows, QString& error);
QByteArray csvLine(const QStringList& fields);

} // namespace tessera::tool
