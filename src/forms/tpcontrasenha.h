#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPContrasenha : public TPForm {
    Q_OBJECT
public:
    TPContrasenha(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
