#pragma once

// Containers and records laid out by hand at the documented offsets, written
// without the program's own encoders so that they check them.

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <cstring>

namespace tessera::test {

inline void putU32(QByteArray& bytes, int offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

inline void putI32(QByteArray& bytes, int offset, qint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

inline void putF64(QByteArray& bytes, int offset, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    qToLittleEndian(bits, bytes.data() + offset);
}

inline void putText(QByteArray& bytes, int offset, const QByteArray& text) {
    bytes.replace(offset, text.size(), text);
}

// A length-prefixed string.
inline void putShort(QByteArray& bytes, int offset, const QByteArray& text) {
    bytes[offset] = char(text.size());
    bytes.replace(offset + 1, text.size(), text);
}

inline quint32 u32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

inline qint32 i32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// Undoes the header scrambling with the key stored in clear at 1075..1082.
inline QByteArray unscramble(const QByteArray& block) {
    QByteArray plain = block.left(2048);
    for (int i = 0; i < 2048; ++i)
        plain[i] = char(quint8(block[i]) - quint8(block[1075 + i % 8]));
    return plain;
}

inline QByteArray scramble(const QByteArray& plain, const QByteArray& key) {
    QByteArray block = plain;
    for (int i = 0; i < 2048; ++i)
        block[i] = char(quint8(plain[i]) + quint8(key[i % 8]));
    block.replace(1075, 8, key);
    block.replace(1093, 2048 - 1093, QByteArray(2048 - 1093, '\0'));
    return block;
}

inline QByteArray padded(const QByteArray& member) {
    const int blocks = int((member.size() + 2047) / 2048);
    return member + QByteArray(blocks * 2048 - member.size(), '\0');
}

// The plain header with its member table filled from the members, scrambled
// with the key, followed by the members in their blocks.
inline QByteArray handBuiltContainer(QByteArray plain, const QList<QByteArray>& members,
                                     const QByteArray& key) {
    QByteArray body;
    for (int m = 0; m < 7; ++m) {
        putU32(plain, 16 + 4 * m, quint32(members[m].size()));
        putU32(plain, 60 + 4 * m, quint32((members[m].size() + 2047) / 2048));
        body += padded(members[m]);
    }
    return scramble(plain, key) + body;
}

// A header with every field set, Windows-1252 bytes written out.
inline QByteArray plainHeader() {
    QByteArray plain(2048, '\0');
    putText(plain, 0, "Tessera 5.0");
    putText(plain, 104, "Ana P\xE9rez");
    putText(plain, 136, "Calle Mayor 1\r\nMadrid \x80");
    putText(plain, 332, "ana@example.org");
    putText(plain, 396,
            "Tabla peri\xF3"
            "dica");
    putText(plain, 460, "Qu\xEDmica");
    putText(plain, 524, "2.1");
    putText(plain, 540, "05/03/2004 09:08:07");
    putText(plain, 559, "06/04/2005 10:11:12");
    putText(plain, 578, "Resumen \xF1");
    plain[1060] = 7;
    plain[1061] = 0;
    putU32(plain, 1062, 0x00FFFBF0);
    putU32(plain, 1066, 8421504);
    putU32(plain, 1070, 128);
    plain[1074] = 1;
    plain[1083] = 1;
    putText(plain, 1084, "clave");
    plain[1092] = 3;
    return plain;
}

// A question record with every field set.
inline QByteArray recordFixture() {
    QByteArray r(2200, '\0');
    putShort(r, 0,
             "Tr\xE1"
             "fico");
    putShort(r, 25, "\xBFQu\xE9 indica?");
    putShort(r, 281, "Ceda el paso");
    r[537] = 1;
    for (int i = 0; i < 6; ++i)
        putShort(r, 538 + 256 * i, "Opci\xF3n " + QByteArray::number(i + 1));
    putI32(r, 2076, 13);
    putI32(r, 2080, 255);
    putI32(r, 2084, 7);
    r[2088] = 1;
    putShort(r, 2089, "+=-0123___");
    putF64(r, 2104, 38000.5);
    r[2112] = 1;
    r[2113] = 0;
    r[2114] = 1;
    putF64(r, 2120, 37999.25);
    r[2169] = 1;
    putShort(r, 2170,
             "Se\xF1"
             "ales");
    r[2187] = 0;
    r[2188] = 1;
    r[2189] = 1;
    putI32(r, 2192, 4096);
    putI32(r, 2196, 2048);
    return r;
}

} // namespace tessera::test
