#include "forms/tptipscreen.h"

#include "forms/frame.h"

namespace tessera {

TPTipScreen::TPTipScreen(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("TIP"), parent) {
    setObjectName(QStringLiteral("TPTipScreen"));
    buildFrame(*this, QStringLiteral("¡Bienvenido!"), QSize(420, 260));
}

} // namespace tessera
