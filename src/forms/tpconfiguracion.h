#pragma once

#include "forms/tpform.h"

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tessera {

// The configuration wizard of the first start: language, single- or
// multi-user mode, the users folder, the working mode and the sample books.
class TPConfiguracion : public TPForm {
    Q_OBJECT
public:
    TPConfiguracion(TesseraApp& app, QWidget* parent);

    int stage() const { return stage_; }
    // Language choice: 0 none, 1 English, 2 Spanish, 3 Portuguese.
    int languageChoice() const { return languageChoice_; }
    // Chooses the users server; tests replace it. Returns an empty text when cancelled.
    std::function<QString(const QString& start)> chooseFolder;

    void Btn_OKClick();
    void Btn_CambiarClick();

    QStackedWidget* Paginas = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* Btn_OK = nullptr;
    QLabel* Panel_Accion = nullptr;
    QProgressBar* Bar = nullptr;
    // Page 0.
    QToolButton* B_Ingles = nullptr;
    QToolButton* B_Espanhol = nullptr;
    QToolButton* B_Portugues = nullptr;
    QCheckBox* CB_Ingles = nullptr;
    QCheckBox* CB_Espanhol = nullptr;
    QCheckBox* CB_Portugues = nullptr;
    // Pages 1, 2 and 4.
    QCheckBox* CB_ModoMonousuario = nullptr;
    QCheckBox* CB_ModoMultiusuario = nullptr;
    QCheckBox* CB_ModoLocal = nullptr;
    QCheckBox* CB_ModoRed = nullptr;
    QCheckBox* CB_Modo_Basico = nullptr;
    QCheckBox* CB_Modo_Avanzado = nullptr;
    // Page 3.
    QLabel* L_DirectorioServidorUsuarios = nullptr;
    QLabel* L_DBUsuarios2 = nullptr;
    QPushButton* Btn_Cambiar = nullptr;
    // Page 5.
    std::array<QLabel*, 3> LibroImagen{};
    std::array<QLabel*, 3> Libro{};

protected:
    void formActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildLanguagePage();
    QWidget* buildChoicePage(const char* name, const QStringList& texts, QCheckBox*& first, QCheckBox*& second,
                             const char* firstName, const QString& firstText, const char* secondName,
                             const QString& secondText);
    QWidget* buildServerPage();
    QWidget* buildBooksPage();
    void chooseLanguage(int choice);
    void chooseMode(QCheckBox* chosen);
    void showPage(int page);
    void progressRun(int entry);
    bool prepareLocalUsersFolder();
    void showServerPage();
    void presentSampleBooks();
    void setNetworkChoicesEnabled(bool enabled);

    int stage_ = 1;
    int languageChoice_ = 0;
    bool guard_ = false;
};

} // namespace tessera
