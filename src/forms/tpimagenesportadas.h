#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPImagenesPortadas : public TPForm {
    Q_OBJECT
public:
    TPImagenesPortadas(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
