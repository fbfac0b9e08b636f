#pragma once

// Book containers and library files for the library tests.

#include "bookfiles/container.h"
#include "library/library.h"
#include "shell/paths.h"
#include "support/tempapp.h"

#include <QDir>
#include <QFile>

namespace tessera::test {

// A small but whole container at the relative path, its thumbnail the installed image_p.bmp.
inline bool makeBook(const TempApp& app, const QString& relativePath) {
    const QString sources = app.path(QStringLiteral("book-sources/"));
    QDir().mkpath(sources);
    ContainerWrite request;
    request.destination = app.path(relativePath);
    QDir().mkpath(QFileInfo(request.destination).absolutePath());
    for (int m = 0; m < hdr::MemberCount; ++m) {
        request.sources[m] = sources + QString::number(m);
        app.write(QStringLiteral("book-sources/") + QString::number(m),
                  QByteArray(16 + m, char('a' + m)));
    }
    request.sources[Thumbnail] = QStringLiteral(TESSERA_DATA_DIR "/image_p.bmp");
    return writeContainer(request).ok();
}

// The folder of the books, as the book list holds it.
inline QString bookFolder(const TempApp& app, const QString& relative = QStringLiteral("books")) {
    return subdirectory(QDir::toNativeSeparators(app.dir.path()), relative);
}

inline QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace tessera::test
