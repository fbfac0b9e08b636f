#include "forms/tpmoverlibro.h"

#include "forms/frame.h"

namespace tessera {

TPMoverLibro::TPMoverLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("MV BOOK"), parent) {
    setObjectName(QStringLiteral("TPMoverLibro"));
    buildFrame(*this, QStringLiteral("Mover libro"), QSize(360, 200));
}

} // namespace tessera
