#include "forms/tpperdidaconexion.h"

#include "forms/frame.h"

namespace tessera {

TPPerdidaConexion::TPPerdidaConexion(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("LOST CONN"), parent) {
    setObjectName(QStringLiteral("TPPerdidaConexion"));
    buildFrame(*this, QStringLiteral("Pérdida de conexión"), QSize(380, 180));
}

} // namespace tessera
