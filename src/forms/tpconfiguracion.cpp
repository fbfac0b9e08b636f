#include "forms/tpconfiguracion.h"

#include "forms/frame.h"

#include <QBoxLayout>
#include <QPushButton>

namespace tessera {

TPConfiguracion::TPConfiguracion(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("CONFIG"), parent) {
    setObjectName(QStringLiteral("TPConfiguracion"));
    buildFrame(*this, QStringLiteral("Configuration/Configuración/configuração"), QSize(480, 345));
    Btn_OK = new QPushButton(QStringLiteral("Ok"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setDefault(true);
    // The wizard's pages come with the configuration; until then "Ok" waits beside "Cerrar".
    static_cast<QBoxLayout*>(layout()->itemAt(1)->layout())->insertWidget(1, Btn_OK);
}

} // namespace tessera
