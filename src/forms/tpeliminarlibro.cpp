#include "forms/tpeliminarlibro.h"

#include "forms/frame.h"

namespace tessera {

TPEliminarLibro::TPEliminarLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("RMBOOK"), parent) {
    setObjectName(QStringLiteral("TPEliminarLibro"));
    buildFrame(*this, QStringLiteral("Eliminar libro"), QSize(360, 200));
}

} // namespace tessera
