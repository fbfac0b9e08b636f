#include "forms/tprenombrarestanteria.h"

#include "forms/frame.h"

namespace tessera {

TPRenombrarEstanteria::TPRenombrarEstanteria(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("RN SH"), parent) {
    setObjectName(QStringLiteral("TPRenombrarEstanteria"));
    buildFrame(*this, QStringLiteral("Renombrar estantería"), QSize(360, 170));
}

} // namespace tessera
