#include "forms/tpimagenesportadas.h"

#include "forms/frame.h"

namespace tessera {

TPImagenesPortadas::TPImagenesPortadas(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("IMG_FS"), parent) {
    setObjectName(QStringLiteral("TPImagenesPortadas"));
    buildFrame(*this, QStringLiteral("Imágenes de portada"), QSize(520, 420));
}

} // namespace tessera
