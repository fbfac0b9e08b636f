#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPAdmin : public TPForm {
    Q_OBJECT
public:
    TPAdmin(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
