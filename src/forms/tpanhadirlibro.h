#pragma once

#include "forms/tpform.h"

#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tessera {

// Puts existing book files on a shelf, several at a time.
class TPAnhadirLibro : public TPForm {
    Q_OBJECT
public:
    TPAnhadirLibro(TesseraApp& app, QWidget* parent);

    // Chooses the book files; tests replace it. Returns nothing when cancelled.
    std::function<QStringList(const QString& title, const QString& start)> chooseFiles;

    void Btn_CambiarClick();
    void Btn_AbrirClick();
    // The files the next "Añadir" adds, as a choice in the file dialog leaves them.
    void setChosenFiles(const QStringList& files);
    // Adds the sample books of a first start to the first shelf, without showing the dialog.
    void addFilesToFirstShelf(const QStringList& files);

    QLabel* L_Estanteria = nullptr;
    QLabel* L_Libros = nullptr;
    QLabel* L_Nombre = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Btn_Cambiar = nullptr;
    QPushButton* Btn_Abrir = nullptr;
    QPushButton* Btn_Cerrar = nullptr;

protected:
    void formActivate() override;

private:
    void fillShelves();
    bool mayAddFrom(const QStringList& files);

    QStringList files_;
};

} // namespace tessera
