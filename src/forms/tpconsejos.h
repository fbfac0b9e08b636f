#pragma once

#include "forms/tpform.h"

#include <array>

class QLabel;
class QPushButton;

namespace tessera {

// The advice window of the first start: how to open and close a book and add one.
class TPConsejos : public TPForm {
    Q_OBJECT
public:
    TPConsejos(TesseraApp& app, QWidget* parent);
    void applyLanguage() override;

    // The background of each language: Spanish, English, Portuguese.
    std::array<QLabel*, 3> Fondo{};
    QLabel* L_Titulo = nullptr;
    QLabel* L_Texto1 = nullptr;
    QPushButton* Btn_OK = nullptr;

protected:
    void formActivate() override;
};

} // namespace tessera
