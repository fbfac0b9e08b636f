#include "forms/tpanhadirlibro.h"

#include "forms/frame.h"

namespace tessera {

TPAnhadirLibro::TPAnhadirLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("ADD BOOK"), parent) {
    setObjectName(QStringLiteral("TPAnhadirLibro"));
    buildFrame(*this, QStringLiteral("Añadir libro"), QSize(480, 320));
}

} // namespace tessera
