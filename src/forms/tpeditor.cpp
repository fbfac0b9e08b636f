#include "forms/tpeditor.h"

#include "forms/frame.h"

#include <QBoxLayout>
#include <QLabel>

namespace tessera {

TPEditor::TPEditor(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("EDITOR"), parent) {
    setObjectName(QStringLiteral("TPEditor"));
    buildFrame(*this, QStringLiteral("Editor"), QSize(900, 640));
    Panel_Version = new QLabel(this);
    Panel_Version->setObjectName(QStringLiteral("Panel_Version"));
    static_cast<QBoxLayout*>(layout())->insertWidget(0, Panel_Version);
}

} // namespace tessera
