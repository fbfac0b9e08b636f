#include "forms/tesseraapp.h"

#include "forms/barslayout.h"
#include "forms/languageapply.h"
#include "forms/shelfbar.h"
#include "forms/suggestionline.h"
#include "interface/preferences.h"
#include "library/libraryfiles.h"
#include "interface/suggestions.h"

#include "forms/tpacercade.h"
#include "forms/tpadmin.h"
#include "forms/tpanhadirlibro.h"
#include "forms/tpayuda.h"
#include "forms/tpcambiocontrasenha.h"
#include "forms/tpcoloresportadas.h"
#include "forms/tpcoloresreloj.h"
#include "forms/tpconfiguracion.h"
#include "forms/tpconsejos.h"
#include "forms/tpcontrasenha.h"
#include "forms/tpeditor.h"
#include "forms/tpeliminarestanteria.h"
#include "forms/tpeliminarlibro.h"
#include "forms/tpfaq.h"
#include "forms/tpforo.h"
#include "forms/tpidioma.h"
#include "forms/tpimagenesportadas.h"
#include "forms/tpinfousuario.h"
#include "forms/tplibreriapublica.h"
#include "forms/tplogin.h"
#include "forms/tpmensaje.h"
#include "forms/tpmodificar_paramdefecto.h"
#include "forms/tpmodificar_parametros.h"
#include "forms/tpmoverlibro.h"
#include "forms/tpnoticias.h"
#include "forms/tpnuevacontrasenha.h"
#include "forms/tpnuevaestanteria.h"
#include "forms/tpnuevolibro.h"
#include "forms/tpopciones.h"
#include "forms/tpperdidaconexion.h"
#include "forms/tppresentacion.h"
#include "forms/tpprincipal.h"
#include "forms/tprenombrarestanteria.h"
#include "forms/tprenombrarlibro.h"
#include "forms/tptipscreen.h"
#include "shell/errors.h"
#include "shell/filecopy.h"
#include "shell/helpfiles.h"
#include "shell/netdat.h"
#include "shell/paths.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace tessera {

namespace {
const QString DefaultLibraries[3] = {QStringLiteral("library_esp.dat"),
                                     QStringLiteral("library_eng.dat"),
                                     QStringLiteral("library_por.dat")};
} // namespace

TesseraApp::TesseraApp(const QString& appDir, const QString& instanceKey, double delayScale)
    : ctx_(*this, clock_, random_, delayScale), guard_(instanceKey) {
    ctx_.settings.appDir = withTrailingSeparator(appDir);
}

TesseraApp::~TesseraApp() {
    delete presentacion_.data();
    delete ayuda_;
}

TPPresentacion* TesseraApp::presentacion() {
    return presentacion_.data();
}

const QStringList& TesseraApp::workingFiles() {
    static const QStringList files = {
        QStringLiteral("cover.jpg"),    QStringLiteral("database2.db"),
        QStringLiteral("database2.mb"), QStringLiteral("database.db"),
        QStringLiteral("database.mb"),  QStringLiteral("historic2.db"),
        QStringLiteral("historic.db"),  QStringLiteral("image.bmp"),
        QStringLiteral("imagen.jpg"),   QStringLiteral("notepad.dat"),
        QStringLiteral("paramdb.dat"),  QStringLiteral("news_esp.txt"),
        QStringLiteral("news_eng.txt"), QStringLiteral("news_por.txt")};
    return files;
}

int TesseraApp::run() {
    const bool loop = startUp();
    if (secondInstance_) return 0;
    if (loop && !ctx_.settings.terminateRequested) {
        inMessageLoop_ = true;
        QApplication::exec();
        inMessageLoop_ = false;
    }
    finish();
    return 0;
}

void TesseraApp::finish() {
    ctx_.log(QStringLiteral("MIN app_end"));
}

bool TesseraApp::startUp() {
    Settings& s = ctx_.settings;
    // 1.
    s.startingUp = true;
    s.tickCounter = 0;
    ctx_.eventLog().clear();
    ctx_.eventLog().setEnabled(true);
    s.fatalError = false;
    // 2.
    ctx_.log(QStringLiteral("MIN app_start"));
    s.configurationCompleted = true;
    // 3. A second copy leaves at once: no window, no further line, no file touched.
    if (!guard_.acquire()) {
        secondInstance_ = true;
        s.terminateRequested = true;
        return false;
    }
    // 4.
    QGuiApplication::setApplicationDisplayName(QString());
    QCoreApplication::setApplicationName(QLatin1String(Title));
    createForms();
    // 5.
    s.firstRun = !s.fatalError && !netDatExists(ctx_);
    if (s.firstRun) {
        ctx_.log(QStringLiteral("MIN first_exe"));
        s.configurationCompleted = false;
        configuracion_->Btn_OK->setEnabled(false);
        configuracion_->exec();
        ctx_.log(QStringLiteral("MIN conf end"));
        if (s.configurationCompleted && !s.fatalError) {
            writeNetDat(ctx_);
            ctx_.log(QStringLiteral("MIN wr ndat"));
        }
    }
    // 6. A wizard closed before its end, or a fatal error, ends the program.
    if (!s.configurationCompleted || s.fatalError) {
        requestTerminate();
        return false;
    }
    // 7.
    ctx_.log(QStringLiteral("MIN conf_ok"));
    startNewsDownload();
    // 8.
    showSplash();
    // 9.
    ctx_.log(QStringLiteral("MIN ini_var"));
    s.initialise(clock_.now());
    if (s.startingUp && presentacion_) presentacion_->L_Version->hide();
    // 10.
    ctx_.log(QStringLiteral("MIN rd ndat"));
    readNetDat(ctx_);
    ctx_.log(QStringLiteral("MIN rd ndat ok: ") + QString::number(random_.below(20)));
    if (s.fatalError) return abandonStart();
    // 11.
    if (!s.singleUser) {
        s.networkReachable = QDir(s.netDataDir).exists();
        principal_->disableBarsUntilLogin();
    }
    // 12.
    ctx_.log(QStringLiteral("MIN rd lngf"));
    loadInterfaceTexts();
    if (s.fatalError) return abandonStart();
    // 13.
    ctx_.log(QStringLiteral("MIN app_act"));
    applicationActivation();
    if (s.fatalError) return abandonStart();
    // 14.
    ctx_.log(QStringLiteral("MIN main sh"));
    principal_->show();
    principal_->refreshSuggestionLine();
    closeSplash();
    // 15.
    ctx_.log(QStringLiteral("MIN conf net"));
    applyNetworkConfiguration();
    ctx_.log(QStringLiteral("MIN cnet end"));
    // 16.
    if (!s.singleUser) resetLocalLibrary();
    if (s.fatalError) return abandonStart();
    // 17.
    s.computerId = computerIdentifier();
    libreriaPublica_->Timer->stop();
    principal_->Barra_Tools_Admin->setVisible(false);
    // 18..20.
    if (s.singleUser)
        singleUserStart();
    else
        multiUserStart();
    return !s.fatalError && !s.terminateRequested;
}

bool TesseraApp::abandonStart() {
    closeSplash();
    return false;
}

void TesseraApp::createForms() {
    principal_ = std::make_unique<TPPrincipal>(*this);
    QWidget* owner = principal_.get();
    forms_ = {principal_.get()};
    auto add = [&](auto*& slot, auto* form) {
        slot = form;
        forms_ << form;
    };
    add(opciones_, new TPOpciones(*this, owner));
    add(configuracion_, new TPConfiguracion(*this, owner));
    add(nuevaEstanteria_, new TPNuevaEstanteria(*this, owner));
    add(eliminarEstanteria_, new TPEliminarEstanteria(*this, owner));
    add(renombrarEstanteria_, new TPRenombrarEstanteria(*this, owner));
    add(nuevoLibro_, new TPNuevoLibro(*this, owner));
    add(eliminarLibro_, new TPEliminarLibro(*this, owner));
    add(renombrarLibro_, new TPRenombrarLibro(*this, owner));
    add(modificarParametros_, new TPModificar_parametros(*this, owner));
    add(modificarParamDefecto_, new TPModificar_ParamDefecto(*this, owner));
    add(acercaDe_, new TPAcercaDe(*this, owner));
    add(idioma_, new TPIdioma(*this, owner));
    add(editor_, new TPEditor(*this, owner));
    add(anhadirLibro_, new TPAnhadirLibro(*this, owner));
    add(imagenesPortadas_, new TPImagenesPortadas(*this, owner));
    add(coloresPortadas_, new TPColoresPortadas(*this, owner));
    add(moverLibro_, new TPMoverLibro(*this, owner));
    add(libreriaPublica_, new TPLibreriaPublica(*this, owner));
    add(mensaje_, new TPMensaje(*this, owner));
    add(tipScreen_, new TPTipScreen(*this, owner));
    add(noticias_, new TPNoticias(*this, owner));
    add(contrasenha_, new TPContrasenha(*this, owner));
    add(nuevaContrasenha_, new TPNuevaContrasenha(*this, owner));
    add(foro_, new TPForo(*this, owner));
    add(faq_, new TPFAQ(*this, owner));
    add(login_, new TPLogin(*this, owner));
    add(admin_, new TPAdmin(*this, owner));
    add(infoUsuario_, new TPInfoUsuario(*this, owner));
    add(cambioContrasenha_, new TPCambioContrasenha(*this, owner));
    add(perdidaConexion_, new TPPerdidaConexion(*this, owner));
    add(coloresReloj_, new TPColoresReloj(*this, owner));
    add(consejos_, new TPConsejos(*this, owner));
    ayuda_ = new TPAyuda;
    suggestionLine_ = new SuggestionLine(ctx_, *principal_, *editor_, principal_.get());
    suggestionLine_->setButtonPictures(tipScreen_->Im_Btn_Arriba->pixmap(),
                                       tipScreen_->Im_Btn_Arriba_Pulsado->pixmap());

    connect(principal_->Submenu_Ayuda_Contenido, &QAction::triggered, this, &TesseraApp::showHelp);
    connect(principal_->Barra_Tools_Ayuda, &QAction::triggered, this, &TesseraApp::showHelp);
    connect(principal_->Submenu_Ayuda_AcercaDe, &QAction::triggered, acercaDe_, &QDialog::exec);
    connectLanguageCommands();
    connectLibraryCommands();
    // A book dragged to another shelf is kept at once.
    connect(principal_->Libreria_Vista, &ShelfBar::bookMoved, this, [this] { saveLibrary(); });
    if (auto* action = principal_->findChild<QAction*>(QStringLiteral("Submenu_Ayuda_Tip")))
        connect(action, &QAction::triggered, this, [this] {
            if (ctx_.settings.eventsEnabled == 1) tipScreen_->showNow();
        });
    const auto openOptions = [this] {
        if (ctx_.settings.eventsEnabled == 1) opciones_->exec();
    };
    connect(principal_->Barra_Tools_Opciones, &QAction::triggered, this, openOptions);
    if (auto* action = principal_->findChild<QAction*>(QStringLiteral("Submenu_Tools_Opciones")))
        connect(action, &QAction::triggered, this, openOptions);

    principal_->setWindowTitle(QLatin1String(Title));
    acercaDe_->L_Version->setText(QLatin1String(VersionLong));
    principal_->Panel_Version->setText(QLatin1String(VersionShort));
    editor_->Panel_Version->setText(QLatin1String(VersionShort));
}

void TesseraApp::showSplash() {
    presentacion_ = new TPPresentacion;
    presentacion_->Panel_Version->setText(QLatin1String(VersionLong));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        presentacion_->move(screen->availableGeometry().center() - presentacion_->rect().center());
    presentacion_->show();
    presentacion_->repaint();
    ctx_.settings.splashVisible = true;
    splashText(QStringLiteral("Initiating variables..."));
}

void TesseraApp::closeSplash() {
    if (presentacion_) {
        presentacion_->hide();
        // The window system hears of the hidden window before the window goes away.
        processEvents();
        delete presentacion_.data();
    }
    ctx_.settings.startingUp = false;
    ctx_.settings.splashVisible = false;
}

void TesseraApp::splashText(const QString& text) {
    if (!ctx_.settings.splashVisible || !presentacion_) return;
    presentacion_->Panel_Accion->setText(text);
    processEvents();
}

void TesseraApp::loadInterfaceTexts() {
    if (ctx_.settings.fatalError) return;
    const QString name = LanguageTable::fileName(ctx_.settings.currentLanguage);
    if (name.isEmpty()) showMessage(ctx_.entry(1), MessageKind::Error);
    const auto result = name.isEmpty() ? LanguageTable::LoadResult::OpenFailed
                                       : ctx_.language.load(ctx_.appFile(name));
    if (result == LanguageTable::LoadResult::OpenFailed) {
        reportError(ctx_, err::ReadLanguageFile);
        return;
    }
    if (result == LanguageTable::LoadResult::BadEndMarker) {
        showMessage(QStringLiteral("Error en el fichero de idioma"), MessageKind::Error);
        ctx_.delay(1);
    }
    applyTexts(ctx_.language, forms_);
    principal_->applyLanguage();
    for (QWidget* form : forms_)
        if (auto* dialog = qobject_cast<TPForm*>(form)) dialog->applyLanguage();
    applyHints(ctx_.settings.showHints, forms_);
    markLanguage();
}

void TesseraApp::applicationActivation() {
    Settings& s = ctx_.settings;
    suggestionLine_->layOut();
    if (s.singleUser) {
        ctx_.log(QStringLiteral("MIN app_act mono"));
        if (const auto language = readPreferences(); language && *language >= 0 && *language <= 2) {
            s.currentLanguage = *language;
            ctx_.log(QStringLiteral("MIN app_act rd lng"));
            loadInterfaceTexts();
        }
        ctx_.log(QStringLiteral("MIN app_act rd lib"));
        readLibrary();
        loadSuggestions();
        principal_->applyInterfacePreferences();
        splashText(QStringLiteral("Shelf enabled..."));
        runUsageCounter();
    }
    s.eventsEnabled = 1;
}

void TesseraApp::resetLocalLibrary() {
    const int language = std::clamp(ctx_.settings.currentLanguage, 0, 2);
    copyFile(ctx_, ctx_.appFile(DefaultLibraries[language]),
             ctx_.appFile(QStringLiteral("library.dat")), false);
    QFile books(ctx_.appFile(QStringLiteral("books.dat")));
    if (!books.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ctx_.settings.errorNumber = err::CreateBooksDat;
        showMessage(ctx_.entry(1), MessageKind::Error);
        ctx_.terminate();
    }
    books.close();
    ctx_.log(QStringLiteral("MIN rd lib"));
    readLibrary();
    ctx_.log(QStringLiteral("MIN lib rd"));
}

void TesseraApp::singleUserStart() {
    Settings& s = ctx_.settings;
    TPPrincipal& main = *principal_;
    ctx_.log(QStringLiteral("MIN sing_user ") + QString::number(random_.below(10)));
    main.Barra_Tools_Logout->setVisible(false);
    main.Barra_Tools_Salir->setVisible(true);
    main.Menu_Usuario->menuAction()->setVisible(false);
    main.Submenu_Logout->setVisible(false);
    main.Submenu_Salir->setVisible(true);
    ctx_.log(QStringLiteral("MIN sht"));
    if (s.firstRun) consejos_->exec();
    tipScreen_->showAtStart();
    showSuggestion(1, true);
    ctx_.log(QStringLiteral("MIN sc hf"));
    searchHelpFiles(ctx_);
    ctx_.log(QStringLiteral("MIN rd hf"));
    installHelp();
    ctx_.log(QStringLiteral("MIN timer on"));
    main.Timer->start();
    if (s.firstRun) {
        addSampleBooks();
        ctx_.log(QStringLiteral("MIN add fsb"));
    }
    ctx_.log(QStringLiteral("MIN rf per=0"));
    s.adminRefreshPeriod = 0;
    s.characterPanelAllowed = true;
}

void TesseraApp::multiUserStart() {
    Settings& s = ctx_.settings;
    TPPrincipal& main = *principal_;
    ctx_.log(QStringLiteral("MIN mult_user"));
    main.Barra_Tools_Logout->setVisible(true);
    main.Barra_Tools_Salir->setVisible(false);
    main.Menu_Usuario->menuAction()->setVisible(true);
    main.Submenu_Logout->setVisible(true);
    main.Submenu_Salir->setVisible(false);
    if (!s.firstRun) {
        ctx_.log(QStringLiteral("MIN rd cnet"));
        readNetworkConfiguration();
        ctx_.log(QStringLiteral("MIN rd cnet end"));
    }
    main.Menu_Usuario->menuAction()->setVisible(true);
    bindRegisters();
    ctx_.log(QStringLiteral("MIN log_show"));
    login_->exec();
    s.tipsAllowed = false;
    if (s.userLoggedIn && s.firstRun) {
        addSampleBooks();
        s.tipsAllowed = true;
        ctx_.log(QStringLiteral("MIN add fsb"));
    }
}

void TesseraApp::connectLanguageCommands() {
    static constexpr struct {
        const char* item;
        int language;
    } Items[] = {{"Submenu_Idioma_Espanhol", Spanish}, {"Submenu_Idioma_Ingles", English},
                 {"Submenu_Idioma_Portugues", Portuguese}};
    for (const auto& item : Items)
        if (auto* action = principal_->findChild<QAction*>(QLatin1String(item.item))) {
            const int language = item.language;
            connect(action, &QAction::triggered, this, [this, language] {
                if (ctx_.settings.eventsEnabled == 1) changeLanguage(language, false);
            });
        }
    const auto openDialog = [this] {
        if (ctx_.settings.eventsEnabled == 1) idioma_->exec();
    };
    connect(principal_->Barra_Tools_Idioma, &QAction::triggered, this, openDialog);
    if (auto* action = principal_->findChild<QAction*>(QStringLiteral("Submenu_Tools_Idioma")))
        connect(action, &QAction::triggered, this, openDialog);
}

void TesseraApp::markLanguage() {
    static constexpr const char* Items[] = {"Submenu_Idioma_Espanhol", "Submenu_Idioma_Ingles",
                                            "Submenu_Idioma_Portugues"};
    for (int language = 0; language < 3; ++language)
        if (auto* action = principal_->findChild<QAction*>(QLatin1String(Items[language])))
            action->setChecked(language == ctx_.settings.currentLanguage);
}

void TesseraApp::changeLanguage(int language, bool fromDialog) {
    ctx_.settings.currentLanguage = language;
    loadInterfaceTexts();
    if (fromDialog) {
        installHelp();
        showSuggestion(ctx_.settings.currentContext, true);
    }
    principal_->applyTitle();
}

void TesseraApp::installHelp() {
    acercaDe_->L_HelpFile->clear();
    acercaDe_->L_HelpFile->setText(installHelpFile(ctx_));
}

void TesseraApp::showHelp() {
    if (ctx_.settings.eventsEnabled != 1) return;
    if (!ayuda_->showFile(ctx_.appFile(QStringLiteral("help.hlp"))))
        showMessage(ctx_.entry(30), MessageKind::Information);
}

// Steps whose subsystems come with later work: each is called at its place in
// the sequence and does nothing yet.
void TesseraApp::startNewsDownload() {}
std::optional<int> TesseraApp::readPreferences() {
    if (ctx_.settings.fatalError) return std::nullopt;
    const quint8 saved = ctx_.settings.eventsEnabled;
    ctx_.settings.eventsEnabled = 0;
    splashText(QStringLiteral("Reading user data..."));
    const QString bars = ctx_.appFile(QStringLiteral("bars.dat"));
    if (QFileInfo::exists(bars)) loadBarsLayout(*principal_, bars); // a damaged layout leaves the default
    const UserDatReading reading = readUserPreferences(ctx_);
    restoreWindowPlacement(*principal_, ctx_.settings);
    applyWindowColour(*principal_, ctx_.settings.windowColour);
    applyBarTransparency(*principal_, ctx_.settings.toolbarTransparency);
    ctx_.settings.eventsEnabled = saved;
    return reading.language;
}

void TesseraApp::writePreferences() {
    saveBarsLayout(*principal_, ctx_.appFile(QStringLiteral("bars.dat")));
    recordWindowPlacement(*principal_, ctx_.settings);
    writeUserPreferences(ctx_);
}
LibraryHooks TesseraApp::libraryHooks() {
    LibraryHooks hooks;
    hooks.splashText = [this](const QString& text) { splashText(text); };
    hooks.savePreferences = [this] { writePreferences(); };
    hooks.rebuildView = [this] { principal_->refreshLibrary(); };
    hooks.defaultShelfMade = [this] { principal_->nameDefaultShelf(); };
    return hooks;
}

void TesseraApp::readLibrary() {
    tessera::readLibrary(ctx_, library_, libraryHooks());
}
void TesseraApp::loadSuggestions() {
    tessera::loadSuggestions(ctx_);
}
void TesseraApp::runUsageCounter() {}
void TesseraApp::applyNetworkConfiguration() {}
void TesseraApp::readNetworkConfiguration() {}
void TesseraApp::bindRegisters() {}
void TesseraApp::showSuggestion(int context, bool show, bool any) {
    suggestionLine_->showSuggestion(context, show, any);
}
void TesseraApp::saveLibrary() {
    tessera::saveLibrary(ctx_, library_, libraryHooks());
}

void TesseraApp::setStatusText(const QString& text) {
    if (principal_) principal_->setActionText(text);
}

void TesseraApp::setProgress(int percent) {
    if (principal_) principal_->setProgress(percent);
}

void TesseraApp::setProgressVisible(bool visible) {
    if (principal_) principal_->setProgressVisible(visible);
}

int TesseraApp::showMessage(const QString& text, MessageKind kind) {
    return mensaje_ ? mensaje_->showMessage(text, kind) : AnswerOk;
}

void TesseraApp::showNotice(const QString& text, MessageKind kind) {
    if (mensaje_) mensaje_->showNotice(text, kind);
}

void TesseraApp::processEvents() {
    QCoreApplication::processEvents();
}

void TesseraApp::requestTerminate() {
    ctx_.settings.terminateRequested = true;
    if (inMessageLoop_) QCoreApplication::exit(0);
}

void TesseraApp::connectionLost() {
    if (perdidaConexion_ && !perdidaConexion_->isVisible()) perdidaConexion_->exec();
}

} // namespace tessera
