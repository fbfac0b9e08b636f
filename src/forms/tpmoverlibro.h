#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPMoverLibro : public TPForm {
    Q_OBJECT
public:
    TPMoverLibro(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
