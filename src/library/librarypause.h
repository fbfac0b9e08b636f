#pragma once

#include "shell/settings.h"

namespace tessera {

// The events-enabled flag is 0 while the library is read, saved or changed on disk,
// so that clicks arriving while messages run are ignored; the old value comes back after.
class LibraryBusy {
public:
    explicit LibraryBusy(Settings& s) : s_(s), saved_(s.eventsEnabled) { s.eventsEnabled = 0; }
    ~LibraryBusy() { s_.eventsEnabled = saved_; }
    LibraryBusy(const LibraryBusy&) = delete;
    LibraryBusy& operator=(const LibraryBusy&) = delete;

private:
    Settings& s_;
    quint8 saved_;
};

} // namespace tessera
