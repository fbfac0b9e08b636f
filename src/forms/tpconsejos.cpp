#include "forms/tpconsejos.h"

#include "forms/frame.h"

namespace tessera {

TPConsejos::TPConsejos(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral(""), parent) {
    setObjectName(QStringLiteral("TPConsejos"));
    buildFrame(*this, QStringLiteral("Recuerda..."), QSize(520, 380));
}

} // namespace tessera
