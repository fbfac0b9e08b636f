#pragma once

#include "forms/tpform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessera {

// Renames shelves; the shelf's own name in other capitals counts as taken.
class TPRenombrarEstanteria : public TPForm {
    Q_OBJECT
public:
    TPRenombrarEstanteria(TesseraApp& app, QWidget* parent);

    void Bt_okClick();

    QLabel* L_Estanteria = nullptr;
    QLabel* L_Nombre = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* Bt_ok = nullptr;
    QPushButton* Bt_Cancel = nullptr;

protected:
    void formActivate() override;

private:
    void takeChosenName();
    void updateOk();
};

} // namespace tessera
