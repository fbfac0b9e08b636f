#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPFAQ : public TPForm {
    Q_OBJECT
public:
    TPFAQ(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
