#include "forms/tpeditor.h"

#include "forms/frame.h"
#include "forms/tpprincipal.h"

#include <QBoxLayout>
#include <QLabel>

namespace tessera {

TPEditor::TPEditor(TesseraApp& app, QWidget* parent)
    : TPForm(app, QStringLiteral("EDITOR"), parent) {
    setObjectName(QStringLiteral("TPEditor"));
    buildFrame(*this, QStringLiteral("Editor"), QSize(900, 640));
    Panel_Version = new QLabel(this);
    Panel_Version->setObjectName(QStringLiteral("Panel_Version"));
    static_cast<QBoxLayout*>(layout())->insertWidget(0, Panel_Version);

    Barra_Sugerencias = new QWidget(this);
    Barra_Sugerencias->setObjectName(QStringLiteral("Barra_Sugerencias"));
    auto* bar = new QHBoxLayout(Barra_Sugerencias);
    bar->setContentsMargins(0, 0, 0, 0);
    TC_Sugerencias =
        TPPrincipal::buildSuggestionStrip(Fondo_TC_Sugerencias, L_Sugerencia, Im, Btn_Siguiente);
    bar->addWidget(TC_Sugerencias);
    bar->addStretch(1);
    static_cast<QBoxLayout*>(layout())->insertWidget(0, Barra_Sugerencias);
}

} // namespace tessera
