#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPLogin : public TPForm {
    Q_OBJECT
public:
    TPLogin(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
