#include "forms/tesseraapp.h"
#include "shell/platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The program asks before it ends; the last closed window alone does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    const QString appDir = tessera::applicationDirectory(QApplication::arguments(),
                                                         QApplication::applicationDirPath());
    tessera::TesseraApp app(appDir, tessera::InstanceGuard::keyFromEnvironment(),
                            tessera::Context::delayScaleFromEnvironment());
    return app.run();
}
