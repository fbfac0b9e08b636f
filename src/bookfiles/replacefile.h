#pragma once

#include <QString>

namespace tessera {

// Puts a complete twin in the place of a file in one step (the old file is
// replaced, not deleted first), so the name always holds a whole file.
bool replaceFileWith(const QString& twin, const QString& target);

} // namespace tessera
