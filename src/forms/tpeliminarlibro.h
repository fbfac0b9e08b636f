#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPEliminarLibro : public TPForm {
    Q_OBJECT
public:
    TPEliminarLibro(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
