#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPEliminarEstanteria : public TPForm {
    Q_OBJECT
public:
    TPEliminarEstanteria(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
