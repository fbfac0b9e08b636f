#pragma once

#include <QDateTime>
#include <QString>

namespace tessera {

enum class MessageKind { Error = 0, Information = 1, Question = 2 };
enum Answer : int { AnswerOk = 0, AnswerYes = 1, AnswerNo = 2 };

// The seam through which engine routines talk to the person: status texts,
// progress, messages and letting the interface run. The application implements
// it with the real windows; tests pass a fake that records calls and answers
// questions from a script.
class Feedback {
public:
    virtual ~Feedback() = default;
    // The action pane of the main window (and of the administration console).
    virtual void setStatusText(const QString& text) = 0;
    virtual void setProgress(int percent) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    // Modal; returns an Answer.
    virtual int showMessage(const QString& text, MessageKind kind) = 0;
    // A notice shown without waiting, with its "Ok" button disabled; the next message replaces it.
    virtual void showNotice(const QString& text, MessageKind kind) = 0;
    // Lets pending window messages run once.
    virtual void processEvents() = 0;
    // Asks the application to end its message loop.
    virtual void requestTerminate() = 0;
    // A shared file could not be reached after repeated tries.
    virtual void connectionLost() = 0;
};

// The clock and the random numbers, injectable so that tests can fix them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
};

class Random {
public:
    virtual ~Random() = default;
    // A whole number in 0..n-1 (0 when n <= 0).
    virtual int below(int n);
    virtual void seed(quint32 value);

private:
    quint32 state_ = 0x2545F491u;
    bool seeded_ = false;
};

} // namespace tessera
