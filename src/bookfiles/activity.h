#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tessera {

// The 40-byte records of a user's stat.dat, appended in time order.
namespace act {
constexpr int Size = 40;
constexpr int Kind = 0;
constexpr int Book = 4;
constexpr int Record = 8;
constexpr int Level = 12;
constexpr int Text = 13, TextCapacity = 10;
constexpr int Right = 24;
constexpr int Option = 25;
constexpr int Moment = 32;
} // namespace act

enum class ActivityKind : quint8 {
    Answer = 0,
    Login = 1,
    Logout = 2,
    BookOpened = 3,
    BookClosed = 4
};

struct ActivityRecord {
    ActivityKind kind = ActivityKind::Answer;
    qint32 book = 0;   // network book number for answers and book events
    qint32 record = 0; // record answered
    quint8 level = 0;  // Nivel before the answer
    QString text;      // Historico before the answer, or the computer identifier
    bool right = false;
    quint8 option = 0; // multiple-choice option chosen, 1..6, or 0
    double moment = 0; // days since 1899-12-30

    bool operator==(const ActivityRecord&) const = default;
};

ActivityRecord decodeActivity(const QByteArray& image);
// Empty when the text does not fit its 10 Windows-1252 characters.
QByteArray encodeActivity(const ActivityRecord& record);

// stat.dat, held open for a login session by the login and logout.
class ActivityFile {
public:
    // Opens (creating when missing) for appending.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    // Writes one record at the end and flushes it. False on failure (the
    // caller owns the error); a text that does not fit writes nothing.
    bool append(const ActivityRecord& record);

private:
    QFile file_;
};

} // namespace tessera
