#pragma once

#include <QString>

namespace tessera {

class Context;

// "HELP_ESP_010.HLP" and so on.
QString helpFileName(int language, int version);
// Fills the help-file table: for each language the highest-numbered help file present.
void searchHelpFiles(Context& ctx);
// Copies the current language's help file (or the fallback language's, with
// language entry 30 as information) to help.hlp. Returns the text of the About
// box's help-file label: entry 581 + " v." + version, or empty on fallback.
QString installHelpFile(Context& ctx);

} // namespace tessera
