#pragma once

#include "forms/tpform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessera {

// Creates shelves one after another until the person closes it or the tenth is made.
class TPNuevaEstanteria : public TPForm {
    Q_OBJECT
public:
    TPNuevaEstanteria(TesseraApp& app, QWidget* parent);

    void Bt_okClick();

    QLabel* L_Nombre = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* Bt_ok = nullptr;
    QPushButton* Bt_Cancel = nullptr;

protected:
    void formActivate() override;
};

} // namespace tessera
