#include "shell/textfile.h"

#include "shell/codepage.h"

#include <QFile>
#include <QSaveFile>

namespace tessera {

std::optional<QStringList> readTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    QStringList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0) end = content.size();
        QByteArray line = content.mid(start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        lines << fromCp1252(line);
        start = end + 1;
    }
    return lines;
}

bool writeTextLines(const QString& path, const QStringList& lines) {
    QByteArray content;
    for (const QString& line : lines) {
        const auto bytes = toCp1252(line);
        if (!bytes) return false;
        content += *bytes;
        content += "\r\n";
    }
    return writeFileWhole(path, content);
}

bool writeFileWhole(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tessera
