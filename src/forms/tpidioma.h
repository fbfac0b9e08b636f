#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPIdioma : public TPForm {
    Q_OBJECT
public:
    TPIdioma(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
