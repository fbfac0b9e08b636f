#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLCDNumber;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QWidget;

namespace tessera {

class Context;
class TesseraApp;

// The main window: menus and bars, the library side bar, the desk with the
// closed or open book, the status bar, the suggestion line and the clock.
class TPPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TPPrincipal(TesseraApp& app);
    ~TPPrincipal() override;

    // Builds the run-time controls: the parameter grid, the topic rows and the character panel.
    void FormCreate();
    // Each time the main window becomes the active window.
    void FormActivate();
    // The shutdown question; true when the close may go ahead.
    bool FormCloseQuery();
    // The shutdown itself.
    void FormClose();
    // The 500 ms timer.
    void TimerTimer();
    void Submenu_SalirClick();
    // Texts that depend on the language table.
    void applyLanguage();
    // "Tessera 5 (" + mode + ")" and its multi-user form.
    void applyTitle();
    // Start-up helpers: the multi-user toolbar lock, the suggestion area and
    // the interface preferences.
    void disableBarsUntilLogin();
    void refreshSuggestionLine();
    // The suggestion line's strip with its background, text, eleven pictures
    // and next button; the editor window builds its own line with it too.
    static QWidget* buildSuggestionStrip(QLabel*& background, QLabel*& text,
                                         std::array<QLabel*, 11>& pictures, QLabel*& next);
    void applyInterfacePreferences();

    // Status bar.
    void setActionText(const QString& text);
    void setProgress(int percent);
    void setProgressVisible(bool visible);
    // Pane widths for a client width: shelf, book, action, progress, news; version 126.
    void layoutStatusPanes(int clientWidth);
    // Places the cover and the two page controls inside a desk of this size.
    void layoutDesk(int deskWidth, int deskHeight);

    // Row actions of the timer whose subsystems come later.
    void showChronometerTime();
    void relayout();
    void heartbeat();
    void showNews();
    void adminPresenceRefresh();
    void accountCheck();
    void showTipAfterLogin();
    void relayoutEditor();
    void applyViewSettings();

    // The library's mirrors: the shelf and book menus, the two bar drop-downs and the
    // shelf pane of the status bar, kept in step with the model and the side bar.
    void updateShelves();
    void updateShelfMarks();
    void updateBookLists();
    // The first visible shelf becomes the active one (shelf 10 when none of 1..9 is).
    void activateFirstShelf();
    // Draws the library anew after it was read or changed: side bar and mirrors.
    void refreshLibrary();
    // The default shelf of an empty library: its items take language entry 289.
    void nameDefaultShelf();
    // The library style and icon size of the settings on the side bar and its mirrors;
    // "Expandir todas" and "Contraer todas" serve only the tree-like styles.
    void applyLibraryStyle();
    void expandAllShelves();
    void collapseAllShelves();
    // After a change of the library: a status text while both percentage bars run to 100.
    void finishingAnimation(int entry);
    // Adding, deleting and renaming books as the mode and the network configuration allow.
    void applyBookPermissions();
    // Shelf k = 1..10: its band was clicked, or opened or closed.
    void Estanteria_Click(int shelf);
    void Estanteria_Expanded(int shelf);
    // A shelf item of the menu or of the bar drop-down.
    void Submenu_Est_01Click(int shelf);
    // How many times the timer has shown the news.
    int newsShown() const { return newsShown_; }

    // Menus and bars.
    QMenu* Menu_Archivo = nullptr;
    QMenu* Menu_Usuario = nullptr;
    QMenu* Menu_Edicion = nullptr;
    QAction* Submenu_Salir = nullptr;
    QAction* Submenu_Logout = nullptr;
    QAction* Submenu_Ayuda_Tip = nullptr;
    QAction* Submenu_Ayuda_Contenido = nullptr;
    QAction* Submenu_Ayuda_AcercaDe = nullptr;
    QAction* Menu_Edicion_Copiar = nullptr;
    QAction* Menu_Edicion_Cortar = nullptr;
    QAction* Menu_Edicion_Insertar = nullptr;
    QAction* Menu_Edicion_Pegar = nullptr;
    QAction* Menu_Edicion_Multiple = nullptr;
    QAction* Menu_Edicion_Salvar = nullptr;
    std::array<QAction*, 10> shelfMenuItems{}; // Submenu_Est_01..10, hidden until named
    std::array<QAction*, 50> bookMenuItems{};  // Submenu_Lib_001..050, hidden until named
    std::array<QAction*, 10> shelfBarItems{};  // Barra_Lib_Est_01..10
    std::array<QAction*, 50> bookBarItems{};   // Barra_Lib_Libro_001..050
    QToolButton* Barra_Lib_Est_Activa = nullptr;   // drop-down of the shelves
    QToolButton* Barra_Lib_Libro_Activo = nullptr; // drop-down of the listed books

    QToolBar* Barra_Menu = nullptr;
    QToolBar* Barra_Tools = nullptr;
    QToolBar* Barra_Interfaz = nullptr;
    QToolBar* Barra_Libreria = nullptr;
    QToolBar* Barra_Edicion = nullptr;
    QToolBar* Barra_Sugerencias = nullptr;
    QToolBar* Barra_Reloj = nullptr;
    QToolBar* Barra_Caracteres = nullptr;

    QAction* Barra_Tools_AnclarPaneles = nullptr;
    QAction* Barra_Tools_Opciones = nullptr;
    QAction* Barra_Tools_Idioma = nullptr;
    QAction* Barra_Tools_Parametros = nullptr;
    QAction* Barra_Tools_LibPublica = nullptr;
    QAction* Barra_Tools_Veltraxis = nullptr;
    QAction* Barra_Tools_Soporte = nullptr;
    QAction* Barra_Tools_Foro = nullptr;
    QAction* Barra_Tools_FAQ = nullptr;
    QAction* Barra_Tools_Ayuda = nullptr;
    QAction* Barra_Tools_Logout = nullptr;
    QAction* Barra_Tools_Admin = nullptr;
    QAction* Barra_Tools_Salir = nullptr;

    // Editing commands that need an open record.
    QAction* Popup_CargarImagen = nullptr;
    QAction* ME_Btn_Insertar = nullptr;
    QAction* ME_Btn_Cortar = nullptr;
    QAction* ME_Btn_Copiar = nullptr;
    QAction* ME_Btn_Pegar = nullptr;
    QAction* ME_Btn_Salvar = nullptr;
    QPushButton* ME_Btn_Salvar_Main = nullptr;
    QPushButton* ME_Btn_Expandir = nullptr;
    QPushButton* ME_Cargar_Imagen = nullptr;
    QPushButton* ME_Borrar_imagen = nullptr;

    // Library side bar and desk.
    QWidget* Libreria = nullptr;
    class ShelfBar* Libreria_Vista = nullptr;
    QWidget* Escritorio = nullptr;
    QWidget* Portada_Libro = nullptr;
    QLabel* Portada_Libro_Imagen = nullptr;
    QTabWidget* Pagina_Izquierda = nullptr;
    QTabWidget* Pagina_Derecha = nullptr;

    // Open-book page contents built at run time.
    QWidget* Panel_Parametros = nullptr;
    QWidget* Panel_Temas = nullptr;
    QWidget* Panel_Caracteres = nullptr;
    QWidget* Panel_Opciones = nullptr;
    std::vector<std::vector<QLabel*>> parameterCells; // [row 0..13][cell 0..28]
    struct TopicRow {
        QLabel* name = nullptr;
        QCheckBox* check = nullptr;
        QLabel* level = nullptr;
        QProgressBar* bar = nullptr;
        QLabel* score = nullptr;
        std::array<QLabel*, 3> counts{};
    };
    std::vector<TopicRow> topicRows;             // 22 rows
    std::vector<QToolButton*> characterButtons;  // codes 32..255

    // Statistics and chronometer.
    QTableWidget* GridG = nullptr;
    QWidget* MarcoGrafico = nullptr;
    QWidget* Panel_Fechas = nullptr;
    QWidget* Panel_NRegistros = nullptr;
    QWidget* TC_Reloj = nullptr;
    QLCDNumber* Reloj_Digital = nullptr;
    QPushButton* Btn_Crono_Empezar = nullptr;
    QPushButton* Btn_Crono_Pausa = nullptr;
    QPushButton* Btn_Crono_Reiniciar = nullptr;

    // Suggestion line and clock.
    QWidget* TC_Sugerencias = nullptr;
    QLabel* Fondo_TC_Sugerencias = nullptr;
    QLabel* Fondo_Reloj = nullptr;
    QLabel* L_Sugerencia = nullptr;
    std::array<QLabel*, 11> Im{};
    QLabel* Btn_Siguiente = nullptr;
    QLabel* L_Titulo1 = nullptr;
    QLabel* L_Titulo2 = nullptr;

    // Status bar.
    QLabel* Panel_Estanteria = nullptr;
    QLabel* Panel_Libro = nullptr;
    QLabel* Panel_Accion = nullptr;
    QProgressBar* Panel_BarraProgreso = nullptr;
    QLabel* Panel_Novedades = nullptr;
    QLabel* Panel_Version = nullptr;
    QWidget* Panel_Progreso = nullptr; // the pane that holds Panel_BarraProgreso

    QTimer* Timer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildBars();
    void buildDesk();
    void buildStatusBar();
    void buildSuggestionLine();
    void createParameterGrid();
    void createTopicRows();
    void createCharacterPanel();
    void buildLibraryBar();
    void connectLibrary();
    QWidget* buildClock();
    QWidget* buildLibrary();
    void buildCover();
    void buildPageContents();
    void buildStatisticsPage();
    void buildEditorPage();
    // Page 1..8 of the left page control, where the open book's panels live.
    QWidget* page(int number) const;

    Context& ctx();
    TesseraApp& app_;
    bool closeAllowed_ = false;
    bool leftToOutside_ = false;
    bool shownOnce_ = false;
    bool activatedByShow_ = false;
    int newsShown_ = 0;
    void resetStatisticsGrid();
};

} // namespace tessera
