#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPColoresPortadas : public TPForm {
    Q_OBJECT
public:
    TPColoresPortadas(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
