#include "network/registers.h"

#include "shell/access.h"
#include "shell/binaryfields.h"
#include "shell/context.h"
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

std::optional<QByteArray> UserRecord::encode() const {
    RecordWriter w(Size);
    bool ok = w.string(0, 32, name) && w.string(40, 24, password) && w.string(88, 64, address) &&
              w.string(153, 16, postalCode) && w.string(170, 24, city) && w.string(195, 24, country) &&
              w.string(220, 24, telephone) && w.string(245, 24, mobile) && w.string(270, 64, email);
    if (!ok) return std::nullopt;
    w.int32(36, number);
    w.flag(65, usesPassword);
    w.flag(66, inactive);
    w.dateTime(72, registered);
    w.dateTime(80, deregistered);
    return w.bytes();
}

UserRecord UserRecord::decode(const QByteArray& bytes) {
    const RecordReader r(bytes);
    UserRecord u;
    u.name = r.string(0, 32);
    u.number = r.int32(36);
    u.password = r.string(40, 24);
    u.usesPassword = r.flag(65);
    u.inactive = r.flag(66);
    u.registered = r.dateTime(72);
    u.deregistered = r.dateTime(80);
    u.address = r.string(88, 64);
    u.postalCode = r.string(153, 16);
    u.city = r.string(170, 24);
    u.country = r.string(195, 24);
    u.telephone = r.string(220, 24);
    u.mobile = r.string(245, 24);
    u.email = r.string(270, 64);
    return u;
}

std::optional<QByteArray> ComputerRecord::encode() const {
    RecordWriter w(Size);
    if (!w.string(1, 10, identifier) || !w.string(12, 32, location) || !w.string(45, 255, description))
        return std::nullopt;
    w.flag(0, inactive);
    return w.bytes();
}

ComputerRecord ComputerRecord::decode(const QByteArray& bytes) {
    const RecordReader r(bytes);
    return {r.flag(0), r.string(1, 10), r.string(12, 32), r.string(45, 255)};
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

    RecordWriter assignment(AssignmentRecordSize);
    assignment.int32(0, user.number);
    if (!appendBytes(registerPath(ctx, AssignmentsFile), assignment.bytes())) {
        reportError(ctx, err::CreateUser3);
        return false;
    }
    ctx.log(QStringLiteral("ADM create user ok"));
    return true;
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
