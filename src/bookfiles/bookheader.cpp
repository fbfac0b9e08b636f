#include "bookfiles/bookheader.h"

#include "bookfiles/binaryfield.h"

namespace tessera {

const std::array<QString, hdr::MemberCount> MemberNames = {
    QStringLiteral("database.db"), QStringLiteral("database.mb"), QStringLiteral("paramdb.dat"),
    QStringLiteral("historic.db"), QStringLiteral("notepad.dat"), QStringLiteral("cover.jpg"),
    QStringLiteral("image.bmp")};

namespace {
enum class Coding { Ansi, LowByte };

struct TextField {
    const char* name; // as tessera-book info names it
    int offset;
    int width;
    Coding coding;
    QString BookHeader::*text;
};

const std::array<TextField, 10> TextFields = {{
    {"author", hdr::Author, hdr::AuthorSize, Coding::Ansi, &BookHeader::author},
    {"authorData", hdr::AuthorData, hdr::AuthorDataSize, Coding::LowByte, &BookHeader::authorData},
    {"email", hdr::Email, hdr::EmailSize, Coding::Ansi, &BookHeader::email},
    {"title", hdr::Title, hdr::TitleSize, Coding::Ansi, &BookHeader::title},
    {"category", hdr::Category, hdr::CategorySize, Coding::Ansi, &BookHeader::category},
    {"version", hdr::Version, hdr::VersionSize, Coding::Ansi, &BookHeader::version},
    {"created", hdr::Created, hdr::DateSize, Coding::Ansi, &BookHeader::created},
    {"lastPractice", hdr::LastPractice, hdr::DateSize, Coding::Ansi, &BookHeader::lastPractice},
    {"summary", hdr::Summary, hdr::SummarySize, Coding::LowByte, &BookHeader::summary},
    {"password", hdr::Password, hdr::PasswordSize, Coding::Ansi, &BookHeader::password},
}};

QByteArray keyed(const QByteArray& bytes, const BookKey& key, int sign) {
    QByteArray result = bytes;
    for (qsizetype i = 0; i < result.size(); ++i)
        result[i] =
            static_cast<char>(static_cast<quint8>(result[i]) + sign * key[i % hdr::KeySize]);
    return result;
}

BookKey keyOf(const QByteArray& block) {
    BookKey key{};
    for (int i = 0; i < hdr::KeySize; ++i)
        key[i] = bin::u8(block, hdr::Key + i);
    return key;
}
} // namespace

quint32 blocksFor(qint64 length) {
    return static_cast<quint32>((length + hdr::BlockSize - 1) / hdr::BlockSize);
}

qint64 memberOffset(const std::array<MemberLayout, hdr::MemberCount>& members, int m) {
    qint64 offset = hdr::BlockSize;
    for (int i = 0; i < m; ++i)
        offset += qint64(members[i].blocks) * hdr::BlockSize;
    return offset;
}

qint64 containerLength(const std::array<MemberLayout, hdr::MemberCount>& members) {
    return memberOffset(members, hdr::MemberCount);
}

QByteArray scrambled(const QByteArray& plain, const BookKey& key) {
    return keyed(plain, key, 1);
}

QByteArray unscrambled(const QByteArray& block, const BookKey& key) {
    return keyed(block, key, -1);
}

QByteArray encodeHeader(const BookHeader& h) {
    QByteArray plain(hdr::BlockSize, '\0');
    bin::setFixedAnsi(plain, hdr::Magic, hdr::MagicSize, h.magic);
    for (int m = 0; m < hdr::MemberCount; ++m) {
        bin::setU32(plain, hdr::Lengths + 4 * m, h.members[m].length);
        bin::setU32(plain, hdr::Blocks + 4 * m, h.members[m].blocks);
    }
    for (const TextField& f : TextFields) {
        if (f.coding == Coding::Ansi)
            bin::setFixedAnsi(plain, f.offset, f.width, h.*f.text);
        else
            bin::setFixedLowByte(plain, f.offset, f.width, h.*f.text);
    }
    bin::setU8(plain, hdr::CoverDesign, h.coverDesign);
    bin::setFlag(plain, hdr::CoverPicture, h.coverPicture);
    bin::setU32(plain, hdr::CoverColour, h.coverColour);
    bin::setU32(plain, hdr::TitleBackground, h.titleBackground);
    bin::setU32(plain, hdr::TitleFont, h.titleFont);
    bin::setFlag(plain, hdr::TitleTransparent, h.titleTransparent);
    bin::setFlag(plain, hdr::Protected, h.isProtected);
    bin::setU8(plain, hdr::ChoiceFormat, h.choiceFormat);

    QByteArray block = scrambled(plain, h.key);
    for (int i = 0; i < hdr::KeySize; ++i)
        bin::setU8(block, hdr::Key + i, h.key[i]);
    block.replace(hdr::ZeroTail, hdr::BlockSize - hdr::ZeroTail,
                  QByteArray(hdr::BlockSize - hdr::ZeroTail, '\0'));
    return block;
}

BookHeader decodeHeader(const QByteArray& block) {
    Q_ASSERT(block.size() >= hdr::BlockSize);
    BookHeader h;
    h.key = keyOf(block);
    const QByteArray plain = unscrambled(block.left(hdr::BlockSize), h.key);
    h.magic = bin::fixedAnsi(plain, hdr::Magic, hdr::MagicSize);
    for (int m = 0; m < hdr::MemberCount; ++m) {
        h.members[m].length = bin::u32(plain, hdr::Lengths + 4 * m);
        h.members[m].blocks = bin::u32(plain, hdr::Blocks + 4 * m);
    }
    for (const TextField& f : TextFields)
        h.*f.text = f.coding == Coding::Ansi ? bin::fixedAnsi(plain, f.offset, f.width)
                                             : bin::fixedLowByte(plain, f.offset, f.width);
    h.coverDesign = bin::u8(plain, hdr::CoverDesign);
    h.coverPicture = bin::flag(plain, hdr::CoverPicture);
    h.coverColour = bin::u32(plain, hdr::CoverColour);
    h.titleBackground = bin::u32(plain, hdr::TitleBackground);
    h.titleFont = bin::u32(plain, hdr::TitleFont);
    h.titleTransparent = bin::flag(plain, hdr::TitleTransparent);
    h.isProtected = bin::flag(plain, hdr::Protected);
    h.choiceFormat = bin::u8(plain, hdr::ChoiceFormat);
    return h;
}

quint8 choiceFormatRead(quint8 stored) {
    return stored == 0 || stored > 5 ? 1 : stored;
}

std::optional<HeaderProblem> headerProblem(const BookHeader& h, LongTexts longTexts) {
    for (const TextField& f : TextFields) {
        const auto problem = f.coding == Coding::Ansi ? bin::ansiProblem(h.*f.text, f.width)
                                                      : bin::lowByteProblem(h.*f.text, f.width);
        if (problem == bin::TextProblem::TooLong && longTexts == LongTexts::AreCut) continue;
        if (problem != bin::TextProblem::None)
            return HeaderProblem{QLatin1String(f.name), bin::textProblemWords(problem, f.width)};
    }
    return std::nullopt;
}

} // namespace tessera

namespace tessera {

QStringList layoutProblems(const BookHeader& h, qint64 fileSize) {
    QStringList problems;
    for (int m = 0; m < hdr::MemberCount; ++m) {
        const MemberLayout& member = h.members[m];
        if (member.blocks != blocksFor(member.length))
            problems << QStringLiteral("member %1 (%2) has %3 bytes in %4 blocks; %3 bytes take "
                                       "%5 blocks of 2048")
                            .arg(m + 1)
                            .arg(MemberNames[m])
                            .arg(member.length)
                            .arg(member.blocks)
                            .arg(blocksFor(member.length));
    }
    const qint64 expected = containerLength(h.members);
    if (fileSize < expected)
        problems << QStringLiteral("the file is truncated: its members need %1 bytes but the "
                                   "file has %2")
                        .arg(expected)
                        .arg(fileSize);
    else if (fileSize > expected)
        problems << QStringLiteral("the file has %1 bytes after its last member")
                        .arg(fileSize - expected);
    return problems;
}

bool layoutReadable(const BookHeader& h, qint64 fileSize) {
    for (const MemberLayout& member : h.members)
        if (member.blocks < blocksFor(member.length)) return false;
    return fileSize >= containerLength(h.members);
}

} // namespace tessera
