#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tessera {

// The 2048-byte header block of a .tsb container and the layout of the seven
// members behind it.
namespace hdr {
constexpr int BlockSize = 2048;
constexpr int MemberCount = 7;
constexpr int Magic = 0, MagicSize = 16;
constexpr int Lengths = 16; // 7 x 4 bytes
constexpr int Blocks = 60;  // 7 x 4 bytes
constexpr int Author = 104, AuthorSize = 32;
constexpr int AuthorData = 136, AuthorDataSize = 196;
constexpr int Email = 332, EmailSize = 64;
constexpr int Title = 396, TitleSize = 64;
constexpr int Category = 460, CategorySize = 64;
constexpr int Version = 524, VersionSize = 16;
constexpr int Created = 540, DateSize = 19;
constexpr int LastPractice = 559;
constexpr int Summary = 578, SummarySize = 482;
constexpr int CoverDesign = 1060;
constexpr int CoverPicture = 1061;
constexpr int CoverColour = 1062;
constexpr int TitleBackground = 1066;
constexpr int TitleFont = 1070;
constexpr int TitleTransparent = 1074;
constexpr int Key = 1075, KeySize = 8;
constexpr int Protected = 1083;
constexpr int Password = 1084, PasswordSize = 8;
constexpr int ChoiceFormat = 1092;
constexpr int ZeroTail = 1093;
} // namespace hdr

inline const QString MagicText = QStringLiteral("Tessera 5.0");

// Member files in container order, by their working-file names.
enum Member : int { Records, Pictures, Parameters, History, Notepad, Cover, Thumbnail };
extern const std::array<QString, hdr::MemberCount> MemberNames;

using BookKey = std::array<quint8, hdr::KeySize>;

struct MemberLayout {
    quint32 length = 0;
    quint32 blocks = 0;
    bool operator==(const MemberLayout&) const = default;
};

// What the header says about the book, as the program holds it.
struct BookHeader {
    QString magic = MagicText;
    std::array<MemberLayout, hdr::MemberCount> members{};
    QString author;
    QString authorData; // low-byte text
    QString email;
    QString title;
    QString category;
    QString version;
    QString created;      // "dd/mm/yyyy hh:nn:ss" as stored
    QString lastPractice; // same form
    QString summary;      // low-byte text
    quint8 coverDesign = 1;
    bool coverPicture = true;
    quint32 coverColour = 0xFFFFFF;
    quint32 titleBackground = 0xFFFFFF;
    quint32 titleFont = 0;
    bool titleTransparent = true;
    BookKey key{};
    bool isProtected = false;
    QString password;
    quint8 choiceFormat = 1;

    bool operator==(const BookHeader&) const = default;
};

// Blocks taken by a member of the given length: 0 for an empty member.
quint32 blocksFor(qint64 length);
// 2048 x (1 + the blocks of all members).
qint64 containerLength(const std::array<MemberLayout, hdr::MemberCount>& members);
// Where member m starts in the container.
qint64 memberOffset(const std::array<MemberLayout, hdr::MemberCount>& members, int m);

// Adds key[i mod 8] to every byte (scramble) or subtracts it (unscramble).
QByteArray scrambled(const QByteArray& plain, const BookKey& key);
QByteArray unscrambled(const QByteArray& block, const BookKey& key);

// The scrambled header block: fields at their offsets, the key in clear, zero tail.
QByteArray encodeHeader(const BookHeader& header);
// Reads a stored header block (at least 2048 bytes). The choice format is
// taken as stored; choiceFormatRead applies the reading rule.
BookHeader decodeHeader(const QByteArray& block);
// A format of 0 or above 5 reads as 1.
quint8 choiceFormatRead(quint8 stored);

// The first text field that cannot be stored as it is, by its info name.
// With CutLongTexts only characters the field cannot hold count: packing cuts
// a long text to its field, as the book's summary always has been.
struct HeaderProblem {
    QString field;
    QString words;
};
enum class LongTexts { AreProblems, AreCut };
std::optional<HeaderProblem> headerProblem(const BookHeader& header,
                                           LongTexts longTexts = LongTexts::AreProblems);

// How the container's member table disagrees with itself or with the file's
// length, in plain words; empty for a sound layout.
QStringList layoutProblems(const BookHeader& header, qint64 fileSize);
// The members can be read back whole: every member has the blocks its length
// needs and the file holds them all (extra blocks or bytes are tolerated).
bool layoutReadable(const BookHeader& header, qint64 fileSize);

// A key of eight bytes 0..254 drawn from the given source of 0..n-1.
template <typename Draw> BookKey drawKey(Draw&& below) {
    BookKey key{};
    for (quint8& b : key)
        b = static_cast<quint8>(below(255));
    return key;
}

} // namespace tessera
