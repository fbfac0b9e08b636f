#pragma once

#include "bookfiles/bookheader.h"

#include <QFile>
#include <QString>
#include <memory>
#include <optional>

namespace tessera::tool {

// A .tsb container opened for reading by the tool: its header, unscrambled,
// with the member table checked against the file.
class BookReader {
public:
    // Empty with a message naming the file when it cannot be read, is not a
    // book of this format, or is truncated.
    static std::unique_ptr<BookReader> open(const QString& path, QString& error);

    const BookHeader& header() const { return header_; }
    qint64 size() const { return size_; }
    const QString& path() const { return path_; }
    // The bytes of member m; empty optional when the file cannot be read.
    std::optional<QByteArray> member(int m);

private:
    BookReader(const QString& path, const BookHeader& header, qint64 size);
    QFile file_;
    QString path_;
    BookHeader header_;
    qint64 size_ = 0;
};

// Reads just the header block; a message when the file is shorter than that.
std::optional<BookHeader> readHeader(QFile& file, const QString& path, QString& error);

} // namespace tessera::tool
