#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tessera {

// Text files of the program: Windows-1252, lines ended by CR LF (a lone LF is
// accepted on reading). Empty optional when the file cannot be read.
std::optional<QStringList> readTextLines(const QString& path);
// Written as a twin and renamed into place. False on failure, including a
// character that Windows-1252 cannot hold.
bool writeTextLines(const QString& path, const QStringList& lines);

// Writes the whole content beside the file and renames it into place, so the
// file holds either its old or its new content, never a part.
bool writeFileWhole(const QString& path, const QByteArray& content);

// A flag in a text file: "true" or "false"; only the exact text "true" reads as true.
inline QString flagText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
inline bool textFlag(const QString& text) {
    return text == QLatin1String("true");
}

} // namespace tessera
