#include "forms/tpadmin.h"

#include "forms/frame.h"

namespace tessera {

TPAdmin::TPAdmin(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("ADMIN"), parent) {
    setObjectName(QStringLiteral("TPAdmin"));
    buildFrame(*this, QStringLiteral("Administración"), QSize(900, 640));
}

} // namespace tessera
