#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPNuevaContrasenha : public TPForm {
    Q_OBJECT
public:
    TPNuevaContrasenha(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
