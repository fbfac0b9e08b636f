#include "forms/tpcontrasenha.h"

#include "forms/frame.h"

namespace tessera {

TPContrasenha::TPContrasenha(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("PASS"), parent) {
    setObjectName(QStringLiteral("TPContrasenha"));
    buildFrame(*this, QStringLiteral("Contraseña"), QSize(320, 150));
}

} // namespace tessera
