#pragma once

#include "support/fakes.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace tessera::test {

// A temporary application directory with a context over fakes. The language
// table holds "E<n>" for entry n unless a real language file is loaded.
class TempApp {
public:
    TempApp();

    QString path(const QString& name) const;
    void write(const QString& name, const QByteArray& content) const;
    QByteArray read(const QString& name) const;
    // Copies files of the installation content (data/) into the directory.
    void install(const QStringList& names) const;
    QStringList logLines() const;

    QTemporaryDir dir;
    FakeFeedback feedback;
    FixedClock clock;
    Random random;
    Context ctx;
};

} // namespace tessera::test
