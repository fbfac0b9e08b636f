#include "shell/filecopy.h"

#include "shell/context.h"
#include "shell/errors.h"

#include <QFile>
#include <QFileInfo>

namespace tessera {

namespace {
constexpr qint64 BlockSize = 2048;

// Restores the events-enabled flag and clears the progress display however the copy ends.
class CopyScope {
public:
    explicit CopyScope(Context& ctx) : ctx_(ctx), saved_(ctx.settings.eventsEnabled) {
        ctx_.settings.eventsEnabled = 0;
    }
    ~CopyScope() {
        ctx_.feedback().setStatusText(QString());
        ctx_.feedback().setProgress(0);
        ctx_.feedback().setProgressVisible(false);
        ctx_.settings.eventsEnabled = saved_;
    }

private:
    Context& ctx_;
    quint8 saved_;
};

bool copyBlocks(Context& ctx, QFile& in, QFile& out, bool showProgress) {
    const qint64 blocks = std::max<qint64>(1, in.size() / BlockSize);
    qint64 done = 0;
    char buffer[BlockSize];
    for (;;) {
        const qint64 read = in.read(buffer, BlockSize);
        if (read < 0) return false;
        if (read == 0) break;
        const qint64 written = out.write(buffer, read);
        if (written < 0) return false;
        ++done;
        if (showProgress)
            ctx.feedback().setProgress(
                static_cast<int>(std::min<qint64>(100, done * 100 / blocks)));
        ctx.processMessages();
        if (written < read) return false;
    }
    return out.flush();
}
} // namespace

bool copyFile(Context& ctx, const QString& source, const QString& destination, bool showProgress) {
    if (ctx.settings.fatalError) return false;
    bool ok = false;
    {
        CopyScope scope(ctx);
        if (showProgress) {
            ctx.feedback().setStatusText(ctx.entry(113));
            ctx.feedback().setProgressVisible(true);
            ctx.feedback().setProgress(0);
        } else {
            ctx.feedback().setStatusText(QString());
            ctx.feedback().setProgressVisible(false);
        }

        // The copy goes to a twin first and replaces the destination only when
        // complete, so a failure half-way never leaves a cut copy in its place.
        const QString twin = destination + QStringLiteral(".~cp");
        QFile::remove(twin);
        QFile in(source);
        QFile out(twin);
        ok = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
             copyBlocks(ctx, in, out, showProgress);
        in.close();
        out.close();
        if (ok) {
            if (QFileInfo::exists(destination) && !QFile::remove(destination))
                ctx.feedback().showMessage(ctx.entry(8), MessageKind::Error);
            ctx.delay(1);
            ok = QFile::rename(twin, destination);
        }
        if (!ok) QFile::remove(twin);
    }
    if (!ok) reportError(ctx, err::CopyFile);
    return ok;
}

} // namespace tessera
