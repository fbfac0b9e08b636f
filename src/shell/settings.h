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
// reference; tests build a fresh one. initialise() gives every setting its
// start-up value; the paths and the installation mode are set by start-up and
// configuration instead, so initialise() leaves them alone.
struct Settings {
    static constexpr int MaxSuggestions = 512;
    static constexpr int HistoryDays = 7305;

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
    int toolbarStyle = 3;
    int libraryStyle = 11;
    int toolbarTransparency = 210;
    int iconSize = 0;
    bool showLibrary = true;
    bool showToolsBar = true;
    bool showInterfaceBar = true;
    bool showLibraryBar = true;
    bool showStatusBar = true;
    int editingBar = 2;
    bool showSuggestionBar = true;
    bool showChronometer = true;
    bool showCharacterPalette = false;
    bool showEditorCharacterPalette = false;
    bool startMaximised = true;
    bool anchoredPanels = false;
    int libraryPosition = 1; // 0 right, 1 left
    QColor chronoBackground;
    QColor chronoLit;
    QColor chronoUnlit;
    int optionsPage = 1;
    QColor windowColour; // invalid until the user picks one
    bool mainWindowMaximised = true;
    QRect mainWindowRect;

    // Book pages: summary, notes, topics, practice, statistics, editor, parameters, options.
    std::array<bool, 8> showPage{};

    // Practice and editing.
    quint16 solutionPause = 1000;
    int pastePosition = 1;
    int tabWidth = 150;
    bool showTotalRecords = true;
    bool showLevel0Records = true;
    int tabPosition = 3;
    bool confirmRecordDeletion = true;
    bool editorMaximised = true;
    bool distinguishAccents = true;
    bool distinguishCase = false;
    QString bookPassword;

    // User data, copied into every new book as author data.
    QString userName;     // capacity 32
    QString userDetails;  // capacity 196
    QString userEmail;    // capacity 64
    bool protectUserData = false;
    QString userDataPassword; // capacity 8

    // Appearance of the open book.
    int coverKind = 1;
    QColor coverColour;
    QColor titlePanelColour;
    QColor titleFontColour;
    bool titlePanelTransparent = true;
    int coverChoice = 1;
    int optionLabelFormat = 1;

    // Statistics view.
    int graphShown = 0;
    int cumulative = 0;
    QDate periodStart;
    QDate periodEnd;
    std::array<int, 3> periodEditOrder{};
    std::vector<std::array<qint32, 8>> dailyTable; // cleared to zeros, HistoryDays entries

    // Start-up and background.
    QString backupDir;
    int backupInterval = 15;
    bool showTipsAtStart = true;
    bool downloadNews = true;
    bool showHints = true;
    int lastNewsSeen = 0;
    int newestNews = 0;
    bool newsPending = false;
    bool backgroundStop = false;
    int currentTip = 0;
    QDateTime startMoment;

    // Suggestions.
    std::array<std::vector<Suggestion>, 3> suggestions;
    int currentSuggestion = 0;
    int currentContext = 0;
    bool suggestionsLoaded = false;
    bool animationRunning = false;
    bool suggestionShown = false;
    bool editorSuggestionShown = false;

    // Chronometer.
    int chronoState = 0;
    bool chronoStartShown = true;
    bool chronoPauseShown = false;
    bool chronoResetShown = true;
    QString chronoDisplay;

    // Administration.
    bool adminConsoleOpen = false;
    int selectedUser = -1;
    bool consoleEventsEnabled = true;
    bool refreshRunning = false;
    int adminRefreshPeriod = 3;
    int usersRefreshPeriod = 10;
    int connectionCheckPeriod = 0;
    bool mainRelayoutPending = false;
    bool editorRelayoutPending = false;
    bool consoleRelayoutPending = false;

    // Layout.
    bool wideWindow = true;

    // Help files, one entry per language.
    std::array<HelpFileEntry, 3> helpFiles;

    // Gives every setting its initial value; now is the moment of the initialisation.
    void initialise(const QDateTime& now);
};

} // namespace tessera
