#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPPerdidaConexion : public TPForm {
    Q_OBJECT
public:
    TPPerdidaConexion(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
