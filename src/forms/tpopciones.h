#pragma once

#include "forms/tpform.h"

#include <QColor>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace tessera {

// The options dialog: preferences, interface, editor, user data and the pages
// of a book. The looks (bar and shelf styles, bar transparency, window colour)
// act as soon as they are chosen; everything else is taken on OK. Cancel puts
// the looks back; Escape keeps them and drops the rest.
class TPOpciones : public TPForm {
    Q_OBJECT
public:
    TPOpciones(TesseraApp& app, QWidget* parent);

    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancelar = nullptr;
    QPushButton* Btn_Defecto = nullptr;
    QTabWidget* Panel_Opciones = nullptr;

    // "Preferencias".
    QLabel* L_DirBackUps = nullptr;
    QLineEdit* Ed_DirBackUps = nullptr;
    QPushButton* Btn_Cambiar = nullptr;
    QLabel* L_TiempoBackUp = nullptr;
    QSpinBox* SE_TiempoBackUp = nullptr;
    QLabel* L_TiempoBackUp2 = nullptr;
    QCheckBox* CB_MostrarTips = nullptr;
    QCheckBox* CB_DescargarNovedades = nullptr;
    QCheckBox* CB_MostrarHints = nullptr;
    QCheckBox* CB_DistinguirAcentos = nullptr;
    QCheckBox* CB_DistinguirMayusculas = nullptr;

    // "Interfaz".
    QGroupBox* RG_Libreria = nullptr;
    QButtonGroup* libraryStyles = nullptr; // ids 0..11
    QGroupBox* RG_Barras = nullptr;
    QButtonGroup* toolbarStyles = nullptr; // ids 0..4
    QGroupBox* GB_Transparencia = nullptr;
    QSlider* TB_Transparencia = nullptr;
    QPushButton* Panel_ColorFondo = nullptr;
    QLabel* L_Estilos = nullptr;

    // "Editor".
    QGroupBox* GB_Pestanhas = nullptr;
    QCheckBox* Ed_MostrarNReg = nullptr;
    QCheckBox* Ed_MostrarReg0 = nullptr;
    QLabel* L_PosTabs = nullptr;
    QComboBox* Ed_PosTabs = nullptr; // 0 "Arriba", 1 "A la izquierda"
    QLabel* L_AnchoTabs = nullptr;
    QSpinBox* Ed_AnchoTabs = nullptr;
    QCheckBox* Ed_Solicitar_Confirmacion = nullptr;

    // "Usuario".
    QLabel* L_Titulo_Usuario = nullptr;
    QLabel* L_Nombre_Usuario = nullptr;
    QLineEdit* Ed_Nombre_Usuario = nullptr;
    QLabel* L_Datos_Usuario = nullptr;
    QPlainTextEdit* Ed_Datos_Usuario = nullptr;
    QLabel* L_Email_Usuario = nullptr;
    QLineEdit* Ed_Email_Usuario = nullptr;
    QLabel* L_Nota_Usuario = nullptr;
    QCheckBox* L_ProtegerDatos = nullptr;
    QLabel* L_Contrasenha = nullptr;
    QLineEdit* Ed_Contrasenha = nullptr;

    // "Paginas": summary, notes, topics, practice, statistics, editor, parameters, options.
    QLabel* L_Mostrar = nullptr;
    std::array<QCheckBox*, 8> pageBoxes{};
    QCheckBox* L_Resumen = nullptr;
    QLabel* L_Paginas = nullptr;

    // The backup directory that OK commits.
    const QString& backupDirToCommit() const { return backupDir_; }

    void Btn_OKClick();
    void Btn_CancelarClick();
    void Btn_DefectoClick();
    void Btn_CambiarClick();
    void Panel_ColorFondoClick();

public slots:
    // Escape and the window's close box: the looks stay, the rest is dropped.
    void reject() override;

protected:
    void formActivate() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildPreferencesPage();
    QWidget* buildInterfacePage();
    QWidget* buildEditorPage();
    QWidget* buildUserPage();
    QWidget* buildPagesPage();
    void connectChanges();

    void RG_BarrasClick(int style);
    void RG_LibreriaClick(int style);
    void TB_TransparenciaChange(int position);
    void Panel_OpcionesChange(int index);
    void L_ProtegerDatosClick(bool on);
    void pageBoxClick();
    void Ed_Datos_UsuarioChange();

    void markChanged();
    void showBackupDir(const QString& dir);
    void showSwatch(const QColor& colour);
    void setWindowColour(const QColor& colour);
    void setTransparency(int alpha);
    void enforceLastPage();

    // Hand-overs to the subsystems that act on these settings: the bar looks
    // and the whole interface style of the main and editor windows, the shelf
    // view's style, the book's pages and the editor's record tabs.
    void applyBarLook();
    void applyShelfViewStyle();
    void applyInterfaceStyle();
    void applyPageSettings();
    void layoutEditorTabs();

    bool filling_ = false;
    QString backupDir_;
    QString detailsShown_;
    // What Cancel puts back.
    int rememberedToolbarStyle_ = 0;
    int rememberedLibraryStyle_ = 0;
    int rememberedTransparency_ = 0;
    QColor rememberedColour_;
    QColor rememberedWindowColour_;
};

} // namespace tessera
