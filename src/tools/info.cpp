#include "tools/bookreader.h"
#include "tools/commands.h"
#include "tools/jsontext.h"

#include "bookfiles/questionrecord.h"

#include <QFile>
#include <cstdio>

namespace tessera::tool {

void printOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void printError(const QString& message) {
    const QByteArray bytes = ("tessera-book: " + message + "\n").toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

namespace {
QByteArray number(qint64 value) {
    return QByteArray::number(value);
}

QByteArray flag(bool value) {
    return value ? "true" : "false";
}

QByteArray keyText(const BookKey& key) {
    QByteArray hex;
    for (quint8 b : key)
        hex += QByteArray::number(b, 16).rightJustified(2, '0');
    return jsonString(QString::fromLatin1(hex));
}

QByteArray membersArray(const BookHeader& h) {
    QByteArray out = "[\n";
    for (int m = 0; m < hdr::MemberCount; ++m) {
        if (m > 0) out += ",\n";
        out += "    " + jsonObject({{QStringLiteral("name"), jsonString(MemberNames[m])},
                                    {QStringLiteral("length"), number(h.members[m].length)},
                                    {QStringLiteral("blocks"), number(h.members[m].blocks)}});
    }
    return out + "\n  ]";
}
} // namespace

int runInfo(const QString& book) {
    QString error;
    const auto reader = BookReader::open(book, error);
    if (!reader) {
        printError(error);
        return ExitBadInput;
    }
    const BookHeader& h = reader->header();
    const std::vector<JsonMember> members = {
        {QStringLiteral("magic"), jsonString(h.magic)},
        {QStringLiteral("size"), number(reader->size())},
        {QStringLiteral("members"), membersArray(h)},
        {QStringLiteral("author"), jsonString(h.author)},
        {QStringLiteral("authorData"), jsonString(h.authorData)},
        {QStringLiteral("email"), jsonString(h.email)},
        {QStringLiteral("title"), jsonString(h.title)},
        {QStringLiteral("category"), jsonString(h.category)},
        {QStringLiteral("version"), jsonString(h.version)},
        {QStringLiteral("created"), jsonString(h.created)},
        {QStringLiteral("lastPractice"), jsonString(h.lastPractice)},
        {QStringLiteral("summary"), jsonString(h.summary)},
        {QStringLiteral("coverDesign"), number(h.coverDesign)},
        {QStringLiteral("coverPicture"), flag(h.coverPicture)},
        {QStringLiteral("coverColour"), number(h.coverColour)},
        {QStringLiteral("titleBackground"), number(h.titleBackground)},
        {QStringLiteral("titleFont"), number(h.titleFont)},
        {QStringLiteral("titleTransparent"), flag(h.titleTransparent)},
        {QStringLiteral("key"), keyText(h.key)},
        {QStringLiteral("protected"), flag(h.isProtected)},
        {QStringLiteral("password"), jsonString(h.password)},
        {QStringLiteral("choiceFormat"), number(choiceFormatRead(h.choiceFormat))},
        {QStringLiteral("records"), number(h.members[Records].length / rec::Size)},
    };
    printOut(jsonObject(members, 0) + "\n");
    return ExitOk;
}

} // namespace tessera::tool
