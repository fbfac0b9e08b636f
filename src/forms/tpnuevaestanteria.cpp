#include "forms/tpnuevaestanteria.h"

#include "forms/frame.h"

namespace tessera {

TPNuevaEstanteria::TPNuevaEstanteria(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("NEW SH"), parent) {
    setObjectName(QStringLiteral("TPNuevaEstanteria"));
    buildFrame(*this, QStringLiteral("Nueva estantería"), QSize(360, 170));
}

} // namespace tessera
