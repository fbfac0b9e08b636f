#pragma once

#include "forms/tpform.h"

class QPushButton;

namespace tessera {

class TPConfiguracion : public TPForm {
    Q_OBJECT
public:
    TPConfiguracion(TesseraApp& app, QWidget* parent);

    QPushButton* Btn_OK = nullptr;
};

} // namespace tessera
