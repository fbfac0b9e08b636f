#include "forms/tpfaq.h"

#include "forms/frame.h"

namespace tessera {

TPFAQ::TPFAQ(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("FAQ"), parent) {
    setObjectName(QStringLiteral("TPFAQ"));
    buildFrame(*this, QStringLiteral("Preguntas frecuentes"), QSize(800, 600));
}

} // namespace tessera
