#include "forms/tprenombrarlibro.h"

#include "forms/frame.h"

namespace tessera {

TPRenombrarLibro::TPRenombrarLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("RN BOOK"), parent) {
    setObjectName(QStringLiteral("TPRenombrarLibro"));
    buildFrame(*this, QStringLiteral("Renombrar libro"), QSize(360, 200));
}

} // namespace tessera
