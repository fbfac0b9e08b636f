#include "shell/settings.h"

#include "shell/paths.h"

#include <QStringList>

namespace tessera {

namespace {
constexpr std::array<const char*, 5> LabelRows = {"123456", "abcdef", "ABCDEF", "******", "------"};

// Windows system colour 19, the inactive caption text, as the classic scheme draws it.
const QColor InactiveCaptionText(0, 0, 0);
// The colour of the main window under the initial interface style (XP).
const QColor XpWindowColour(191, 215, 249);
} // namespace

QChar optionLabel(int format, int option) {
    if (format < 1 || format > 5 || option < 1 || option > 6) return QChar();
    return QChar::fromLatin1(LabelRows[format - 1][option - 1]);
}

QString optionLabelRow(int format) {
    QStringList labels;
    for (int option = 1; option <= 6; ++option)
        labels << QString(optionLabel(format, option));
    return labels.join(QStringLiteral(", "));
}

void Settings::initialise(const QDateTime& now) {
    // Interface.
    toolbarStyle = 3;
    libraryStyle = 11;
    toolbarTransparency = 210;
    iconSize = 0;
    showLibrary = true;
    showToolsBar = true;
    showInterfaceBar = true;
    showLibraryBar = true;
    showStatusBar = true;
    editingBar = 2;
    showSuggestionBar = true;
    showChronometer = true;
    showCharacterPalette = false;
    showEditorCharacterPalette = false;
    startMaximised = true;
    anchoredPanels = false;
    libraryPosition = 1;
    chronoBackground = InactiveCaptionText;
    chronoLit = QColor(0, 0, 0);
    chronoUnlit = QColor(255, 251, 240);
    optionsPage = 1;
    windowColour = XpWindowColour;
    windowColourSaved = false;

    showPage.fill(true);

    // Practice and editing.
    solutionPause = 1000;
    pastePosition = 1;
    tabWidth = 150;
    showTotalRecords = true;
    showLevel0Records = true;
    tabPosition = 3;
    confirmRecordDeletion = true;
    editorMaximised = true;
    distinguishAccents = true;
    distinguishCase = false;
    bookPassword.clear();

    // User data.
    userName.clear();
    userDetails.clear();
    userEmail.clear();
    protectUserData = false;
    userDataPassword.clear();

    // Book appearance.
    coverKind = 1;
    coverColour = QColor(255, 255, 255);
    titlePanelColour = QColor(255, 255, 255);
    titleFontColour = QColor(0, 0, 0);
    titlePanelTransparent = true;
    coverChoice = 1;
    optionLabelFormat = 1;

    // Statistics view.
    graphShown = 0;
    cumulative = 0;
    periodStart = now.date().addDays(-30);
    periodEnd = now.date();
    periodEditOrder = {1, 2, 3};

    // Start-up and background.
    backupDir = subdirectory(appDir, QStringLiteral("backup"));
    backupInterval = 15;
    showTipsAtStart = true;
    downloadNews = true;
    showHints = true;
    lastNewsSeen = 0;
    newestNews = 0;
    newsPending = false;
    backgroundStop = false;
    currentTip = 0;
    startMoment = now;

    // Suggestions.
    for (auto& table : suggestions)
        table.clear();
    currentSuggestion = 0;
    currentContext = 0;
    suggestionsLoaded = false;
    animationRunning = false;
    suggestionShown = false;

    // Chronometer.
    chronoState = 0;
    chronoStartShown = true;
    chronoPauseShown = false;
    chronoResetShown = true;
    chronoDisplay = QStringLiteral("00:00:00");

    // Administration.
    adminConsoleOpen = false;
    selectedUser = -1;
    consoleEventsEnabled = true;
    refreshRunning = false;
    adminRefreshPeriod = 3;
    usersRefreshPeriod = 10;
    usersMayAddBooks = true;
    usersMayDeleteBooks = false;
    usersMayRenameBooks = false;
    mainRelayoutPending = false;
    editorRelayoutPending = false;
    consoleRelayoutPending = false;

    // Layout.
    wideWindow = true;
}

} // namespace tessera

namespace tessera {
bool Settings::isAdministrator() const {
    // The Admin's user folder is "admin", the folder that also holds the registers.
    return !singleUser && withoutTrailingSeparator(userFolder) == QLatin1String("admin");
}
} // namespace tessera
