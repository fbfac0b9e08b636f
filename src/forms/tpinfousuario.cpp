#include "forms/tpinfousuario.h"

#include "forms/frame.h"

namespace tessera {

TPInfoUsuario::TPInfoUsuario(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("INFO_USER"), parent) {
    setObjectName(QStringLiteral("TPInfoUsuario"));
    buildFrame(*this, QStringLiteral("Información de usuario"), QSize(460, 420));
}

} // namespace tessera
