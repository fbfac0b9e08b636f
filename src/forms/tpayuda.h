#pragma once

#include <QWidget>

class QTextBrowser;

namespace tessera {

// The help viewer: shows the installed help file.
class TPAyuda : public QWidget {
    Q_OBJECT
public:
    TPAyuda();
    // Shows the file; false when it cannot be read.
    bool showFile(const QString& path);

    QTextBrowser* Browser = nullptr;
};

} // namespace tessera
