#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPTipScreen : public TPForm {
    Q_OBJECT
public:
    TPTipScreen(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
