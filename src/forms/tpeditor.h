#pragma once

#include "forms/tpform.h"

class QLabel;

namespace tessera {

class TPEditor : public TPForm {
    Q_OBJECT
public:
    TPEditor(TesseraApp& app, QWidget* parent);

    QLabel* Panel_Version = nullptr;
};

} // namespace tessera
