#include "shell/netdat.h"

#include "shell/context.h"
#include "shell/errors.h"
#include "shell/textfile.h"

#include <QFileInfo>

namespace tessera {

namespace {
QString netDatPath(const Context& ctx) {
    return ctx.appFile(QStringLiteral("net.dat"));
}
} // namespace

bool netDatExists(const Context& ctx) {
    return QFileInfo::exists(netDatPath(ctx));
}

bool readNetDat(Context& ctx) {
    if (ctx.settings.fatalError) return false;
    const auto lines = readTextLines(netDatPath(ctx));
    bool ok = lines.has_value() && lines->size() >= 1;
    int language = 0;
    if (ok) language = lines->at(0).trimmed().toInt(&ok);
    if (!ok || language < 0 || language > 2) {
        reportError(ctx, err::ReadNetDat);
        return false;
    }
    auto line = [&](int n) { return n <= lines->size() ? lines->at(n - 1) : QString(); };
    ctx.settings.installLanguage = language;
    ctx.settings.netDataDir = line(2);
    ctx.settings.singleUser = textFlag(line(3));
    ctx.settings.localMode = textFlag(line(4));
    return true;
}

bool writeNetDat(Context& ctx) {
    if (ctx.settings.fatalError) return false;
    const QStringList lines = {QString::number(ctx.settings.installLanguage),
                               ctx.settings.netDataDir, flagText(ctx.settings.singleUser),
                               flagText(ctx.settings.localMode)};
    if (!writeTextLines(netDatPath(ctx), lines)) {
        reportError(ctx, err::WriteNetDat);
        return false;
    }
    return true;
}

} // namespace tessera
