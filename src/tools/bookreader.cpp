#include "tools/bookreader.h"

namespace tessera::tool {

std::optional<BookHeader> readHeader(QFile& file, const QString& path, QString& error) {
    const QByteArray block = file.read(hdr::BlockSize);
    if (block.size() < hdr::BlockSize) {
        error = QStringLiteral("%1: truncated container: %2 bytes, shorter than the 2048-byte "
                               "header")
                    .arg(path)
                    .arg(file.size());
        return std::nullopt;
    }
    return decodeHeader(block);
}

BookReader::BookReader(const QString& path, const BookHeader& header, qint64 size)
    : file_(path), path_(path), header_(header), size_(size) {}

std::unique_ptr<BookReader> BookReader::open(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return nullptr;
    }
    const auto header = readHeader(file, path, error);
    if (!header) return nullptr;
    if (header->magic != MagicText) {
        error = QStringLiteral("%1: not a Tessera book: its header reads \"%2\" where \"%3\" "
                               "belongs")
                    .arg(path, header->magic, MagicText);
        return nullptr;
    }
    if (!layoutReadable(*header, file.size())) {
        error = QStringLiteral("%1: damaged container: %2")
                    .arg(path, layoutProblems(*header, file.size()).join(QStringLiteral("; ")));
        return nullptr;
    }
    std::unique_ptr<BookReader> reader(new BookReader(path, *header, file.size()));
    if (!reader->file_.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot open: %2").arg(path, reader->file_.errorString());
        return nullptr;
    }
    return reader;
}

std::optional<QByteArray> BookReader::member(int m) {
    const qint64 length = header_.members[m].length;
    if (!file_.seek(memberOffset(header_.members, m))) return std::nullopt;
    QByteArray bytes = file_.read(length);
    if (bytes.size() != length) return std::nullopt;
    return bytes;
}

} // namespace tessera::tool
