#pragma once

#include "shell/context.h"

#include <QList>
#include <QStringList>
#include <deque>

namespace tessera::test {

struct ShownMessage {
    QString text;
    MessageKind kind;
};

// Records what the engine shows and answers questions from a script
// (AnswerOk for errors and notices, the next scripted answer for questions,
// AnswerNo when the script is empty).
class FakeFeedback : public Feedback {
public:
    void setStatusText(const QString& text) override { statusTexts << text; }
    void setProgress(int percent) override { progress << percent; }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    int showMessage(const QString& text, MessageKind kind) override;
    void showNotice(const QString& text, MessageKind kind) override {
        notices.append({text, kind});
    }
    void processEvents() override { ++eventRuns; }
    void requestTerminate() override { ++terminateRequests; }
    void connectionLost() override { ++connectionLosses; }

    std::deque<int> answers;
    QList<ShownMessage> messages;
    QList<ShownMessage> notices;
    QStringList statusTexts;
    QList<int> progress;
    bool progressVisible = false;
    int eventRuns = 0;
    int terminateRequests = 0;
    int connectionLosses = 0;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return moment; }
    QDateTime moment{QDate(2026, 12, 11), QTime(10, 30, 0)};
};

} // namespace tessera::test
