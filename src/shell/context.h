#pragma once

#include "interface/languagetable.h"
#include "shell/eventlog.h"
#include "shell/feedback.h"
#include "shell/settings.h"

namespace tessera {

// What every routine of the program reaches: the settings, the event log, the
// language table and the seams to the windows, the clock and chance. The
// application owns one; tests build their own with fakes.
class Context {
public:
    Context(Feedback& feedback, Clock& clock, Random& random, double delayScale = 1.0);

    Settings settings;
    LanguageTable language;

    Feedback& feedback() { return *feedback_; }
    Clock& clock() { return *clock_; }
    Random& random() { return *random_; }
    void setFeedback(Feedback& feedback) { feedback_ = &feedback; }

    // Appends a line to the event log, then waits 10 ms letting messages run.
    void log(const QString& text);
    EventLog& eventLog() { return eventLog_; }

    // Waits at least ms milliseconds (times the delay scale) while window
    // messages run; messages run at least once.
    void delay(double ms);
    void processMessages() { feedback_->processEvents(); }
    double delayScale() const { return delayScale_; }

    // Language entry n.
    QString entry(int n) const { return language.entry(n); }

    // Asks the application to terminate and marks the fatal stop.
    void terminate();

    QString appFile(const QString& name) const;

    // The scale of every deliberate wait, read once from TESSERA_DELAY_SCALE (default 1).
    static double delayScaleFromEnvironment();

private:
    Feedback* feedback_;
    Clock* clock_;
    Random* random_;
    double delayScale_;
    EventLog eventLog_;
};

} // namespace tessera
