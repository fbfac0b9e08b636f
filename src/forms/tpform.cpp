#include "forms/tpform.h"

#include "forms/tesseraapp.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QPointer>
#include <QShowEvent>

namespace tessera {

TPForm::TPForm(TesseraApp& app, const QString& tag, QWidget* parent)
    : QDialog(parent), app_(app), tag_(tag) {}

Context& TPForm::ctx() {
    return app_.ctx();
}

void TPForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // Logging lets messages run; that must not happen while the window is
    // still being shown, so the activation runs as soon as the showing is over.
    QMetaObject::invokeMethod(this, &TPForm::activate, Qt::QueuedConnection);
}

void TPForm::activate() {
    if (!isVisible()) return;
    if (!tag_.isEmpty()) ctx().log(QStringLiteral("ACT ") + tag_);
    formActivate();
    activated_ = isVisible();
}

int TPForm::exec() {
    QPointer<TPForm> guard(this);
    setResult(0);
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    loop_ = &loop;
    show();
    if (guard && isVisible()) loop.exec(QEventLoop::DialogExec);
    if (!guard) return 0;
    loop_ = nullptr;
    return result();
}

void TPForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    activated_ = false;
    if (loop_) loop_->exit();
    if (event->spontaneous()) return;
    formClose();
    if (!tag_.isEmpty()) ctx().log(QStringLiteral("DES ") + tag_);
}

} // namespace tessera
