#include "forms/tpforo.h"

#include "forms/frame.h"

namespace tessera {

TPForo::TPForo(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("FORUM"), parent) {
    setObjectName(QStringLiteral("TPForo"));
    buildFrame(*this, QStringLiteral("Foro"), QSize(800, 600));
}

} // namespace tessera
