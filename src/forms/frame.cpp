#include "forms/frame.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

QPushButton* buildFrame(QDialog& dialog, const QString& caption, QSize size) {
    dialog.setWindowTitle(caption);
    dialog.resize(size);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Cerrar"), &dialog);
    close->setObjectName(QStringLiteral("Btn_Cerrar"));
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    return close;
}

} // namespace tessera
