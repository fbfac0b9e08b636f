#include "forms/tpmodificar_parametros.h"

#include "forms/frame.h"

namespace tessera {

TPModificar_parametros::TPModificar_parametros(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("MD PAR"), parent) {
    setObjectName(QStringLiteral("TPModificar_parametros"));
    buildFrame(*this, QStringLiteral("Modificar parametros"), QSize(560, 420));
}

} // namespace tessera
