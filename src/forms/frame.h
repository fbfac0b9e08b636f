#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QPushButton;

namespace tessera {

// The common frame of a dialog: caption, size, and a "Cerrar" button
// (Btn_Cerrar) at the bottom right that closes it. Returns that button.
QPushButton* buildFrame(QDialog& dialog, const QString& caption, QSize size);

} // namespace tessera
