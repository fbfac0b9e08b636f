#include "forms/tpcoloresreloj.h"

#include "forms/frame.h"

namespace tessera {

TPColoresReloj::TPColoresReloj(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral(""), parent) {
    setObjectName(QStringLiteral("TPColoresReloj"));
    buildFrame(*this, QStringLiteral("Cambiar colores"), QSize(380, 260));
}

} // namespace tessera
