#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace tessera {

class Context;

// What reading user.dat came to.
struct UserDatReading {
    bool found = false;          // the file was there (a missing file is no error)
    bool ok = true;              // false when the reading stopped early and logged "ERR 29"
    std::optional<int> language; // line 6 when it was read: 0..2 a language, 3 not set
};

// Reads user.dat of the application directory into the settings, line by line.
// A line that is missing or does not hold what it should stops the reading:
// the lines before it keep their new values, the rest keep their present ones,
// and error 29 is logged (nothing is shown). The language of line 6 is handed
// back rather than set, because making it current means reloading the texts.
// The statistics period keeps its length and is moved to end today.
UserDatReading readUserPreferences(Context& ctx);

// Rewrites user.dat from the settings as a twin renamed into place. Lines 8..12
// come from mainWindowMaximised and mainWindowRect, line 25 from windowColour:
// the caller brings them up to date from the window first. A failure logs
// error 30, shows nothing and leaves the previous file whole.
bool writeUserPreferences(Context& ctx);

// The line that ends the user details holds this one character, code 255.
inline constexpr QChar DetailsEnd{char16_t(0xFF)};

// Colours in user.dat are 32-bit values with red in the low byte, then green
// and blue. A value with a non-zero high byte names a system colour, not an
// RGB one: it reads as no colour.
qint64 colourValue(const QColor& colour);
std::optional<QColor> colourFromValue(qint64 value);

} // namespace tessera
