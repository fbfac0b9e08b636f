#include "forms/tplogin.h"

#include "forms/frame.h"

namespace tessera {

TPLogin::TPLogin(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("LOGIN"), parent) {
    setObjectName(QStringLiteral("TPLogin"));
    buildFrame(*this, QStringLiteral("Login"), QSize(460, 360));
}

} // namespace tessera
