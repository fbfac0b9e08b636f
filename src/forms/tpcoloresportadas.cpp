#include "forms/tpcoloresportadas.h"

#include "forms/frame.h"

namespace tessera {

TPColoresPortadas::TPColoresPortadas(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("FS COL"), parent) {
    setObjectName(QStringLiteral("TPColoresPortadas"));
    buildFrame(*this, QStringLiteral("Colores de portada"), QSize(420, 320));
}

} // namespace tessera
