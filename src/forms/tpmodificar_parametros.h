#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPModificar_parametros : public TPForm {
    Q_OBJECT
public:
    TPModificar_parametros(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
