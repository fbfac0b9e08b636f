#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPColoresReloj : public TPForm {
    Q_OBJECT
public:
    TPColoresReloj(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
