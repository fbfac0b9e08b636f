#pragma once

#include "forms/tpform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tessera {

// Takes books off their shelves, and with "Eliminar el fichero" deletes their files too.
class TPEliminarLibro : public TPForm {
    Q_OBJECT
public:
    TPEliminarLibro(TesseraApp& app, QWidget* parent);

    void Bt_okClick();

    QLabel* L_Estanteria = nullptr;
    QLabel* L_Libro = nullptr;
    QComboBox* ComboBox1 = nullptr; // shelves
    QComboBox* ComboBox2 = nullptr; // the shelf's books
    QCheckBox* EliminarFichero = nullptr;
    QPushButton* Bt_ok = nullptr;
    QPushButton* Bt_Cancel = nullptr;

protected:
    void formActivate() override;

private:
    void fillBooks();
};

} // namespace tessera
