#include "bookfiles/container.h"

#include "bookfiles/progressscope.h"
#include "shell/codepage.h"
#include "shell/context.h"
#include "shell/errors.h"
#include "shell/filecopy.h"
#include "shell/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tessera {

namespace {
// Members move in runs of 512 blocks; the progress still counts blocks.
constexpr qint64 ChunkSize = 512 * hdr::BlockSize;

// The codes of the working files that cannot be deleted, in member order
// (historic.db has the code after paramdb.dat's).
constexpr std::array<int, hdr::MemberCount> DeleteCodes = {
    err::DeleteWorkingFirst,     err::DeleteWorkingFirst + 1, err::DeleteWorkingFirst + 3,
    err::DeleteWorkingFirst + 2, err::DeleteWorkingFirst + 4, err::DeleteWorkingFirst + 5,
    err::DeleteWorkingFirst + 6};

// The new container on its way out, with the seam that lets a test cut it off.
class GatedOutput {
public:
    GatedOutput(QFileDevice& file, qint64 limit) : file_(file), limit_(limit) {}
    bool write(const char* data, qint64 size) {
        qint64 allowed = size;
        if (limit_ >= 0) allowed = std::min(size, std::max<qint64>(0, limit_ - written_));
        const qint64 out = allowed > 0 ? file_.write(data, allowed) : 0;
        if (out > 0) written_ += out;
        return out == size;
    }
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }

private:
    QFileDevice& file_;
    qint64 limit_;
    qint64 written_ = 0;
};

qint64 totalBlocks(const BookHeader& header) {
    qint64 total = 0;
    for (const MemberLayout& member : header.members)
        total += member.blocks;
    return total;
}

using Result = ContainerWriteResult;

// Copies one member and its zero fill from its source into the container.
Result appendMember(QFile& source, int m, const MemberLayout& layout, GatedOutput& out,
                    StepProgress& progress) {
    QByteArray buffer;
    qint64 left = layout.length;
    while (left > 0) {
        buffer = source.read(std::min(ChunkSize, left));
        if (buffer.isEmpty()) return {Result::ReadingMember, m};
        left -= buffer.size();
        if (left == 0) {
            const qint64 fill = qint64(layout.blocks) * hdr::BlockSize - layout.length;
            buffer.append(QByteArray(fill, '\0'));
        }
        if (!out.write(buffer)) return {Result::AppendingMember, m};
        progress.advance((buffer.size() + hdr::BlockSize - 1) / hdr::BlockSize);
    }
    return {};
}

bool writeWhole(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size() && file.flush();
}

// Copies length bytes from the container at offset into a new working file.
bool extractMember(QFile& in, qint64 offset, qint64 length, const QString& path,
                   StepProgress& progress) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || !in.seek(offset)) return false;
    qint64 left = length;
    while (left > 0) {
        const QByteArray buffer = in.read(std::min(ChunkSize, left));
        if (buffer.isEmpty() || out.write(buffer) != buffer.size()) return false;
        left -= buffer.size();
        progress.advance((buffer.size() + hdr::BlockSize - 1) / hdr::BlockSize);
    }
    return out.flush();
}

// The container is only ever replaced whole (never written in place), so the
// backup can share the previous container's bytes through a second name; a
// copy is made where the file system cannot link.
bool linkBackup(const QString& container, const QString& backup) {
    std::error_code error;
    std::filesystem::create_hard_link(std::filesystem::path(container.toStdU16String()),
                                      std::filesystem::path(backup.toStdU16String()), error);
    return !error;
}

bool keepBackup(Context& ctx, const QString& containerPath) {
    const QString backup = filePath(backupFolder(ctx), QFileInfo(containerPath).completeBaseName() +
                                                           QStringLiteral(".bak"));
    if (QFileInfo::exists(backup) && !QFile::remove(backup)) {
        reportError(ctx, err::PackOther);
        return false;
    }
    if (!QFileInfo::exists(containerPath) || linkBackup(containerPath, backup)) return true;
    if (copyFile(ctx, containerPath, backup, true)) return true;
    if (!ctx.settings.fatalError) reportError(ctx, err::PackOther);
    return false;
}

int packErrorFor(const Result& result) {
    switch (result.step) {
    case Result::ReadingMember:
        return err::PackReadMemberFirst + result.member;
    case Result::AppendingMember:
        return err::PackAppendMemberFirst + result.member;
    case Result::Done:
    case Result::Other:
        break;
    }
    return err::PackOther;
}

std::optional<BookHeader> readHeaderBlock(QFile& in) {
    const QByteArray block = in.read(hdr::BlockSize);
    if (block.size() != hdr::BlockSize) return std::nullopt;
    return decodeHeader(block);
}

QString memberTag(const char* action, int m) {
    return QStringLiteral("DEC %1 %2 blk").arg(QLatin1String(action), MemberNames[m]);
}

bool extractMembers(Context& ctx, QFile& in, const BookHeader& header, UnpackMode mode,
                    BusyScope& busy) {
    StepProgress progress(totalBlocks(header), busy.reporter());
    const auto files = workingFiles(ctx);
    for (int m = 0; m < hdr::MemberCount; ++m) {
        ctx.log(memberTag("rw", m));
        const MemberLayout& member = header.members[m];
        if (mode == UnpackMode::HeaderOnly && m != Thumbnail) {
            progress.advance(member.blocks); // never read: the thumbnail is found by its offset
            continue;
        }
        if (!extractMember(in, memberOffset(header.members, m), member.length, files[m], progress))
            return false;
    }
    return true;
}
} // namespace

ContainerWriteResult writeContainer(const ContainerWrite& request) {
    BookHeader header = request.header;
    std::array<std::unique_ptr<QFile>, hdr::MemberCount> sources;
    for (int m = 0; m < hdr::MemberCount; ++m) {
        sources[m] = std::make_unique<QFile>(request.sources[m]);
        if (!sources[m]->open(QIODevice::ReadOnly) || sources[m]->size() > 0xFFFFFFFFLL)
            return {Result::ReadingMember, m};
        header.members[m] = {static_cast<quint32>(sources[m]->size()),
                             blocksFor(sources[m]->size())};
    }
    QSaveFile file(request.destination);
    if (!file.open(QIODevice::WriteOnly)) return {Result::Other};
    GatedOutput out(file, request.failAfterBytes);
    StepProgress progress(totalBlocks(header), request.progress);
    Result result;
    if (!out.write(encodeHeader(header))) result = {Result::Other};
    for (int m = 0; m < hdr::MemberCount && result.ok(); ++m)
        result = appendMember(*sources[m], m, header.members[m], out, progress);
    if (!result.ok()) {
        file.cancelWriting();
        return result;
    }
    return file.commit() ? Result{} : Result{Result::Other};
}

std::array<QString, hdr::MemberCount> workingFiles(Context& ctx) {
    std::array<QString, hdr::MemberCount> files;
    for (int m = 0; m < hdr::MemberCount; ++m)
        files[m] = ctx.appFile(MemberNames[m]);
    return files;
}

QString backupFolder(Context& ctx) {
    if (!ctx.settings.backupDir.isEmpty() && QFileInfo(ctx.settings.backupDir).isDir())
        return withTrailingSeparator(ctx.settings.backupDir);
    const QString fallback = subdirectory(ctx.settings.appDir, QStringLiteral("backup"));
    QDir().mkpath(fallback);
    ctx.settings.backupDir = fallback;
    return fallback;
}

bool packBook(Context& ctx, const PackRequest& request) {
    if (ctx.settings.fatalError) return false;
    BusyScope busy(ctx, 112);
    const auto notepad = encodeNotepad(request.notepad);
    // A text the container cannot hold stops the pack before anything changes.
    if (!notepad || headerProblem(request.header, LongTexts::AreCut)) {
        reportError(ctx, err::PackOther);
        return false;
    }
    if (!keepBackup(ctx, request.containerPath)) return false;
    busy.show(112); // the backup copy had the status bar
    const auto files = workingFiles(ctx);
    if (!writeWhole(files[Notepad], *notepad)) {
        reportError(ctx, err::PackOther);
        return false;
    }
    ContainerWrite write{request.containerPath, request.header, files, busy.reporter(),
                         request.failAfterBytes};
    const Result result = writeContainer(write);
    if (!result.ok()) {
        reportError(ctx, packErrorFor(result));
        return false;
    }
    busy.clear();
    deleteWorkingFiles(ctx);
    return true;
}

std::optional<UnpackedBook> unpackBook(Context& ctx, const QString& containerPath,
                                       UnpackMode mode) {
    ctx.log(QStringLiteral("DEC start"));
    if (ctx.settings.fatalError) return std::nullopt;
    ctx.log(QStringLiteral("DEC no_err"));
    BusyScope busy(ctx, 119);
    deleteWorkingFiles(ctx);
    ctx.log(QStringLiteral("DEC del files"));
    ctx.log(QStringLiteral("DEC del file: ") + containerPath);
    ctx.log(QFileInfo::exists(containerPath) ? QStringLiteral("DEC FileExits: OK")
                                             : QStringLiteral("DEC FileExits: Err"));

    QFile in(containerPath);
    const auto header = in.open(QIODevice::ReadOnly) ? readHeaderBlock(in) : std::nullopt;
    if (header) ctx.log(QStringLiteral("DEC rd head blk"));
    if (!header || !layoutReadable(*header, in.size()) ||
        !extractMembers(ctx, in, *header, mode, busy)) {
        reportError(ctx, err::UnpackRead);
        return std::nullopt;
    }
    // The members were written at their exact lengths, so the cuts have nothing left to do.
    for (int m = 0; m < hdr::MemberCount; ++m)
        if (mode == UnpackMode::Full || m == Thumbnail) ctx.log(memberTag("rs", m));
    busy.clear();
    UnpackedBook book{*header, in.size(), QString()};
    book.header.choiceFormat = choiceFormatRead(header->choiceFormat);
    in.close();
    if (mode == UnpackMode::HeaderOnly) return book;

    ctx.log(memberTag("rs", Notepad));
    QFile notepad(workingFiles(ctx)[Notepad]);
    if (!notepad.open(QIODevice::ReadOnly)) {
        reportError(ctx, err::UnpackNotepad);
        return std::nullopt;
    }
    book.notepad = decodeNotepad(notepad.readAll());
    return book;
}

QString readMagic(Context& ctx, const QString& containerPath) {
    if (ctx.settings.fatalError) return QString();
    QFile in(containerPath);
    const auto header = in.open(QIODevice::ReadOnly) ? readHeaderBlock(in) : std::nullopt;
    if (!header) {
        reportError(ctx, err::ReadMagic);
        return QString();
    }
    return header->magic;
}

void deleteWorkingFiles(Context& ctx) {
    const auto files = workingFiles(ctx);
    for (int m = 0; m < hdr::MemberCount; ++m) {
        if (!QFileInfo::exists(files[m])) continue;
        if (!QFile::remove(files[m])) reportError(ctx, DeleteCodes[m], ErrorMode::LogOnly);
        ctx.delay(1);
    }
}

std::optional<QByteArray> encodeNotepad(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    auto bytes = toCp1252(lines);
    if (bytes) bytes->append('\0');
    return bytes;
}

QString decodeNotepad(const QByteArray& member) {
    const qsizetype end = member.indexOf('\0');
    QString text = fromCp1252(end < 0 ? member : member.left(end));
    if (text == QStringLiteral("\r\n")) return QString();
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace tessera
