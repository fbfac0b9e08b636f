#include "forms/tpnuevolibro.h"

#include "forms/frame.h"

namespace tessera {

TPNuevoLibro::TPNuevoLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("NEW BOOK"), parent) {
    setObjectName(QStringLiteral("TPNuevoLibro"));
    buildFrame(*this, QStringLiteral("Nuevo libro"), QSize(520, 420));
}

} // namespace tessera
