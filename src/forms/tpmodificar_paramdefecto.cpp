#include "forms/tpmodificar_paramdefecto.h"

#include "forms/frame.h"

namespace tessera {

TPModificar_ParamDefecto::TPModificar_ParamDefecto(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("MD DEFPAR"), parent) {
    setObjectName(QStringLiteral("TPModificar_ParamDefecto"));
    buildFrame(*this, QStringLiteral("Parámetros por defecto"), QSize(560, 400));
}

} // namespace tessera
