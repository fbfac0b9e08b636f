#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPRenombrarLibro : public TPForm {
    Q_OBJECT
public:
    TPRenombrarLibro(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
