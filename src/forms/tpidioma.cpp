#include "forms/tpidioma.h"

#include "forms/frame.h"

namespace tessera {

TPIdioma::TPIdioma(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("LNG"), parent) {
    setObjectName(QStringLiteral("TPIdioma"));
    buildFrame(*this, QStringLiteral("Idioma / Language"), QSize(320, 220));
}

} // namespace tessera
