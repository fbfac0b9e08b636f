#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

namespace tessera {

// Languages of the interface, in the coding of net.dat and user.dat.
enum Language : int { Spanish = 0, English = 1, Portuguese = 2, LanguageNotSet = 3 };

struct HelpFileEntry {
    bool found = false;
    qint16 version = 0; // 0..999
    QString path;
};

struct Suggestion {
    qint32 context = 0;
    QString text; // at most 255 characters
    qint32 showings = 0;
};

// The option labels of multiple-choice answers, by option label format 1..5.
QChar optionLabel(int format, int option);
// The rows of the book's format selector, "1, 2, 3, 4, 5, 6" and so on.
QString optionLabelRow(int format);

// The process-wide settings and state. Owned by the application and passed by
// reference; tests build a fresh one. initialise() is the one place that gives
// the preferences and run-time state their start-up values (the members it sets
// are zero until then); the paths, the installation mode and the control state
// are set by start-up and configuration instead, so initialise() leaves them alone.
struct Settings {
    static constexpr int MaxSuggestions = 512;

    // Paths and mode.
    QString appDir;     // trailing separator
    QString netDataDir; // trailing separator
    QString userFolder;
    bool singleUser = true;
    bool localMode = true;
    int installLanguage = Spanish;
    int currentLanguage = Spanish;

    // Control state.
    bool fatalError = false;
    bool terminateRequested = false;
    int errorNumber = 0;
    quint8 eventsEnabled = 0;

    // Start-up state.
    bool firstRun = false;
    bool configurationCompleted = false;
    bool startingUp = false;
    bool splashVisible = false;
    qint32 tickCounter = 0;
    quint8 edition = 0;
    bool tipsAfterLoginRequest = false;
    bool tipsAllowed = false;
    bool characterPanelAllowed = false;
    bool networkReachable = false;
    bool userLoggedIn = false;
    bool sessionActive = false;
    bool heartbeatInProgress = false;
    QString computerId;

    // Interface.
    int workingMode = 1; // 1 basic, 0 advanced
    int interfaceStyle = 0;
    int toolbarStyle{};
    int libraryStyle{};
    int toolbarTransparency{};
    int iconSize{};
    bool showLibrary{};
    bool showToolsBar{};
    bool showInterfaceBar{};
    bool showLibraryBar{};
    bool showStatusBar{};
    int editingBar{};
    bool showSuggestionBar{};
    bool showChronometer{};
    bool showCharacterPalette{};
    bool showEditorCharacterPalette{};
    bool startMaximised{};
    bool anchoredPanels{};
    int libraryPosition{}; // 0 right, 1 left
    QColor chronoBackground;
    QColor chronoLit;
    QColor chronoUnlit;
    int optionsPage{};
    // The colour the main window wears now (line 25 of user.dat). Whoever colours
    // the window keeps it in step: the style, the colour dialogs, the options.
    QColor windowColour;
    // Line 25 was read: the next application of the interface style puts
    // windowColour on the windows instead of the style's own colour, once.
    bool windowColourSaved{};
    // The main window at this moment, as user.dat lines 8..12 keep it.
    bool mainWindowMaximised = true;
    QRect mainWindowRect;

    // Book pages: summary, notes, topics, practice, statistics, editor, parameters, options.
    std::array<bool, 8> showPage{};

    // Practice and editing.
    quint16 solutionPause{};
    int pastePosition{};
    int tabWidth{};
    bool showTotalRecords{};
    bool showLevel0Records{};
    int tabPosition{};
    bool confirmRecordDeletion{};
    bool editorMaximised{};
    bool distinguishAccents{};
    bool distinguishCase{};
    QString bookPassword;

    // User data, copied into every new book as author data.
    QString userName;    // capacity 32
    QString userDetails; // capacity 196
    QString userEmail;   // capacity 64
    bool protectUserData{};
    QString userDataPassword; // capacity 8

    // Appearance of the open book.
    int coverKind{};
    QColor coverColour;
    QColor titlePanelColour;
    QColor titleFontColour;
    bool titlePanelTransparent{};
    int coverChoice{};
    int optionLabelFormat{};

    // Statistics view.
    int graphShown{};
    int cumulative{};
    QDate periodStart;
    QDate periodEnd;
    std::array<int, 3> periodEditOrder{};

    // Start-up and background.
    QString backupDir;
    int backupInterval{};
    bool showTipsAtStart{};
    bool downloadNews{};
    bool showHints{};
    int lastNewsSeen{};
    int newestNews{};
    bool newsPending{};
    bool backgroundStop{};
    int currentTip{};
    QDateTime startMoment;

    // Suggestions.
    std::array<std::vector<Suggestion>, 3> suggestions;
    int currentSuggestion{};
    int currentContext{};
    bool suggestionsLoaded{};
    bool animationRunning{};
    bool suggestionShown{};

    // Chronometer.
    int chronoState{};
    bool chronoStartShown{};
    bool chronoPauseShown{};
    bool chronoResetShown{};
    QString chronoDisplay;

    // Administration.
    bool adminConsoleOpen{};
    int selectedUser{};
    bool consoleEventsEnabled{};
    bool refreshRunning{};
    int adminRefreshPeriod{};
    int usersRefreshPeriod{};
    int connectionCheckPeriod = 0;
    // What the network configuration lets users other than the Admin do with their books.
    bool usersMayAddBooks = true;
    bool usersMayDeleteBooks = false;
    bool usersMayRenameBooks = false;
    bool mainRelayoutPending{};
    bool editorRelayoutPending{};
    bool consoleRelayoutPending{};

    // Layout.
    bool wideWindow{};

    // Help files, one entry per language.
    std::array<HelpFileEntry, 3> helpFiles;

    // The user working now is the Admin: the one who may always change books.
    bool isAdministrator() const;
    // Single-user mode, or the Admin, or what the network configuration allows.
    bool mayAddBooks() const { return singleUser || isAdministrator() || usersMayAddBooks; }
    bool mayDeleteBooks() const { return singleUser || isAdministrator() || usersMayDeleteBooks; }
    bool mayRenameBooks() const { return singleUser || isAdministrator() || usersMayRenameBooks; }

    // Gives every setting its initial value; now is the moment of the initialisation.
    void initialise(const QDateTime& now);
};

} // namespace tessera
