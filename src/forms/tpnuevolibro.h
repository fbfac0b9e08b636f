#pragma once

#include "forms/tpform.h"

#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessera {

// Creates new empty books with a cover, one after another.
class TPNuevoLibro : public TPForm {
    Q_OBJECT
public:
    TPNuevoLibro(TesseraApp& app, QWidget* parent);

    // Chooses the folder of the new book; tests replace it. Empty when cancelled.
    std::function<QString(const QString& title, const QString& start)> chooseFolder;

    void Btn_CambiarClick();
    void Btn_CrearClick();
    // The folder the book is made in.
    void setFolder(const QString& folder);
    const QString& folder() const { return folder_; }
    // The cover texture of the book, 1..20, as the texture menu chooses it.
    void setCoverTexture(int texture);

    QLabel* L_Estanteria = nullptr;
    QComboBox* ComboBox1 = nullptr; // shelves
    QLabel* L_Carpeta = nullptr;
    QLabel* L_Directorio = nullptr;
    QPushButton* Btn_Cambiar = nullptr;
    QLabel* L_NombreLibro = nullptr;
    QLineEdit* Ed_NombreLibro = nullptr;
    QLabel* L_Subtitulo = nullptr;
    QLineEdit* Ed_Subtitulo = nullptr;
    QLabel* L_Imagen = nullptr;
    QComboBox* SpinImage = nullptr; // the cover pictures of the covers folder
    QLabel* L_Color = nullptr;
    QToolButton* ImagenColorPortada = nullptr;
    QPushButton* Btn_Crear = nullptr;
    QPushButton* Btn_Cerrar = nullptr;

protected:
    void formActivate() override;

private:
    // The folder control as the user may use it; true when the folder is fixed.
    bool applyFolderRule();
    void loadCoverCandidates();
    void updateCreate();
    void enableFields(bool on);

    QString folder_;
    QStringList covers_; // paths of the candidates, in the order of SpinImage
    int texture_ = 1;
};

} // namespace tessera
