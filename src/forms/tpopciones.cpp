#include "forms/tpopciones.h"

#include "forms/frame.h"

namespace tessera {

TPOpciones::TPOpciones(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("OPTS"), parent) {
    setObjectName(QStringLiteral("TPOpciones"));
    buildFrame(*this, QStringLiteral("Opciones"), QSize(520, 420));
}

} // namespace tessera
