#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPInfoUsuario : public TPForm {
    Q_OBJECT
public:
    TPInfoUsuario(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
