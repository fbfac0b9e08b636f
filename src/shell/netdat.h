#pragma once

namespace tessera {

class Context;

// net.dat: the installation language, the network data directory, single-user
// mode and local mode, one per line. Reading failures are error 27, writing
// failures error 28, both fatal. Each returns true on success.
bool readNetDat(Context& ctx);
bool writeNetDat(Context& ctx);
bool netDatExists(const Context& ctx);

} // namespace tessera
