#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPConsejos : public TPForm {
    Q_OBJECT
public:
    TPConsejos(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
