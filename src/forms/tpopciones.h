#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPOpciones : public TPForm {
    Q_OBJECT
public:
    TPOpciones(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
