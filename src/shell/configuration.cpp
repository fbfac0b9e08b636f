#include "shell/configuration.h"

#include "network/registers.h"
#include "shell/context.h"
#include "shell/errors.h"
#include "shell/paths.h"
#include "shell/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessera {

namespace {
struct RegisterStep {
    const char* logLine;
    const char* file;
};
constexpr RegisterStep RegisterSteps[] = {{"MIN dir users_file", "users.dat"},
                                          {"MIN dir books_file", "netbooks.dat"},
                                          {"MIN dir computers_file", "computers.dat"},
                                          {"MIN dir books_users_file", "books_user.dat"}};
} // namespace

bool createUsersFolder(Context& ctx, const QString& parent) {
    ctx.log(QStringLiteral("MIN db start"));
    if (ctx.settings.fatalError) return false;
    const QString target = withTrailingSeparator(parent) + QStringLiteral("t_users");
    ctx.log(QStringLiteral("MIN db dir= ") + target);

    if (QFileInfo(target).isDir()) return true; // an existing users folder is taken as it is
    if (!QDir().mkdir(target)) return false;
    ctx.log(QStringLiteral("MIN dir create ok"));

    const QString admin = subdirectory(target, QStringLiteral("admin"));
    bool ok = QDir().mkdir(admin) && QDir().mkdir(filePath(target, QStringLiteral("books")));
    for (const RegisterStep& step : RegisterSteps) {
        ctx.log(QLatin1String(step.logLine));
        QFile file(filePath(admin, QLatin1String(step.file)));
        ok = ok && file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    if (!ok) {
        reportError(ctx, err::CreateRegisters);
        return false;
    }
    ctx.log(QStringLiteral("MIN dir files ok"));
    return true;
}

bool registerThisComputer(Context& ctx) {
    if (ctx.settings.fatalError) return false;
    const QString id = ctx.settings.computerId.isEmpty() ? computerIdentifier() : ctx.settings.computerId;
    const QString computers = registerPath(ctx, QStringLiteral("computers.dat"));
    // A register that cannot be read is this step's failure, not the lookup's.
    if (!QFile(computers).open(QIODevice::ReadOnly) ||
        (!ComputerRegistered(ctx, id) && !appendComputer(ctx, ComputerRecord{false, id, {}, {}}))) {
        reportError(ctx, err::AddComputer);
        return false;
    }
    return true;
}

bool ensureAdministrator(Context& ctx) {
    if (UserNumberByName(ctx, QStringLiteral("Admin")) >= 0) return true;
    UserRecord admin;
    admin.name = QStringLiteral("Admin");
    admin.number = 0;
    admin.registered = ctx.clock().now();
    return CreateUser(ctx, admin);
}

} // namespace tessera
