#include "shell/platform.h"

#include "shell/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/statvfs.h>
#endif

namespace tessera {

quint32 tickCount() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<quint32>(timer.elapsed());
}

InstanceGuard::InstanceGuard(const QString& key) {
    QString safe = key;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    lock_ = std::make_unique<QLockFile>(QDir::temp().filePath(safe + QStringLiteral(".lock")));
    lock_->setStaleLockTime(0); // a lock is stale only when its process is gone
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::acquire() {
    return lock_->tryLock(0);
}

QString InstanceGuard::keyFromEnvironment() {
    const QString key = qEnvironmentVariable("TESSERA_INSTANCE");
    return key.isEmpty() ? QStringLiteral("Tessera") : key;
}

QString applicationDirectory(const QStringList& arguments, const QString& programDir) {
    QString dir;
    const int at = arguments.indexOf(QStringLiteral("--appdir"));
    if (at >= 0 && at + 1 < arguments.size())
        dir = arguments.at(at + 1);
    else if (qEnvironmentVariableIsSet("TESSERA_APPDIR"))
        dir = qEnvironmentVariable("TESSERA_APPDIR");
    else
        dir = programDir;
    return withTrailingSeparator(QDir::toNativeSeparators(QDir(dir).absolutePath()));
}

QString formatComputerIdentifier(quint32 serial) {
    return QStringLiteral("%1").arg(serial, 10, 10, QLatin1Char('0'));
}

namespace {
quint32 systemVolumeSerial() {
#ifdef Q_OS_WIN
    DWORD serial = 0;
    if (GetVolumeInformationW(L"C:\\", nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
        return serial;
    return 0;
#else
    // The root file system's id is the closest thing to a volume serial; some
    // file systems report 0, so the machine id stands in for them.
    struct statvfs info {};
    if (statvfs("/", &info) == 0 && info.f_fsid != 0) return static_cast<quint32>(info.f_fsid);
    QFile machineId(QStringLiteral("/etc/machine-id"));
    if (machineId.open(QIODevice::ReadOnly)) {
        const QByteArray hash =
            QCryptographicHash::hash(machineId.readAll().trimmed(), QCryptographicHash::Sha1);
        return (quint32(quint8(hash[0])) << 24) | (quint32(quint8(hash[1])) << 16) |
               (quint32(quint8(hash[2])) << 8) | quint32(quint8(hash[3]));
    }
    return 0;
#endif
}
} // namespace

QString computerIdentifier() {
    const QString forced = qEnvironmentVariable("TESSERA_COMPUTER_ID");
    if (!forced.isEmpty()) {
        bool ok = false;
        const quint32 value = forced.toUInt(&ok);
        if (ok) return formatComputerIdentifier(value);
    }
    return formatComputerIdentifier(systemVolumeSerial());
}

} // namespace tessera
