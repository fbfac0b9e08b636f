#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessera {

// The one converter between QString and the Windows-1252 bytes of every file
// the program reads and writes.
QString fromCp1252(const QByteArray& bytes);
// Empty optional when a character has no Windows-1252 byte: the caller reports it.
std::optional<QByteArray> toCp1252(const QString& text);
// For texts the program itself composes (log lines): unmappable characters become "?".
QByteArray toCp1252Lossy(const QString& text);
bool isCp1252(const QString& text);

} // namespace tessera
