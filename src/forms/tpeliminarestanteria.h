#pragma once

#include "forms/tpform.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessera {

// Deletes empty shelves until one shelf is left or the person closes it.
class TPEliminarEstanteria : public TPForm {
    Q_OBJECT
public:
    TPEliminarEstanteria(TesseraApp& app, QWidget* parent);

    void Bt_okClick();

    QLabel* L_Estanteria = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Bt_ok = nullptr;
    QPushButton* Bt_Cancel = nullptr;

protected:
    void formActivate() override;
};

} // namespace tessera
