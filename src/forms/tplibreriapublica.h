#pragma once

#include "forms/tpform.h"

class QTimer;

namespace tessera {

class TPLibreriaPublica : public TPForm {
    Q_OBJECT
public:
    TPLibreriaPublica(TesseraApp& app, QWidget* parent);

    QTimer* Timer = nullptr;
};

} // namespace tessera
