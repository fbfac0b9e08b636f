#include "forms/tpnoticias.h"

#include "forms/frame.h"

namespace tessera {

TPNoticias::TPNoticias(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("NEWS"), parent) {
    setObjectName(QStringLiteral("TPNoticias"));
    buildFrame(*this, QStringLiteral("Noticias"), QSize(460, 320));
}

} // namespace tessera
