#include "shell/codepage.h"

#include <array>

namespace tessera {

namespace {
// 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same value,
// as the system's own conversion does, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (High[i] == c) return 0x80 + i;
    return -1;
}
} // namespace

QString fromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char16_t(b)));
    }
    return text;
}

std::optional<QByteArray> toCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = byteOf(c.unicode());
        if (b < 0) return std::nullopt;
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}

QByteArray toCp1252Lossy(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = byteOf(c.unicode());
        bytes.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return bytes;
}

bool isCp1252(const QString& text) {
    for (QChar c : text)
        if (byteOf(c.unicode()) < 0) return false;
    return true;
}

} // namespace tessera
