// The main window's life: activation, the timer, the shutdown and the status bar.
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"
#include "forms/shelfbar.h"
#include "forms/tptipscreen.h"
#include "shell/filecopy.h"
#include "shell/netdat.h"
#include "shell/paths.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

namespace tessera {

TPPrincipal::~TPPrincipal() = default;

Context& TPPrincipal::ctx() {
    return app_.ctx();
}

bool TPPrincipal::event(QEvent* e) {
    // The form is activated at its first showing (whether or not a window
    // manager hands it the focus) and whenever one of our own windows closes
    // back to it; coming back from another program is not an activation.
    switch (e->type()) {
    case QEvent::Show:
        if (!shownOnce_) {
            shownOnce_ = true;
            activatedByShow_ = true;
            FormActivate();
        }
        break;
    case QEvent::WindowDeactivate:
        leftToOutside_ = QApplication::activeWindow() == nullptr;
        activatedByShow_ = false;
        break;
    case QEvent::WindowActivate:
        if (!activatedByShow_ && !leftToOutside_) FormActivate();
        activatedByShow_ = false;
        leftToOutside_ = false;
        break;
    default:
        break;
    }
    return QMainWindow::event(e);
}

void TPPrincipal::FormActivate() {
    Context& c = ctx();
    c.log(QStringLiteral("ACT MAIN"));
    if (c.settings.startMaximised && !isMaximized()) showMaximized();
    c.log(QStringLiteral("ACT AssignFiles"));
    for (QAction* a : {Popup_CargarImagen, ME_Btn_Insertar, ME_Btn_Cortar, ME_Btn_Copiar,
                       ME_Btn_Pegar, ME_Btn_Salvar, Menu_Edicion_Salvar})
        if (a) a->setEnabled(false);
    for (QPushButton* b : {ME_Btn_Salvar_Main, ME_Btn_Expandir, ME_Cargar_Imagen, ME_Borrar_imagen})
        if (b) b->setEnabled(false);
    c.log(QStringLiteral("ACT enabled=off"));
    for (QAction* a : {Menu_Edicion_Copiar, Menu_Edicion_Cortar, Menu_Edicion_Insertar,
                       Menu_Edicion_Pegar, Menu_Edicion_Multiple})
        if (a) a->setEnabled(false);
    c.log(QStringLiteral("ACT enabled ok"));
    applyViewSettings();
    c.log(QStringLiteral("ACT see act"));
    resetStatisticsGrid();
    // Start and pause share one place on the clock bar: a stopped clock offers start.
    for (QPushButton* b : {Btn_Crono_Empezar, Btn_Crono_Pausa, Btn_Crono_Reiniciar}) {
        if (!b) continue;
        b->setVisible(b != Btn_Crono_Pausa);
        b->setCursor(Qt::ArrowCursor);
        b->setEnabled(false);
    }
    c.random().seed(static_cast<quint32>(c.clock().now().toMSecsSinceEpoch()));
    c.log(QStringLiteral("ACT MAIN OK"));
}

void TPPrincipal::resetStatisticsGrid() {
    if (GridG) {
        GridG->setColumnCount(3);
        for (int col = 0; col < 3; ++col)
            GridG->setColumnWidth(col, 60);
        GridG->setFixedWidth(180);
        GridG->setCurrentCell(0, 0);
        GridG->setEnabled(false);
    }
    if (MarcoGrafico) MarcoGrafico->move(34, 22);
    if (Panel_Fechas) Panel_Fechas->move(34, 204);
    if (Panel_NRegistros) Panel_NRegistros->move(24, 16);
}

void TPPrincipal::closeEvent(QCloseEvent* e) {
    if (!closeAllowed_ && !FormCloseQuery()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
    app_.requestTerminate();
}

bool TPPrincipal::FormCloseQuery() {
    Context& c = ctx();
    if (c.settings.eventsEnabled != 1) return false;
    if (c.feedback().showMessage(c.entry(57), MessageKind::Question) != AnswerYes) return false;
    c.delay(1);
    c.settings.backgroundStop = true;
    if (Escritorio && Escritorio->isVisible() && Portada_Libro && Pagina_Izquierda &&
        Pagina_Izquierda->isVisible()) {
        Pagina_Izquierda->hide();
        Portada_Libro->show();
    }
    if (Portada_Libro && Portada_Libro->isVisible()) app_.closeOpenBook();
    app_.saveLibrary();
    c.delay(500);
    closeAllowed_ = true;
    return true;
}

void TPPrincipal::FormClose() {
    Context& c = ctx();
    Settings& s = c.settings;
    const quint8 saved = s.eventsEnabled;
    s.eventsEnabled = 0;
    if (Portada_Libro && Portada_Libro->isVisible()) app_.closeOpenBook();
    Timer->stop();
    app_.saveLibrary();
    writeNetDat(c);
    if (!s.singleUser && s.userLoggedIn) {
        const QString userDir = subdirectory(s.netDataDir, s.userFolder);
        for (const char* name : {"library.dat", "books.dat", "bars.dat", "user.dat"})
            copyFile(c, c.appFile(QLatin1String(name)), filePath(userDir, QLatin1String(name)),
                     false);
        s.userLoggedIn = false;
    }
    for (const QString& name : TesseraApp::workingFiles())
        QFile::remove(c.appFile(name));
    s.eventsEnabled = saved;
    c.log(QStringLiteral("DES MAIN"));
}

void TPPrincipal::Submenu_SalirClick() {
    if (ctx().settings.eventsEnabled == 1) close();
}

void TPPrincipal::TimerTimer() {
    Settings& s = ctx().settings;
    if (s.fatalError) return;
    ++s.tickCounter;
    const auto every = [&](int seconds) { return s.tickCounter % (2 * std::max(1, seconds)) == 0; };
    const bool multi = !s.singleUser;

    if (s.chronoState == 1) showChronometerTime();
    if (s.mainRelayoutPending) {
        relayout();
        s.mainRelayoutPending = false;
    }
    if (s.editorRelayoutPending) {
        relayoutEditor();
        s.editorRelayoutPending = false;
    }
    if (multi && s.userLoggedIn && every(s.usersRefreshPeriod) && !s.heartbeatInProgress)
        heartbeat();
    if (s.tickCounter == 20 && s.downloadNews) showNews();
    if (multi && s.adminRefreshPeriod > 0 && s.isAdministrator())
        adminPresenceRefresh();
    if (multi && s.adminRefreshPeriod > 0 && s.adminConsoleOpen && every(s.connectionCheckPeriod))
        accountCheck();
    if (s.tipsAfterLoginRequest && s.tipsAllowed && s.tickCounter % 2 == 0) {
        s.tipsAfterLoginRequest = false;
        showTipAfterLogin();
    }
}

// Timer duties of subsystems that come later: called at their place, nothing yet.
void TPPrincipal::showChronometerTime() {}
void TPPrincipal::relayout() {}
void TPPrincipal::relayoutEditor() {}
void TPPrincipal::heartbeat() {}
void TPPrincipal::showNews() {
    ++newsShown_;
}
void TPPrincipal::adminPresenceRefresh() {}
void TPPrincipal::accountCheck() {}
void TPPrincipal::showTipAfterLogin() {
    app_.tipScreen().showAtStart();
}
void TPPrincipal::applyViewSettings() {}
void TPPrincipal::applyInterfacePreferences() {
    applyLibraryStyle();
    applyTitle();
}

void TPPrincipal::applyLanguage() {
    setWindowTitle(QLatin1String(TesseraApp::Title));
    applyTitle();
}

void TPPrincipal::applyTitle() {
    const Settings& s = ctx().settings;
    const QString mode = ctx().entry(s.workingMode == 0 ? 443 : 444);
    const QString title = QLatin1String(TesseraApp::Title);
    if (s.singleUser)
        setWindowTitle(title + QStringLiteral(" (") + mode + QStringLiteral(")"));
    else
        setWindowTitle(title + QStringLiteral(" - ") + ctx().entry(438) + QLatin1Char(' ') +
                       s.userName + QStringLiteral(" (") + mode + QStringLiteral(")"));
}

void TPPrincipal::disableBarsUntilLogin() {
    for (QAction* a : {Barra_Tools_AnclarPaneles, Barra_Tools_Opciones, Barra_Tools_Idioma,
                       Barra_Tools_Parametros, Barra_Tools_LibPublica, Barra_Tools_Veltraxis,
                       Barra_Tools_Soporte, Barra_Tools_Foro, Barra_Tools_FAQ, Barra_Tools_Ayuda,
                       Barra_Tools_Logout, Barra_Tools_Admin, Barra_Tools_Salir})
        if (a) a->setEnabled(false);
}

void TPPrincipal::refreshSuggestionLine() {
    for (QWidget* w : std::initializer_list<QWidget*>{TC_Sugerencias, L_Sugerencia,
                                                      Fondo_TC_Sugerencias, Fondo_Reloj})
        if (w) w->repaint();
    // Moving the background there and back makes it redraw.
    if (Fondo_TC_Sugerencias) {
        Fondo_TC_Sugerencias->move(0, Fondo_TC_Sugerencias->y());
        Fondo_TC_Sugerencias->move(1, Fondo_TC_Sugerencias->y());
    }
}

void TPPrincipal::setActionText(const QString& text) {
    if (Panel_Accion) Panel_Accion->setText(text);
}

void TPPrincipal::setProgress(int percent) {
    if (Panel_BarraProgreso) Panel_BarraProgreso->setValue(percent);
}

void TPPrincipal::setProgressVisible(bool visible) {
    if (Panel_BarraProgreso) {
        Panel_BarraProgreso->setTextVisible(visible);
        Panel_BarraProgreso->setVisible(visible);
    }
}

} // namespace tessera
