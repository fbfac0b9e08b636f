#pragma once

#include "forms/tpform.h"

#include <array>

class QLabel;

namespace tessera {

class TPEditor : public TPForm {
    Q_OBJECT
public:
    TPEditor(TesseraApp& app, QWidget* parent);

    QLabel* Panel_Version = nullptr;

    // The suggestion line, the same as the main window's.
    QWidget* Barra_Sugerencias = nullptr;
    QWidget* TC_Sugerencias = nullptr;
    QLabel* Fondo_TC_Sugerencias = nullptr;
    QLabel* L_Sugerencia = nullptr;
    std::array<QLabel*, 11> Im{};
    QLabel* Btn_Siguiente = nullptr;
};

} // namespace tessera
