#pragma once

#include "shell/context.h"

#include <QString>
#include <algorithm>
#include <functional>

namespace tessera {

// Long book-file operations hold the events-enabled flag cleared and show a
// status text with a progress bar; both are put back however the operation ends.
class BusyScope {
public:
    BusyScope(Context& ctx, int statusEntry) : ctx_(ctx), saved_(ctx.settings.eventsEnabled) {
        ctx_.settings.eventsEnabled = 0;
        show(statusEntry);
    }
    ~BusyScope() {
        clear();
        ctx_.settings.eventsEnabled = saved_;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    void show(int statusEntry) {
        cleared_ = false;
        ctx_.feedback().setStatusText(ctx_.entry(statusEntry));
        ctx_.feedback().setProgressVisible(true);
        ctx_.feedback().setProgress(0);
    }
    void clear() {
        if (cleared_) return;
        cleared_ = true;
        ctx_.feedback().setStatusText(QString());
        ctx_.feedback().setProgressVisible(false);
    }
    // Shows a percentage and lets window messages run.
    void progress(int percent) {
        ctx_.feedback().setProgress(percent);
        ctx_.processMessages();
    }
    std::function<void(int)> reporter() {
        return [this](int percent) { progress(percent); };
    }

private:
    Context& ctx_;
    quint8 saved_;
    bool cleared_ = false;
};

// Progress over a known amount of work, reported only when the percentage moves.
class StepProgress {
public:
    StepProgress(qint64 total, std::function<void(int)> report)
        : total_(std::max<qint64>(1, total)), report_(std::move(report)) {}
    void advance(qint64 steps) {
        done_ += steps;
        const int percent = static_cast<int>(std::min<qint64>(100, done_ * 100 / total_));
        if (percent == last_ || !report_) return;
        last_ = percent;
        report_(percent);
    }

private:
    qint64 total_;
    qint64 done_ = 0;
    int last_ = 0;
    std::function<void(int)> report_;
};

} // namespace tessera
