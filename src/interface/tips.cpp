#include "interface/tips.h"

#include "shell/context.h"
#include "shell/errors.h"
#include "shell/textfile.h"

namespace tessera {

namespace {
constexpr const char* Files[3] = {"tip_esp.txt", "tip_eng.txt", "tip_por.txt"};

std::optional<QStringList> tipLines(Context& ctx, int error) {
    auto lines = readTextLines(ctx.appFile(tipFileName(ctx.settings.currentLanguage)));
    if (!lines) {
        reportError(ctx, error);
        return std::nullopt;
    }
    lines->removeAll(QString());
    return lines;
}
} // namespace

QString tipFileName(int language) {
    return QLatin1String(Files[std::clamp(language, 0, 2)]);
}

std::optional<int> countTips(Context& ctx) {
    const auto lines = tipLines(ctx, err::CountTips);
    if (!lines) return std::nullopt;
    return static_cast<int>(lines->size());
}

std::optional<QString> readTip(Context& ctx, int n) {
    const auto lines = tipLines(ctx, err::ReadTip);
    if (!lines) return std::nullopt;
    if (n < 1 || n > lines->size()) return QString();
    return lines->at(n - 1).mid(4);
}

int chooseTip(Context& ctx, int count, int previous, bool firstStart) {
    if (count <= 0) return 0;
    if (count == 1 || firstStart) return 1;
    int tip = previous;
    while (tip == previous) tip = 1 + ctx.random().below(count);
    return tip;
}

} // namespace tessera
