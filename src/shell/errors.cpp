#include "shell/errors.h"

#include "shell/context.h"

namespace tessera {

void reportError(Context& ctx, int number, ErrorMode mode) {
    ctx.settings.errorNumber = number;
    if (mode == ErrorMode::RecordOnly) return;
    ctx.log(QStringLiteral("ERR %1").arg(number));
    if (mode == ErrorMode::LogOnly) return;
    ctx.feedback().showMessage(ctx.entry(1) + QStringLiteral(": ") + QString::number(number),
                               MessageKind::Error);
    ctx.terminate();
}

} // namespace tessera
