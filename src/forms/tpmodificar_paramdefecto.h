#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPModificar_ParamDefecto : public TPForm {
    Q_OBJECT
public:
    TPModificar_ParamDefecto(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
