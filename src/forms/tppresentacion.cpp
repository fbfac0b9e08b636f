#include "forms/tppresentacion.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace tessera {

namespace {
constexpr int Width = 460;
constexpr int Height = 280;
constexpr int PaneHeight = 22;

QLabel* pane(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(6);
    label->setStyleSheet(QStringLiteral("color: rgb(215, 225, 240);"));
    return label;
}
} // namespace

TPPresentacion::TPPresentacion()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TPPresentacion"));
    setFixedSize(Width, Height);
    L_Version = new QLabel(this);
    L_Version->setObjectName(QStringLiteral("L_Version"));
    L_Version->hide();
    Panel_Version = pane(this, "Panel_Version", QRect(0, Height - PaneHeight, 170, PaneHeight));
    Panel_Accion =
        pane(this, "Panel_Accion", QRect(170, Height - PaneHeight, Width - 170, PaneHeight));
}

void TPPresentacion::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(28, 58, 94));
    sky.setColorAt(1, QColor(12, 28, 48));
    p.fillRect(rect(), sky);

    // A small mosaic of tiles: the program's emblem.
    static const QColor Tiles[] = {QColor(230, 180, 60), QColor(200, 90, 60), QColor(90, 160, 120),
                                   QColor(80, 130, 200), QColor(240, 230, 210)};
    const int tile = 18;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            if ((row + col) % 4 == 3) continue;
            p.setPen(Qt::NoPen);
            p.setBrush(Tiles[(row * 3 + col * 2) % 5]);
            p.drawRoundedRect(QRectF(40 + col * (tile + 3), 60 + row * (tile + 3), tile, tile), 3,
                              3);
        }

    p.setPen(QColor(245, 240, 225));
    QFont title(font());
    title.setPointSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(170, 60, Width - 180, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tessera"));
    QFont sub(font());
    sub.setPointSize(12);
    p.setFont(sub);
    p.setPen(QColor(200, 215, 235));
    p.drawText(QRect(172, 120, Width - 180, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Aprende, practica, recuerda.\nLearn, practise, remember."));
}

} // namespace tessera
