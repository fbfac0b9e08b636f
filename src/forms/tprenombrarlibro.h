#pragma once

#include "forms/tpform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessera {

// Renames books and their files.
class TPRenombrarLibro : public TPForm {
    Q_OBJECT
public:
    TPRenombrarLibro(TesseraApp& app, QWidget* parent);

    void Bt_okClick();

    QLabel* L_Estanteria = nullptr;
    QLabel* L_Libro = nullptr;
    QLabel* L_Nombre = nullptr;
    QComboBox* ComboBox1 = nullptr; // shelves
    QComboBox* ComboBox2 = nullptr; // the shelf's books
    QLineEdit* Edit = nullptr;
    QPushButton* Bt_ok = nullptr;
    QPushButton* Bt_Cancel = nullptr;

protected:
    void formActivate() override;

private:
    void fillBooks();
    void takeChosenName();
};

} // namespace tessera
