#include "network/registers.h"

#include "shell/access.h"
#include "bookfiles/binaryfield.h"
#include "shell/context.h"
#include "shell/datetext.h"
#include "shell/errors.h"
#include "shell/filecopy.h"
#include "shell/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessera {

namespace {
const QString UsersFile = QStringLiteral("users.dat");
const QString ComputersFile = QStringLiteral("computers.dat");
const QString NetBooksFile = QStringLiteral("netbooks.dat");
const QString AssignmentsFile = QStringLiteral("books_user.dat");

const QString LibraryTemplates[3] = {QStringLiteral("library_esp.dat"), QStringLiteral("library_eng.dat"),
                                     QStringLiteral("library_por.dat")};
// The log words of the library copy, by language.
const char* const LibraryLogWords[3] = {"sp", "eng", "por"};

// Reads a register whole under the access rule; empty optional after ten failures.
std::optional<QByteArray> readRegister(Context& ctx, const QString& path) {
    QByteArray content;
    const bool ok = withAccessRule(ctx, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return Attempt::Retry;
        content = file.readAll();
        return file.error() == QFileDevice::NoError ? Attempt::Done : Attempt::Retry;
    });
    if (!ok) return std::nullopt;
    return content;
}

// Calls visit for each whole record of the content.
template <typename Visit>
void forEachRecord(const QByteArray& content, int size, Visit visit) {
    for (qsizetype at = 0; at + size <= content.size(); at += size) visit(content.mid(at, size));
}

bool appendBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const bool ok = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return ok;
}

bool createEmptyFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}
} // namespace

namespace {
struct TextField {
    int offset;
    int capacity;
};

// Writes the texts into the record, or nothing when one does not fit its field.
bool setTexts(QByteArray& record, std::initializer_list<std::pair<TextField, const QString*>> fields) {
    for (const auto& [field, text] : fields)
        if (bin::ansiProblem(*text, field.capacity) != bin::TextProblem::None) return false;
    for (const auto& [field, text] : fields) bin::setShortString(record, field.offset, field.capacity, *text);
    return true;
}

void setMoment(QByteArray& record, int offset, const QDateTime& moment) {
    bin::setF64(record, offset, moment.isValid() ? toDayCount(moment) : 0.0);
}

QDateTime moment(const QByteArray& record, int offset) {
    const double days = bin::f64(record, offset);
    return days == 0.0 ? QDateTime() : fromDayCount(days);
}
} // namespace

std::optional<QByteArray> UserRecord::encode() const {
    QByteArray record(Size, '\0');
    const bool fits = setTexts(record, {{{0, 32}, &name},
                                        {{40, 24}, &password},
                                        {{88, 64}, &address},
                                        {{153, 16}, &postalCode},
                                        {{170, 24}, &city},
                                        {{195, 24}, &country},
                                        {{220, 24}, &telephone},
                                        {{245, 24}, &mobile},
                                        {{270, 64}, &email}});
    if (!fits) return std::nullopt;
    bin::setI32(record, 36, number);
    bin::setFlag(record, 65, usesPassword);
    bin::setFlag(record, 66, inactive);
    setMoment(record, 72, registered);
    setMoment(record, 80, deregistered);
    return record;
}

UserRecord UserRecord::decode(const QByteArray& bytes) {
    UserRecord u;
    u.name = bin::shortString(bytes, 0, 32);
    u.number = bin::i32(bytes, 36);
    u.password = bin::shortString(bytes, 40, 24);
    u.usesPassword = bin::flag(bytes, 65);
    u.inactive = bin::flag(bytes, 66);
    u.registered = moment(bytes, 72);
    u.deregistered = moment(bytes, 80);
    u.address = bin::shortString(bytes, 88, 64);
    u.postalCode = bin::shortString(bytes, 153, 16);
    u.city = bin::shortString(bytes, 170, 24);
    u.country = bin::shortString(bytes, 195, 24);
    u.telephone = bin::shortString(bytes, 220, 24);
    u.mobile = bin::shortString(bytes, 245, 24);
    u.email = bin::shortString(bytes, 270, 64);
    return u;
}

std::optional<QByteArray> ComputerRecord::encode() const {
    QByteArray record(Size, '\0');
    if (!setTexts(record, {{{1, 10}, &identifier}, {{12, 32}, &location}, {{45, 255}, &description}}))
        return std::nullopt;
    bin::setFlag(record, 0, inactive);
    return record;
}

ComputerRecord ComputerRecord::decode(const QByteArray& bytes) {
    return {bin::flag(bytes, 0), bin::shortString(bytes, 1, 10), bin::shortString(bytes, 12, 32),
            bin::shortString(bytes, 45, 255)};
}

std::optional<QByteArray> NetBookRecord::encode() const {
    QByteArray record(Size, '\0');
    if (!setTexts(record, {{{8, NameCapacity}, &name}})) return std::nullopt;
    bin::setFlag(record, 0, inactive);
    bin::setI32(record, 4, number);
    bin::setI32(record, 36, recordCount);
    return record;
}

NetBookRecord NetBookRecord::decode(const QByteArray& bytes) {
    return {bin::flag(bytes, 0), bin::i32(bytes, 4), bin::shortString(bytes, 8, NameCapacity),
            bin::i32(bytes, 36)};
}

QByteArray AssignmentRecord::encode() const {
    QByteArray record(Size, '\0');
    bin::setI32(record, 0, userNumber);
    for (int n = 1; n <= AssignedBooks; ++n)
        bin::setFlag(record, 3 + n, assigned[n - 1]);
    return record;
}

AssignmentRecord AssignmentRecord::decode(const QByteArray& bytes) {
    AssignmentRecord record;
    record.userNumber = bin::i32(bytes, 0);
    for (int n = 1; n <= AssignedBooks; ++n)
        record.assigned[n - 1] = bin::flag(bytes, 3 + n);
    return record;
}

QString adminFolder(const Context& ctx) {
    return subdirectory(ctx.settings.netDataDir, QStringLiteral("admin"));
}

QString registerPath(const Context& ctx, const QString& name) {
    return filePath(adminFolder(ctx), name);
}

QString userFolderPath(const Context& ctx, const QString& folderName) {
    return subdirectory(ctx.settings.netDataDir, folderName);
}

bool createEmptyRegisters(const QString& adminDir) {
    for (const QString& name : {UsersFile, NetBooksFile, ComputersFile, AssignmentsFile})
        if (!createEmptyFile(filePath(adminDir, name))) return false;
    return true;
}

int NextUserNumber(Context& ctx) {
    const auto content = readRegister(ctx, registerPath(ctx, UsersFile));
    int next = 0;
    if (content)
        forEachRecord(*content, UserRecord::Size, [&](const QByteArray& record) {
            next = std::max(next, UserRecord::decode(record).number + 1);
        });
    return next;
}

int UserNumberByName(Context& ctx, const QString& name) {
    if (!QFileInfo::exists(adminFolder(ctx))) return -1;
    const auto content = readRegister(ctx, registerPath(ctx, UsersFile));
    int number = -1;
    if (content)
        forEachRecord(*content, UserRecord::Size, [&](const QByteArray& record) {
            const UserRecord user = UserRecord::decode(record);
            if (number < 0 && user.name == name) number = user.number;
        });
    return number;
}

QString userFolderNameFor(const QString& name, int number) {
    if (name == QLatin1String("Admin")) return QStringLiteral("admin");
    return QStringLiteral("user_%1").arg(number, 6, 10, QLatin1Char('0'));
}

QString UserFolderName(Context& ctx, const QString& name) {
    return userFolderNameFor(name, name == QLatin1String("Admin") ? 0 : UserNumberByName(ctx, name));
}

bool CreateUser(Context& ctx, const UserRecord& user) {
    if (ctx.settings.fatalError) return false;
    ctx.log(QStringLiteral("ADM create user start"));
    const auto encoded = user.encode();
    if (!encoded || (QFileInfo::exists(adminFolder(ctx)) && !appendBytes(registerPath(ctx, UsersFile), *encoded))) {
        reportError(ctx, err::CreateUser1);
        return false;
    }

    // The record was just appended, so its own number is the one a lookup would find.
    const QString folderName = userFolderNameFor(user.name, user.number);
    ctx.log(QStringLiteral("ADM user´s dir: ") + folderName);
    const QString folder = userFolderPath(ctx, folderName);
    bool ok = QDir().mkpath(folder);
    const QString marker = filePath(folder, QStringLiteral("id_disk.dat"));
    if (ok && !QFileInfo::exists(marker)) {
        ok = createEmptyFile(marker);
        ctx.log(QStringLiteral("ADM cmp ok"));
    }
    if (ok) {
        const int language = std::clamp(ctx.settings.currentLanguage, 0, 2);
        const QString word = QLatin1String(LibraryLogWords[language]);
        ctx.log(QStringLiteral("ADM lib ") + word);
        ctx.log(QStringLiteral("ADM ini_dir: ") + ctx.appFile(LibraryTemplates[language]));
        const QString destination = filePath(folder, QStringLiteral("library.dat"));
        ctx.log(QStringLiteral("ADM dest_dir: ") + destination);
        ok = copyFile(ctx, ctx.appFile(LibraryTemplates[language]), destination, false);
        if (ok) ctx.log(QStringLiteral("ADM lib ") + word + QStringLiteral(" ok"));
    }
    if (ctx.settings.fatalError) return false; // the copy has already reported its failure
    if (!ok || !createEmptyFile(filePath(folder, QStringLiteral("books.dat")))) {
        reportError(ctx, err::CreateUser2);
        return false;
    }

    QByteArray assignment(AssignmentRecordSize, '\0');
    bin::setI32(assignment, 0, user.number);
    if (!appendBytes(registerPath(ctx, AssignmentsFile), assignment)) {
        reportError(ctx, err::CreateUser3);
        return false;
    }
    ctx.log(QStringLiteral("ADM create user ok"));
    return true;
}

std::optional<AssignmentRecord> ReadAssignment(Context& ctx, int userNumber) {
    QFile file(registerPath(ctx, AssignmentsFile));
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        reportError(ctx, err::RegisterBooksUser);
        return std::nullopt;
    }
    std::optional<AssignmentRecord> found;
    forEachRecord(content, AssignmentRecord::Size, [&](const QByteArray& record) {
        if (!found && bin::i32(record, 0) == userNumber) found = AssignmentRecord::decode(record);
    });
    return found;
}

NetBookRecord ReadNetBook(Context& ctx, int bookNumber) {
    if (!QFileInfo::exists(adminFolder(ctx))) return {};
    const auto content = readRegister(ctx, registerPath(ctx, NetBooksFile));
    std::optional<NetBookRecord> found;
    if (content)
        forEachRecord(*content, NetBookRecord::Size, [&](const QByteArray& record) {
            if (!found && bin::i32(record, 4) == bookNumber) found = NetBookRecord::decode(record);
        });
    return found.value_or(NetBookRecord{});
}

bool ComputerRegistered(Context& ctx, const QString& identifier) {
    QFile file(registerPath(ctx, ComputersFile));
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(ctx, err::RegisterComputers);
        return false;
    }
    bool found = false;
    forEachRecord(file.readAll(), ComputerRecord::Size, [&](const QByteArray& record) {
        found = found || ComputerRecord::decode(record).identifier == identifier;
    });
    return found;
}

bool appendComputer(Context& ctx, const ComputerRecord& computer) {
    const auto encoded = computer.encode();
    return encoded && appendBytes(registerPath(ctx, ComputersFile), *encoded);
}

} // namespace tessera
