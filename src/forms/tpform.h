#pragma once

#include <QDialog>

class QEventLoop;

namespace tessera {

class Context;
class TesseraApp;

// Base of the program's dialogs: writes "ACT " + tag when the window becomes
// active and "DES " + tag when it closes (an empty tag writes neither), and
// takes its texts from the language table in applyLanguage().
class TPForm : public QDialog {
    Q_OBJECT
public:
    TPForm(TesseraApp& app, const QString& tag, QWidget* parent = nullptr);

    const QString& tag() const { return tag_; }
    // Modal showing. Showing logs the activation, which lets messages run, so
    // the window may already be closed when the wait would begin; then there is
    // nothing to wait for.
    int exec() override;
    // True once the window's activation has run since it was last shown.
    bool activated() const { return activated_; }
    // Sets every caption and text of the window from the language table.
    virtual void applyLanguage() {}

protected:
    Context& ctx();
    TesseraApp& app() { return app_; }
    // Runs after "ACT " + tag each time the window is shown.
    virtual void formActivate() {}
    // Runs before "DES " + tag when the window closes.
    virtual void formClose() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void activate();

    QEventLoop* loop_ = nullptr;
    bool activated_ = false;
    TesseraApp& app_;
    QString tag_;
};

} // namespace tessera
