#pragma once

#include "bookfiles/bookheader.h"

#include <QString>
#include <functional>
#include <optional>

namespace tessera {

class Context;

// Writes a complete container: the header block, then each member file with
// zero fill to its block boundary. The bytes go to a file beside the
// destination that replaces it only once it is whole, so an interrupted write
// leaves the destination as it was.
struct ContainerWrite {
    QString destination;
    BookHeader header; // the member table is filled in from the sources
    std::array<QString, hdr::MemberCount> sources;
    std::function<void(int percent)> progress; // may be empty
    // Fault injection for tests: the write fails once this many bytes are out.
    qint64 failAfterBytes = -1;
};

struct ContainerWriteResult {
    enum Step { Done, ReadingMember, AppendingMember, Other };
    Step step = Done;
    int member = -1; // for the member steps
    bool ok() const { return step == Done; }
};

ContainerWriteResult writeContainer(const ContainerWrite& request);

// The working files of the open book in the application directory, in member order.
std::array<QString, hdr::MemberCount> workingFiles(Context& ctx);

struct PackRequest {
    QString containerPath;      // folder + name + ".tsb"
    BookHeader header;          // book information, cover, protection, format and key
    QString notepad;            // line breaks as "\n" or "\r\n"
    qint64 failAfterBytes = -1; // fault injection for tests
};

// Packs the working files into the container, keeping the previous container
// as name.bak in the backup folder; then deletes the working files. Errors
// 70..84 (95 from the backup copy). The container is replaced only when the
// new one is complete.
bool packBook(Context& ctx, const PackRequest& request);

enum class UnpackMode { Full, HeaderOnly };

struct UnpackedBook {
    BookHeader header; // choice format after the reading rule
    qint64 size = 0;   // the container's length in bytes
    QString notepad;   // full mode only, line breaks as "\n"
};

// Recreates the working files from the container (all seven, or image.bmp
// alone in header-only mode). Errors 86..93; a damaged or truncated container is 92.
std::optional<UnpackedBook> unpackBook(Context& ctx, const QString& containerPath, UnpackMode mode);

// The non-zero characters of the first 16 header bytes, unscrambled; error 85
// and an empty text when the header cannot be read.
QString readMagic(Context& ctx, const QString& containerPath);

// Deletes the seven working files that exist; a file that stays is logged
// (97..103) and the others are still tried.
void deleteWorkingFiles(Context& ctx);

// The notepad member: Windows-1252 bytes with CR LF line ends and one zero byte.
// Empty when a character has no Windows-1252 byte.
std::optional<QByteArray> encodeNotepad(const QString& text);
QString decodeNotepad(const QByteArray& member);

// The backup folder of the settings, or the application's backup\ folder when
// that one has gone (which then becomes the setting).
QString backupFolder(Context& ctx);

} // namespace tessera
