#include "shell/helpfiles.h"

#include "shell/context.h"
#include "shell/filecopy.h"

#include <QFileInfo>

namespace tessera {

namespace {
constexpr const char* Codes[3] = {"ESP", "ENG", "POR"};
// Spanish falls back to English, English to Spanish, Portuguese to English.
constexpr int Fallback[3] = {English, Spanish, English};
} // namespace

QString helpFileName(int language, int version) {
    return QStringLiteral("HELP_%1_%2.HLP")
        .arg(QLatin1String(Codes[language]))
        .arg(version, 3, 10, QLatin1Char('0'));
}

void searchHelpFiles(Context& ctx) {
    for (int language = 0; language < 3; ++language) {
        HelpFileEntry& entry = ctx.settings.helpFiles[language];
        entry = HelpFileEntry{};
        for (int n = 999; n >= 0; --n) {
            const QString path = ctx.appFile(helpFileName(language, n));
            if (QFileInfo::exists(path)) {
                entry = {true, static_cast<qint16>(n), path};
                break;
            }
        }
    }
}

QString installHelpFile(Context& ctx) {
    const int language = std::clamp(ctx.settings.currentLanguage, 0, 2);
    const HelpFileEntry& entry = ctx.settings.helpFiles[language];
    const QString target = ctx.appFile(QStringLiteral("help.hlp"));
    if (entry.found) {
        copyFile(ctx, entry.path, target, false);
        return ctx.entry(581) + QStringLiteral(" v.") + QString::number(entry.version);
    }
    const HelpFileEntry& fallback = ctx.settings.helpFiles[Fallback[language]];
    // A missing fallback is an ordinary failed copy (error 95).
    const QString source =
        fallback.found ? fallback.path : ctx.appFile(helpFileName(Fallback[language], 0));
    if (copyFile(ctx, source, target, false))
        ctx.feedback().showMessage(ctx.entry(30), MessageKind::Information);
    return QString();
}

} // namespace tessera
