#include "bookfiles/binaryfield.h"

#include "shell/codepage.h"

#include <QtEndian>
#include <cstring>

namespace tessera::bin {

namespace {
const uchar* at(const QByteArray& image, int offset) {
    return reinterpret_cast<const uchar*>(image.constData()) + offset;
}
uchar* at(QByteArray& image, int offset) {
    return reinterpret_cast<uchar*>(image.data()) + offset;
}
} // namespace

quint8 u8(const QByteArray& image, int offset) {
    return *at(image, offset);
}

qint32 i32(const QByteArray& image, int offset) {
    return qFromLittleEndian<qint32>(at(image, offset));
}

quint32 u32(const QByteArray& image, int offset) {
    return qFromLittleEndian<quint32>(at(image, offset));
}

double f64(const QByteArray& image, int offset) {
    const quint64 bits = qFromLittleEndian<quint64>(at(image, offset));
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool flag(const QByteArray& image, int offset) {
    return u8(image, offset) != 0;
}

void setU8(QByteArray& image, int offset, quint8 value) {
    *at(image, offset) = value;
}

void setI32(QByteArray& image, int offset, qint32 value) {
    qToLittleEndian(value, at(image, offset));
}

void setU32(QByteArray& image, int offset, quint32 value) {
    qToLittleEndian(value, at(image, offset));
}

void setF64(QByteArray& image, int offset, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, at(image, offset));
}

void setFlag(QByteArray& image, int offset, bool value) {
    setU8(image, offset, value ? 1 : 0);
}

QString shortString(const QByteArray& image, int offset, int capacity) {
    const int length = std::min<int>(u8(image, offset), capacity);
    return fromCp1252(image.mid(offset + 1, length));
}

void setShortString(QByteArray& image, int offset, int capacity, const QString& text) {
    const QByteArray bytes = toCp1252Lossy(text).left(capacity);
    setU8(image, offset, static_cast<quint8>(bytes.size()));
    std::memset(at(image, offset + 1), 0, capacity);
    std::memcpy(at(image, offset + 1), bytes.constData(), bytes.size());
}

TextProblem ansiProblem(const QString& text, int capacity) {
    if (!isCp1252(text)) return TextProblem::NotWindows1252;
    if (text.size() > capacity) return TextProblem::TooLong;
    return TextProblem::None;
}

TextProblem lowByteProblem(const QString& text, int capacity) {
    for (QChar c : text)
        if (c.unicode() == 0 || c.unicode() > 0xFF) return TextProblem::NotLatin1;
    if (text.size() > capacity) return TextProblem::TooLong;
    return TextProblem::None;
}

QString textProblemWords(TextProblem problem, int capacity) {
    switch (problem) {
    case TextProblem::None:
        return QString();
    case TextProblem::TooLong:
        return QStringLiteral("longer than its %1 characters").arg(capacity);
    case TextProblem::NotWindows1252:
        return QStringLiteral("holds a character that Windows-1252 cannot represent");
    case TextProblem::NotLatin1:
        return QStringLiteral("holds a character outside U+0001..U+00FF, which this field "
                              "cannot store");
    }
    return QString();
}

QString fixedAnsi(const QByteArray& image, int offset, int width) {
    QByteArray bytes = image.mid(offset, width);
    bytes.replace('\0', QByteArray());
    return fromCp1252(bytes);
}

void setFixedAnsi(QByteArray& image, int offset, int width, const QString& text) {
    const QByteArray bytes = toCp1252Lossy(text).left(width);
    std::memset(at(image, offset), 0, width);
    std::memcpy(at(image, offset), bytes.constData(), bytes.size());
}

QString fixedLowByte(const QByteArray& image, int offset, int width) {
    QString text;
    for (int i = 0; i < width; ++i) {
        const quint8 b = u8(image, offset + i);
        if (b == 0) break;
        text.append(QChar(char16_t(b)));
    }
    return text;
}

void setFixedLowByte(QByteArray& image, int offset, int width, const QString& text) {
    std::memset(at(image, offset), 0, width);
    const int length = std::min<int>(text.size(), width);
    for (int i = 0; i < length; ++i)
        setU8(image, offset + i, static_cast<quint8>(text[i].unicode() & 0xFF));
}

} // namespace tessera::bin
