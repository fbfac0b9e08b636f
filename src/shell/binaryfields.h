#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tessera {

// Field-by-field access to fixed-size little-endian records: length-prefixed
// Windows-1252 strings of a fixed capacity, 32-bit integers, flags and
// date/times stored as day counts. Readers never read past the record.
class RecordWriter {
public:
    explicit RecordWriter(int size) : bytes_(size, '\0') {}
    // False (and nothing written) when the text is longer than the capacity
    // or holds a character Windows-1252 cannot represent.
    bool string(int offset, int capacity, const QString& text);
    void int32(int offset, qint32 value);
    void uint16(int offset, quint16 value);
    void flag(int offset, bool value);
    void byte(int offset, quint8 value);
    void dateTime(int offset, const QDateTime& moment); // an invalid moment is stored as 0
    void dayCount(int offset, double days);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : bytes_(bytes) {}
    // The stored length is capped at the capacity, so a damaged length byte cannot overrun.
    QString string(int offset, int capacity) const;
    qint32 int32(int offset) const;
    quint16 uint16(int offset) const;
    bool flag(int offset) const { return byte(offset) != 0; }
    quint8 byte(int offset) const;
    double dayCount(int offset) const;
    QDateTime dateTime(int offset) const; // 0 reads as an invalid moment

private:
    QByteArray bytes_;
};

} // namespace tessera
