#pragma once

#include <QPixmap>

namespace tessera {

// The small flag that stands for an interface language (Spanish, English, Portuguese).
QPixmap languageFlag(int language);

} // namespace tessera
