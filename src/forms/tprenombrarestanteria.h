#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPRenombrarEstanteria : public TPForm {
    Q_OBJECT
public:
    TPRenombrarEstanteria(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
