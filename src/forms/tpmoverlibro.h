#pragma once

#include "forms/tpform.h"

#include <functional>

class QLabel;
class QPushButton;

namespace tessera {

// Moves the current book's file to another folder.
class TPMoverLibro : public TPForm {
    Q_OBJECT
public:
    TPMoverLibro(TesseraApp& app, QWidget* parent);

    // Chooses the new folder; tests replace it. Returns an empty text when cancelled.
    std::function<QString(const QString& title, const QString& start)> chooseFolder;

    void Btn_CambiarClick();
    void Btn_MoverClick();
    // The folder the next "Mover" moves the book to.
    void setNewFolder(const QString& folder);
    // Shows where the current book lies (the opening of a book sets it).
    void showCurrentFolder();

    QLabel* L_DirActual = nullptr;
    QLabel* Ed_DirActual = nullptr;
    QLabel* L_NuevoDir = nullptr;
    QLabel* Ed_NuevoDir = nullptr;
    QPushButton* Btn_Cambiar = nullptr;
    QPushButton* Btn_Mover = nullptr;
    QPushButton* Btn_Cancelar = nullptr;

protected:
    void formActivate() override;

private:
    QString newFolder_;
};

} // namespace tessera
