#include "shell/filecopy.h"

#include "shell/access.h"
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

Attempt copyAttempt(Context& ctx, const QString& source, const QString& destination, bool showProgress) {
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
    const bool copied = in.open(QIODevice::ReadOnly) &&
                        out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                        copyBlocks(ctx, in, out, showProgress);
    in.close();
    out.close();
    if (!copied) {
        QFile::remove(twin);
        return Attempt::Stop;
    }
    // A destination held by someone else (another computer on a shared
    // folder) is worth another try; the old file stays until it can be replaced.
    if (QFileInfo::exists(destination) && !QFile::remove(destination)) {
        QFile::remove(twin);
        return Attempt::Retry;
    }
    ctx.delay(1);
    if (!QFile::rename(twin, destination)) {
        QFile::remove(twin);
        return Attempt::Retry;
    }
    return Attempt::Done;
}
} // namespace

bool copyFile(Context& ctx, const QString& source, const QString& destination, bool showProgress) {
    if (ctx.settings.fatalError) return false;
    bool copyFailed = false;
    const bool done = withAccessRule(ctx, [&] {
        const Attempt result = copyAttempt(ctx, source, destination, showProgress);
        copyFailed = result == Attempt::Stop;
        return result;
    });
    if (done) return true;
    if (copyFailed) {
        reportError(ctx, err::CopyFile);
    } else {
        // The person learns that the file could not be replaced; what was there is kept.
        ctx.feedback().showMessage(ctx.entry(8), MessageKind::Error);
    }
    return false;
}

} // namespace tessera
