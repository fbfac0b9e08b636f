#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPNuevaEstanteria : public TPForm {
    Q_OBJECT
public:
    TPNuevaEstanteria(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
