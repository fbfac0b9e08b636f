#pragma once

#include "forms/tpform.h"

namespace tessera {

class TPForo : public TPForm {
    Q_OBJECT
public:
    TPForo(TesseraApp& app, QWidget* parent);
};

} // namespace tessera
