#include "interface/preferences.h"

#include "shell/context.h"
#include "shell/datetext.h"
#include "shell/errors.h"
#include "shell/textfile.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace tessera {

namespace {

const QString UserDat = QStringLiteral("user.dat");

constexpr int NameCapacity = 32;
constexpr int DetailsCapacity = 196;
constexpr int EmailCapacity = 64;
constexpr int BackupDirCapacity = 255;
constexpr int PasswordCapacity = 8;

// The ranges the program itself writes. A number outside its range means the
// file is not what this program wrote there, so it stops the reading like a
// number that does not parse, rather than reaching the windows as a style or
// mode that does not exist.
constexpr int MaxLibraryStyle = 11;
constexpr int MaxToolbarStyle = 4;
constexpr int MaxInterfaceStyle = 3;
constexpr int MaxGraph = 7;
constexpr int MinTabWidth = 100;
constexpr int MaxTabWidth = 250;
constexpr int MaxBackupInterval = 120;
constexpr int MaxCoordinate = 100000;

// The events-enabled flag is 0 while the preferences are read or written, so
// that clicks arriving while messages run are ignored.
class EventsPaused {
public:
    explicit EventsPaused(Settings& s) : s_(s), saved_(s.eventsEnabled) { s.eventsEnabled = 0; }
    ~EventsPaused() { s_.eventsEnabled = saved_; }
    EventsPaused(const EventsPaused&) = delete;
    EventsPaused& operator=(const EventsPaused&) = delete;

private:
    Settings& s_;
    quint8 saved_;
};

class LineCursor {
public:
    explicit LineCursor(const QStringList& lines) : lines_(lines) {}

    std::optional<QString> next() {
        if (at_ >= lines_.size()) return std::nullopt;
        return lines_[at_++];
    }
    std::optional<qint64> integer(qint64 min, qint64 max) {
        const auto line = next();
        if (!line) return std::nullopt;
        bool ok = false;
        const qint64 value = line->trimmed().toLongLong(&ok);
        if (!ok || value < min || value > max) return std::nullopt;
        return value;
    }
    std::optional<bool> flag() {
        const auto line = next();
        if (!line) return std::nullopt;
        return textFlag(*line);
    }
    std::optional<QDate> date() {
        const auto line = next();
        if (!line) return std::nullopt;
        const auto moment = parseDateText(*line);
        if (!moment) return std::nullopt;
        return moment->date();
    }

private:
    const QStringList& lines_;
    qsizetype at_ = 0;
};

struct ReadState {
    QDate today;
    std::optional<int> language;
};

// One value of the file: how it is written and how it is read back. Reading
// returns false when the line is missing or does not hold what it should.
struct Field {
    void (*write)(const Settings&, QStringList&);
    bool (*read)(LineCursor&, Settings&, ReadState&);
};

// A text of one line: a line break inside it would shift every later line.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QString dateLine(const QDate& day) {
    return dateText(QDateTime(day, QTime(0, 0)));
}

constexpr qint64 MinColourValue = -2147483648LL; // system colours are negative as signed values
constexpr qint64 MaxColourValue = 0xFFFFFFFFLL;

template <auto Member, int Min, int Max> constexpr Field integer() {
    return {[](const Settings& s, QStringList& out) { out << QString::number(s.*Member); },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto value = in.integer(Min, Max);
                if (value) s.*Member = static_cast<int>(*value);
                return value.has_value();
            }};
}

template <auto Member> constexpr Field flag() {
    return {[](const Settings& s, QStringList& out) { out << flagText(s.*Member); },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto value = in.flag();
                if (value) s.*Member = *value;
                return value.has_value();
            }};
}

template <std::size_t Page> constexpr Field pageFlag() {
    return {[](const Settings& s, QStringList& out) { out << flagText(s.showPage[Page]); },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto value = in.flag();
                if (value) s.showPage[Page] = *value;
                return value.has_value();
            }};
}

template <auto Member, int Capacity> constexpr Field text() {
    return {[](const Settings& s, QStringList& out) { out << oneLine(s.*Member); },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto line = in.next();
                if (line) s.*Member = line->left(Capacity);
                return line.has_value();
            }};
}

// A colour that names a system colour leaves the setting as it is.
template <auto Member> constexpr Field colour() {
    return {
        [](const Settings& s, QStringList& out) { out << QString::number(colourValue(s.*Member)); },
        [](LineCursor& in, Settings& s, ReadState&) {
            const auto value = in.integer(MinColourValue, MaxColourValue);
            if (!value) return false;
            if (const auto c = colourFromValue(*value)) s.*Member = *c;
            return true;
        }};
}

// Line 6 goes back to the caller, who reloads the texts when it names a language.
constexpr Field language() {
    return {[](const Settings& s, QStringList& out) { out << QString::number(s.currentLanguage); },
            [](LineCursor& in, Settings&, ReadState& state) {
                const auto value = in.integer(Spanish, LanguageNotSet);
                if (value) state.language = static_cast<int>(*value);
                return value.has_value();
            }};
}

// Lines 8..12: maximised, or the rectangle of a window that is not.
constexpr Field placement() {
    return {[](const Settings& s, QStringList& out) {
                out << flagText(s.mainWindowMaximised);
                const QRect& r = s.mainWindowRect;
                if (s.mainWindowMaximised)
                    out << QString() << QString() << QString() << QString();
                else
                    out << QString::number(r.left()) << QString::number(r.top())
                        << QString::number(r.width()) << QString::number(r.height());
            },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto maximised = in.flag();
                if (!maximised) return false;
                s.startMaximised = *maximised;
                s.mainWindowMaximised = *maximised;
                if (*maximised) {
                    for (int skipped = 0; skipped < 4; ++skipped)
                        if (!in.next()) return false;
                    return true;
                }
                const auto left = in.integer(-MaxCoordinate, MaxCoordinate);
                const auto top = left ? in.integer(-MaxCoordinate, MaxCoordinate) : std::nullopt;
                const auto width = top ? in.integer(1, MaxCoordinate) : std::nullopt;
                const auto height = width ? in.integer(1, MaxCoordinate) : std::nullopt;
                if (!height) return false;
                s.mainWindowRect = QRect(int(*left), int(*top), int(*width), int(*height));
                return true;
            }};
}

// Line 18: "true" always shown (0), "false" hidden (1), "auto" (2); any
// other text leaves the setting as it is.
constexpr Field editingBar() {
    return {[](const Settings& s, QStringList& out) {
                static const std::array<QString, 3> Words = {
                    QStringLiteral("true"), QStringLiteral("false"), QStringLiteral("auto")};
                out << Words[std::size_t(std::clamp(s.editingBar, 0, 2))];
            },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto line = in.next();
                if (!line) return false;
                if (*line == QLatin1String("true"))
                    s.editingBar = 0;
                else if (*line == QLatin1String("false"))
                    s.editingBar = 1;
                else if (*line == QLatin1String("auto"))
                    s.editingBar = 2;
                return true;
            }};
}

// Line 25 is the colour the window wears; once read, it is the colour the next
// application of the style keeps.
constexpr Field windowColour() {
    return {[](const Settings& s, QStringList& out) {
                out << QString::number(colourValue(s.windowColour));
            },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto value = in.integer(MinColourValue, MaxColourValue);
                if (!value) return false;
                if (const auto c = colourFromValue(*value)) {
                    s.windowColour = *c;
                    s.windowColourSaved = true;
                }
                return true;
            }};
}

// Lines 27 and 28: the period keeps its length and is moved to end today.
constexpr Field period() {
    return {[](const Settings& s, QStringList& out) {
                out << dateLine(s.periodStart) << dateLine(s.periodEnd);
            },
            [](LineCursor& in, Settings& s, ReadState& state) {
                const auto start = in.date();
                const auto end = start ? in.date() : std::nullopt;
                if (!end) return false;
                // A start after the end is taken as the same length the right way round.
                const qint64 length = std::llabs(start->daysTo(*end));
                s.periodEnd = state.today;
                s.periodStart = state.today.addDays(-length);
                return true;
            }};
}

// The details span lines and end at a line holding the character of code 255.
constexpr Field details() {
    return {[](const Settings& s, QStringList& out) {
                QString details = s.userDetails;
                details.replace(QLatin1String("\r\n"), QLatin1String("\n"));
                for (const QString& line : details.split(QLatin1Char('\n'))) {
                    // A details line equal to the end mark would end the details
                    // early and shift the rest of the file; a blank keeps it apart.
                    out << (line == QString(DetailsEnd) ? line + QLatin1Char(' ') : line);
                }
                out << QString(DetailsEnd);
            },
            [](LineCursor& in, Settings& s, ReadState&) {
                QStringList lines;
                for (;;) {
                    const auto line = in.next();
                    if (!line) return false;
                    if (*line == QString(DetailsEnd)) break;
                    lines << *line;
                }
                s.userDetails = lines.join(QLatin1String("\r\n")).left(DetailsCapacity);
                return true;
            }};
}

// "true" for tabs on top (position 0), "false" for tabs on the left (3).
constexpr Field tabsOnTop() {
    return {[](const Settings& s, QStringList& out) { out << flagText(s.tabPosition == 0); },
            [](LineCursor& in, Settings& s, ReadState&) {
                const auto value = in.flag();
                if (value) s.tabPosition = *value ? 0 : 3;
                return value.has_value();
            }};
}

using S = Settings;

// The file, in its order.
const std::array Fields = {
    integer<&S::workingMode, 0, 1>(),                    // 1
    integer<&S::interfaceStyle, 0, MaxInterfaceStyle>(), // 2
    integer<&S::toolbarStyle, 0, MaxToolbarStyle>(),     // 3
    integer<&S::libraryStyle, 0, MaxLibraryStyle>(),     // 4
    integer<&S::toolbarTransparency, 0, 255>(),          // 5
    language(),                                          // 6
    integer<&S::iconSize, 0, 1>(),                       // 7
    placement(),                                         // 8..12
    flag<&S::showLibrary>(),                             // 13
    flag<&S::showToolsBar>(),                            // 14
    flag<&S::showInterfaceBar>(),                        // 15
    flag<&S::showLibraryBar>(),                          // 16
    flag<&S::showStatusBar>(),                           // 17
    editingBar(),                                        // 18
    flag<&S::showSuggestionBar>(),                       // 19
    flag<&S::showChronometer>(),                         // 20
    flag<&S::showCharacterPalette>(),                    // 21
    flag<&S::showEditorCharacterPalette>(),              // 22
    flag<&S::anchoredPanels>(),                          // 23
    integer<&S::libraryPosition, 0, 1>(),                // 24
    windowColour(),                                      // 25
    integer<&S::graphShown, 0, MaxGraph>(),              // 26
    period(),                                            // 27, 28
    integer<&S::cumulative, 0, 1>(),                     // 29
    text<&S::userName, NameCapacity>(),                  // 30
    details(),                                           // 31.., end mark
    text<&S::userEmail, EmailCapacity>(),
    flag<&S::showTotalRecords>(),
    flag<&S::showLevel0Records>(),
    tabsOnTop(),
    integer<&S::tabWidth, MinTabWidth, MaxTabWidth>(),
    flag<&S::confirmRecordDeletion>(),
    text<&S::backupDir, BackupDirCapacity>(),
    flag<&S::showTipsAtStart>(),
    flag<&S::downloadNews>(),
    integer<&S::backupInterval, 0, MaxBackupInterval>(),
    flag<&S::showHints>(),
    flag<&S::distinguishAccents>(),
    flag<&S::distinguishCase>(),
    integer<&S::lastNewsSeen, 0, std::numeric_limits<int>::max()>(),
    flag<&S::protectUserData>(),
    text<&S::userDataPassword, PasswordCapacity>(),
    flag<&S::editorMaximised>(),
    pageFlag<0>(),                  // pages shown: summary,
    pageFlag<1>(),                  // notes,
    pageFlag<2>(),                  // topics,
    pageFlag<3>(),                  // practice,
    pageFlag<4>(),                  // statistics,
    pageFlag<5>(),                  // editor,
    pageFlag<6>(),                  // parameters,
    pageFlag<7>(),                  // options
    colour<&S::chronoBackground>(), // chronometer: background,
    colour<&S::chronoLit>(),        // lit segments,
    colour<&S::chronoUnlit>(),      // unlit segments
};

QStringList userDatLines(const Settings& s) {
    QStringList lines;
    for (const Field& field : Fields)
        field.write(s, lines);
    return lines;
}

} // namespace

qint64 colourValue(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    return qint64(qRed(rgb)) | qint64(qGreen(rgb)) << 8 | qint64(qBlue(rgb)) << 16;
}

std::optional<QColor> colourFromValue(qint64 value) {
    if (value < 0 || value > 0xFFFFFF) return std::nullopt;
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

UserDatReading readUserPreferences(Context& ctx) {
    UserDatReading result;
    Settings& s = ctx.settings;
    if (s.fatalError) return result;
    const EventsPaused paused(s);
    const QString path = ctx.appFile(UserDat);
    if (!QFileInfo::exists(path)) return result;
    result.found = true;

    const auto lines = readTextLines(path);
    if (lines) {
        LineCursor in(*lines);
        ReadState state{ctx.clock().now().date(), std::nullopt};
        for (const Field& field : Fields) {
            if (!field.read(in, s, state)) {
                result.ok = false;
                break;
            }
        }
        result.language = state.language;
    } else {
        result.ok = false;
    }
    if (!result.ok) reportError(ctx, err::ReadUserDat, ErrorMode::LogOnly);
    return result;
}

bool writeUserPreferences(Context& ctx) {
    Settings& s = ctx.settings;
    if (s.fatalError) return false;
    const EventsPaused paused(s);
    if (writeTextLines(ctx.appFile(UserDat), userDatLines(s))) return true;
    reportError(ctx, err::WriteUserDat, ErrorMode::LogOnly);
    return false;
}

} // namespace tessera
