#include "forms/tpayuda.h"

#include "shell/codepage.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessera {

TPAyuda::TPAyuda() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("TPAyuda"));
    setWindowTitle(QStringLiteral("Tessera"));
    resize(640, 560);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

bool TPAyuda::showFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // Help files are HTML in the Windows code page like every text file of the program.
    Browser->setHtml(fromCp1252(file.readAll()));
    setWindowTitle(Browser->documentTitle().isEmpty() ? QStringLiteral("Tessera")
                                                      : Browser->documentTitle());
    show();
    raise();
    return true;
}

} // namespace tessera
