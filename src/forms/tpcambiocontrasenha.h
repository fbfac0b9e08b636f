#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPCambioContrasenha : public TPForm {
    Q_OBJECT
public:
    TPCambioContrasenha(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
