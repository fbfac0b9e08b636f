#pragma once

#include <QString>

namespace tessera {

class Context;

// Copies a file byte for byte in 2048-byte blocks, replacing the destination.
// With showProgress the status text and the progress bars follow the copy.
// A failure of the copy itself is error 95 (fatal); returns false then.
bool copyFile(Context& ctx, const QString& source, const QString& destination, bool showProgress);

} // namespace tessera
