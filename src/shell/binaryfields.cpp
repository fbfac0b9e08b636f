#include "shell/binaryfields.h"

#include "shell/codepage.h"
#include "shell/datetext.h"

#include <QtEndian>
#include <cstring>

namespace tessera {

bool RecordWriter::string(int offset, int capacity, const QString& text) {
    const auto encoded = toCp1252(text);
    if (!encoded || encoded->size() > capacity || offset + 1 + capacity > bytes_.size()) return false;
    bytes_[offset] = static_cast<char>(encoded->size());
    std::memcpy(bytes_.data() + offset + 1, encoded->constData(), static_cast<size_t>(encoded->size()));
    return true;
}

void RecordWriter::int32(int offset, qint32 value) {
    qToLittleEndian(value, bytes_.data() + offset);
}

void RecordWriter::uint16(int offset, quint16 value) {
    qToLittleEndian(value, bytes_.data() + offset);
}

void RecordWriter::flag(int offset, bool value) {
    bytes_[offset] = value ? 1 : 0;
}

void RecordWriter::byte(int offset, quint8 value) {
    bytes_[offset] = static_cast<char>(value);
}

void RecordWriter::dayCount(int offset, double days) {
    quint64 bits = 0;
    std::memcpy(&bits, &days, sizeof bits);
    qToLittleEndian(bits, bytes_.data() + offset);
}

void RecordWriter::dateTime(int offset, const QDateTime& moment) {
    dayCount(offset, moment.isValid() ? toDayCount(moment) : 0.0);
}

QString RecordReader::string(int offset, int capacity) const {
    if (offset + 1 + capacity > bytes_.size()) return QString();
    const int length = std::min<int>(static_cast<quint8>(bytes_[offset]), capacity);
    return fromCp1252(bytes_.mid(offset + 1, length));
}

qint32 RecordReader::int32(int offset) const {
    if (offset + 4 > bytes_.size()) return 0;
    return qFromLittleEndian<qint32>(bytes_.constData() + offset);
}

quint16 RecordReader::uint16(int offset) const {
    if (offset + 2 > bytes_.size()) return 0;
    return qFromLittleEndian<quint16>(bytes_.constData() + offset);
}

quint8 RecordReader::byte(int offset) const {
    return offset < bytes_.size() ? static_cast<quint8>(bytes_[offset]) : 0;
}

double RecordReader::dayCount(int offset) const {
    if (offset + 8 > bytes_.size()) return 0.0;
    const quint64 bits = qFromLittleEndian<quint64>(bytes_.constData() + offset);
    double days = 0;
    std::memcpy(&days, &bits, sizeof days);
    return days;
}

QDateTime RecordReader::dateTime(int offset) const {
    const double days = dayCount(offset);
    return days == 0.0 ? QDateTime() : fromDayCount(days);
}

} // namespace tessera
