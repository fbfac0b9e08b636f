#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPAnhadirLibro : public TPForm {
    Q_OBJECT
public:
    TPAnhadirLibro(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
