#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPNuevoLibro : public TPForm {
    Q_OBJECT
public:
    TPNuevoLibro(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
