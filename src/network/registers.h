#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace tessera {

class Context;

struct UserRecord {
    static constexpr int Size = 336;
    QString name; // capacity 32
    qint32 number = 0;
    QString password; // capacity 24, encoded
    bool usesPassword = false;
    bool inactive = false;
    QDateTime registered;
    QDateTime deregistered;
    QString address;    // 64
    QString postalCode; // 16
    QString city;       // 24
    QString country;    // 24
    QString telephone;  // 24
    QString mobile;     // 24
    QString email;      // 64

    // Empty when a text does not fit its field.
    std::optional<QByteArray> encode() const;
    static UserRecord decode(const QByteArray& bytes);
};

struct ComputerRecord {
    static constexpr int Size = 301;
    bool inactive = false;
    QString identifier;  // capacity 10
    QString location;    // 32
    QString description; // 255

    std::optional<QByteArray> encode() const;
    static ComputerRecord decode(const QByteArray& bytes);
};

// Record sizes of the registers that are only created empty here.
constexpr int NetBookRecordSize = 40;
constexpr int AssignmentRecordSize = 132;
constexpr int AssignedBooks = 128;

struct NetBookRecord {
    static constexpr int Size = NetBookRecordSize;
    static constexpr int NameCapacity = 27; // writers store at most 24 characters
    bool inactive = false;
    qint32 number = 0; // 1..128
    QString name;      // also the name of its container in the books folder
    qint32 recordCount = 0;

    std::optional<QByteArray> encode() const;
    static NetBookRecord decode(const QByteArray& bytes);
    bool operator==(const NetBookRecord&) const = default;
};

struct AssignmentRecord {
    static constexpr int Size = AssignmentRecordSize;
    qint32 userNumber = 0;
    std::array<bool, AssignedBooks> assigned{}; // assigned[n - 1] for book number n

    bool isAssigned(int bookNumber) const {
        return bookNumber >= 1 && bookNumber <= AssignedBooks && assigned[bookNumber - 1];
    }
    QByteArray encode() const;
    static AssignmentRecord decode(const QByteArray& bytes);
};

// The folders and files of the shared users folder (the network data directory).
QString adminFolder(const Context& ctx);
QString registerPath(const Context& ctx, const QString& name);
QString userFolderPath(const Context& ctx, const QString& folderName);

// Creates the four empty registers in the admin folder; false on failure.
bool createEmptyRegisters(const QString& adminDir);

// Highest user number in users.dat plus one (0 for an empty register).
int NextUserNumber(Context& ctx);
// The number of the user of that name (exact comparison), -1 when none.
int UserNumberByName(Context& ctx, const QString& name);
// "admin" for the user "Admin", otherwise "user_" and the number padded to six digits.
QString UserFolderName(Context& ctx, const QString& name);
QString userFolderNameFor(const QString& name, int number);
// Adds the user to users.dat, makes the user's folder with an empty session
// marker, library and book list, and an assignment record (errors 47..49).
bool CreateUser(Context& ctx, const UserRecord& user);

// The assignment record of that user in books_user.dat, read once (error 42 when the
// register cannot be read); empty when the register has no record for the user.
std::optional<AssignmentRecord> ReadAssignment(Context& ctx, int userNumber);
// The record of that book number in netbooks.dat under the access rule; its name is
// empty when no record has the number, when the admin folder is missing or after ten
// failed attempts.
NetBookRecord ReadNetBook(Context& ctx, int bookNumber);

// True when computers.dat holds that identifier (error 43 when it cannot be read).
bool ComputerRegistered(Context& ctx, const QString& identifier);
// Appends a computer record to computers.dat; false on failure.
bool appendComputer(Context& ctx, const ComputerRecord& computer);

} // namespace tessera
