#pragma once

#include "shell/feedback.h"

#include <cstdio>

namespace tessera {

// The benchmarks' feedback: nothing shows; a message goes to standard error.
class QuietFeedback : public Feedback {
public:
    void setStatusText(const QString&) override {}
    void setProgress(int) override {}
    void setProgressVisible(bool) override {}
    int showMessage(const QString& text, MessageKind) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return AnswerOk;
    }
    void showNotice(const QString&, MessageKind) override {}
    void processEvents() override {}
    void requestTerminate() override {}
    void connectionLost() override {}
};

} // namespace tessera
