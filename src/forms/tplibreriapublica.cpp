#include "forms/tplibreriapublica.h"

#include "forms/frame.h"

#include <QTimer>

namespace tessera {

TPLibreriaPublica::TPLibreriaPublica(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("PUB_LIB"), parent) {
    setObjectName(QStringLiteral("TPLibreriaPublica"));
    buildFrame(*this, QStringLiteral("Librería pública"), QSize(800, 600));
    // Drives the page loading once the embedded pages come; off until then.
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
}

} // namespace tessera
