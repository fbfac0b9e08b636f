#include "forms/tpnuevacontrasenha.h"

#include "forms/frame.h"

namespace tessera {

TPNuevaContrasenha::TPNuevaContrasenha(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("NEW PASS"), parent) {
    setObjectName(QStringLiteral("TPNuevaContrasenha"));
    buildFrame(*this, QStringLiteral("Nueva contraseña"), QSize(320, 180));
}

} // namespace tessera
