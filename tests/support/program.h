#pragma once

#include "forms/tesseraapp.h"
#include "support/gui.h"
#include "support/tempapp.h"

#include <QUuid>

namespace tessera::test {

inline const QByteArray SingleUserNetDat = "0\r\n/unused/t_users/\r\ntrue\r\ntrue\r\n";

// A single-user installation in its own application directory, with its own
// instance key, whose tip of the day is closed whenever it shows.
struct Installation {
    Installation() {
        files.install(programFiles());
        files.write(QStringLiteral("net.dat"), SingleUserNetDat);
    }
    // Starts the program (start-up steps up to the message loop).
    std::unique_ptr<TesseraApp>& launch() {
        app = std::make_unique<TesseraApp>(files.dir.path(), key, 0.0);
        started = app->startUp();
        return app;
    }
    template <typename T> T* form() {
        for (QWidget* w : app->forms())
            if (auto* f = qobject_cast<T*>(w)) return f;
        return nullptr;
    }
    QStringList log() const { return files.logLines(); }

    TempApp files;
    TipCloser tips;
    QString key = QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::unique_ptr<TesseraApp> app;
    bool started = false;
};

// An installation started at once.
struct Program : Installation {
    Program() { launch(); }
};

} // namespace tessera::test
