#include "forms/tpeliminarestanteria.h"

#include "forms/frame.h"

namespace tessera {

TPEliminarEstanteria::TPEliminarEstanteria(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("ADDSH"), parent) {
    setObjectName(QStringLiteral("TPEliminarEstanteria"));
    buildFrame(*this, QStringLiteral("Eliminar estantería"), QSize(360, 170));
}

} // namespace tessera
