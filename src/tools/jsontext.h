#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <utility>
#include <vector>

namespace tessera::tool {

// JSON written by hand so that keys keep the order a reader expects (QJsonObject sorts them).
QByteArray jsonString(const QString& text);
QByteArray jsonScalar(const QJsonValue& value);

using JsonMember = std::pair<QString, QByteArray>; // key, JSON text of the value
// {"key": value, ...} on one line, or one member per line with the given indent.
QByteArray jsonObject(const std::vector<JsonMember>& members, int indent = -1);

// The line of a byte offset into text, from 1.
int lineOfOffset(const QByteArray& text, qsizetype offset);

} // namespace tessera::tool
