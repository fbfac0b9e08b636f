#include "forms/tpcambiocontrasenha.h"

#include "forms/frame.h"

namespace tessera {

TPCambioContrasenha::TPCambioContrasenha(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("CH PASS"), parent) {
    setObjectName(QStringLiteral("TPCambioContrasenha"));
    buildFrame(*this, QStringLiteral("Cambio de contraseña"), QSize(340, 200));
}

} // namespace tessera
