#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace tessera::bin {

// Little-endian fields of the book files, read from and written into a byte
// image at a fixed offset. Readers never look outside the image; callers size
// the image from the layout first.

quint8 u8(const QByteArray& image, int offset);
qint32 i32(const QByteArray& image, int offset);
quint32 u32(const QByteArray& image, int offset);
double f64(const QByteArray& image, int offset);
bool flag(const QByteArray& image, int offset);

void setU8(QByteArray& image, int offset, quint8 value);
void setI32(QByteArray& image, int offset, qint32 value);
void setU32(QByteArray& image, int offset, quint32 value);
void setF64(QByteArray& image, int offset, double value);
void setFlag(QByteArray& image, int offset, bool value);

// A length-prefixed string of capacity N (N + 1 bytes). A damaged length byte
// above N reads as N.
QString shortString(const QByteArray& image, int offset, int capacity);
// The bytes after the text are zeroed. The caller has checked the text with
// shortStringProblem; an unfit text is cut and its unmappable characters become "?".
void setShortString(QByteArray& image, int offset, int capacity, const QString& text);

// Why a text cannot go into a Windows-1252 field of the given capacity, or
// nothing when it can.
enum class TextProblem { None, TooLong, NotWindows1252, NotLatin1 };
TextProblem ansiProblem(const QString& text, int capacity);
// The low-byte fields hold the low 8 bits of each UTF-16 code; only U+0001..U+00FF survive.
TextProblem lowByteProblem(const QString& text, int capacity);
QString textProblemWords(TextProblem problem, int capacity);

// A fixed-width ANSI field padded with zeros; zero bytes are skipped wherever
// they stand on reading.
QString fixedAnsi(const QByteArray& image, int offset, int width);
void setFixedAnsi(QByteArray& image, int offset, int width, const QString& text);

// A fixed-width field of the low bytes of UTF-16 codes; reading maps byte b to
// U+00bb and stops at the first zero byte or the end of the field.
QString fixedLowByte(const QByteArray& image, int offset, int width);
void setFixedLowByte(QByteArray& image, int offset, int width, const QString& text);

} // namespace tessera::bin
