#pragma once

#include "library/library.h"
#include "shell/context.h"
#include "shell/platform.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

namespace tessera {

class TPPrincipal;
class TPOpciones;
class TPConfiguracion;
class TPNuevaEstanteria;
class TPEliminarEstanteria;
class TPRenombrarEstanteria;
class TPNuevoLibro;
class TPEliminarLibro;
class TPRenombrarLibro;
class TPModificar_parametros;
class TPModificar_ParamDefecto;
class TPAcercaDe;
class TPIdioma;
class TPEditor;
class TPAnhadirLibro;
class TPImagenesPortadas;
class TPColoresPortadas;
class TPMoverLibro;
class TPLibreriaPublica;
class TPMensaje;
class TPTipScreen;
class TPNoticias;
class TPContrasenha;
class TPNuevaContrasenha;
class TPForo;
class TPFAQ;
class TPLogin;
class TPAdmin;
class TPInfoUsuario;
class TPCambioContrasenha;
class TPPerdidaConexion;
class TPColoresReloj;
class TPConsejos;
class TPPresentacion;
class TPAyuda;
class SuggestionLine;

// Where the program begins and ends: owns the context and every window, runs
// the start-up sequence, the message loop and the end of the process, and
// carries the engine's feedback to the windows.
class TesseraApp : public QObject, public Feedback {
    Q_OBJECT
public:
    static constexpr const char* Title = "Tessera 5";
    static constexpr const char* VersionLong = "Tessera 5.1 - 24/5/2004";
    static constexpr const char* VersionShort = "Tessera 5.1";

    // appDir with a trailing separator; instanceKey names the single-instance guard.
    TesseraApp(const QString& appDir, const QString& instanceKey, double delayScale);
    ~TesseraApp() override;

    // The whole life of the process: start-up, message loop, "MIN app_end".
    int run();
    // Steps 1..20 of the start-up; false when the program must end without a message loop.
    bool startUp();
    // After the message loop: the closing line.
    void finish();

    Context& ctx() { return ctx_; }
    TPPrincipal& principal() { return *principal_; }
    TPMensaje& mensaje() { return *mensaje_; }
    TPConfiguracion& configuracion() { return *configuracion_; }
    TPAcercaDe& acercaDe() { return *acercaDe_; }
    TPTipScreen& tipScreen() { return *tipScreen_; }
    TPConsejos& consejos() { return *consejos_; }
    TPLibreriaPublica& libreriaPublica() { return *libreriaPublica_; }
    TPPerdidaConexion& perdidaConexion() { return *perdidaConexion_; }
    TPEditor& editor() { return *editor_; }
    TPAdmin& admin() { return *admin_; }
    TPAyuda& ayuda() { return *ayuda_; }
    SuggestionLine& suggestionLine() { return *suggestionLine_; }
    TPPresentacion* presentacion();
    // Every window created at start, in creation order (the main window first).
    const QList<QWidget*>& forms() const { return forms_; }

    // Loads the language table of the current language and applies it to every window.
    void loadInterfaceTexts();
    // Writes a splash status text when the splash window is shown.
    void splashText(const QString& text);
    // The application activation shared by start-up and login.
    void applicationActivation();
    // The per-user files and working files at the end of a run.
    static const QStringList& workingFiles();

    // Feedback.
    void setStatusText(const QString& text) override;
    void setProgress(int percent) override;
    void setProgressVisible(bool visible) override;
    int showMessage(const QString& text, MessageKind kind) override;
    void showNotice(const QString& text, MessageKind kind) override;
    void processEvents() override;
    void requestTerminate() override;
    void connectionLost() override;

private:
    void createForms();
    void showSplash();
    void closeSplash();
    void singleUserStart();
    void multiUserStart();
    void installHelp();
    bool abandonStart();
    void resetLocalLibrary();

    // Steps that belong to subsystems built later; each does nothing yet.
    void startNewsDownload();
    std::optional<int> readPreferences(); // the language the preferences hold
    void readLibrary();
    void loadSuggestions();
    void runUsageCounter();
    void applyNetworkConfiguration();
    void readNetworkConfiguration();
    void bindRegisters();
    void connectLanguageCommands();
    void connectLibraryCommands();
    // A library command of the menus or the bar: runs while the events are enabled, with
    // them disabled meanwhile, and ends with a suggestion of context 0.
    void libraryCommand(const std::function<void()>& body);
    void markLanguage();
    void addSampleBooks();

public:
    // Shows a suggestion of the context in the main and editor windows; show
    // false only closes the line; any (the next buttons) also takes used-up ones.
    void showSuggestion(int context, bool show, bool any = false);
    void saveLibrary();
    Library& library() { return library_; }
    void writePreferences();
    void closeOpenBook();
    // A click on a book of the library: the book becomes the current one and its cover
    // is shown on the desk.
    void openBook(const QString& name);
    bool bookOpen() const { return bookOpen_; }
    // Opens the installed help file in the help window.
    void showHelp();
    // Makes a language current and gives every window its texts; from the
    // language dialog also the help file and the suggestion follow.
    void changeLanguage(int language, bool fromDialog);

private:
    struct LibraryHooks libraryHooks();

    Library library_;
    bool secondInstance_ = false;
    bool bookOpen_ = false;
    bool inMessageLoop_ = false;

    Clock clock_;
    Random random_;
    Context ctx_;
    InstanceGuard guard_;
    QList<QWidget*> forms_;

    std::unique_ptr<TPPrincipal> principal_;
    TPOpciones* opciones_ = nullptr;
    TPConfiguracion* configuracion_ = nullptr;
    TPNuevaEstanteria* nuevaEstanteria_ = nullptr;
    TPEliminarEstanteria* eliminarEstanteria_ = nullptr;
    TPRenombrarEstanteria* renombrarEstanteria_ = nullptr;
    TPNuevoLibro* nuevoLibro_ = nullptr;
    TPEliminarLibro* eliminarLibro_ = nullptr;
    TPRenombrarLibro* renombrarLibro_ = nullptr;
    TPModificar_parametros* modificarParametros_ = nullptr;
    TPModificar_ParamDefecto* modificarParamDefecto_ = nullptr;
    TPAcercaDe* acercaDe_ = nullptr;
    TPIdioma* idioma_ = nullptr;
    TPEditor* editor_ = nullptr;
    TPAnhadirLibro* anhadirLibro_ = nullptr;
    TPImagenesPortadas* imagenesPortadas_ = nullptr;
    TPColoresPortadas* coloresPortadas_ = nullptr;
    TPMoverLibro* moverLibro_ = nullptr;
    TPLibreriaPublica* libreriaPublica_ = nullptr;
    TPMensaje* mensaje_ = nullptr;
    TPTipScreen* tipScreen_ = nullptr;
    TPNoticias* noticias_ = nullptr;
    TPContrasenha* contrasenha_ = nullptr;
    TPNuevaContrasenha* nuevaContrasenha_ = nullptr;
    TPForo* foro_ = nullptr;
    TPFAQ* faq_ = nullptr;
    TPLogin* login_ = nullptr;
    TPAdmin* admin_ = nullptr;
    TPInfoUsuario* infoUsuario_ = nullptr;
    TPCambioContrasenha* cambioContrasenha_ = nullptr;
    TPPerdidaConexion* perdidaConexion_ = nullptr;
    TPColoresReloj* coloresReloj_ = nullptr;
    TPConsejos* consejos_ = nullptr;
    TPAyuda* ayuda_ = nullptr;
    QPointer<TPPresentacion> presentacion_;
    SuggestionLine* suggestionLine_ = nullptr; // a child of the main window
};

} // namespace tessera
