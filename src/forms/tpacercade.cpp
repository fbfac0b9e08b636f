#include "forms/tpacercade.h"

#include "forms/frame.h"

#include <QBoxLayout>
#include <QLabel>

namespace tessera {

TPAcercaDe::TPAcercaDe(TesseraApp& app, QWidget* parent)
    : TPForm(app, QStringLiteral("ABOUT"), parent) {
    setObjectName(QStringLiteral("TPAcercaDe"));
    buildFrame(*this, QStringLiteral("Acerca de Tessera"), QSize(400, 240));
    auto* title = new QLabel(QStringLiteral("<h2>Tessera</h2>"), this);
    L_Version = new QLabel(this);
    L_Version->setObjectName(QStringLiteral("L_Version"));
    L_HelpFile = new QLabel(this);
    L_HelpFile->setObjectName(QStringLiteral("L_HelpFile"));
    auto* box = static_cast<QBoxLayout*>(layout());
    box->insertWidget(0, title);
    box->insertWidget(1, L_Version);
    box->insertWidget(2, L_HelpFile);
}

} // namespace tessera
