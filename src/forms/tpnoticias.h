#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPNoticias : public TPForm {
    Q_OBJECT
public:
    TPNoticias(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
