#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

namespace tessera {

// Milliseconds since an arbitrary start; wraps around like the system tick count.
quint32 tickCount();

// The single-instance guard: a lock file named after the instance key in the
// system's temporary folder. The key is TESSERA_INSTANCE, default "Tessera".
class InstanceGuard {
public:
    explicit InstanceGuard(const QString& key);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;
    // False when another process holds the key.
    bool acquire();
    static QString keyFromEnvironment();

private:
    std::unique_ptr<QLockFile> lock_;
};

// The application directory with a trailing separator: --appdir DIR, else
// TESSERA_APPDIR, else the directory of the program file.
QString applicationDirectory(const QStringList& arguments, const QString& programDir);

// This machine's system volume as ten decimal digits; TESSERA_COMPUTER_ID overrides it.
QString computerIdentifier();
// Ten digits, padded on the left with "0".
QString formatComputerIdentifier(quint32 serial);

} // namespace tessera
