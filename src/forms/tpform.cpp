#include "forms/tpform.h"

#include "forms/tesseraapp.h"

#include <QHideEvent>
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
    if (!tag_.isEmpty()) ctx().log(QStringLiteral("ACT ") + tag_);
    formActivate();
}

void TPForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;
    formClose();
    if (!tag_.isEmpty()) ctx().log(QStringLiteral("DES ") + tag_);
}

} // namespace tessera
