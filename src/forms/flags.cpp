#include "forms/flags.h"

#include "shell/settings.h"

#include <QPainter>

namespace tessera {

QPixmap languageFlag(int language) {
    QPixmap picture(48, 32);
    QPainter p(&picture);
    const QRect all(0, 0, 48, 32);
    switch (language) {
    case English:
        p.fillRect(all, Qt::white);
        p.fillRect(QRect(20, 0, 8, 32), QColor(200, 16, 46));
        p.fillRect(QRect(0, 12, 48, 8), QColor(200, 16, 46));
        break;
    case Spanish:
        p.fillRect(all, QColor(170, 21, 27));
        p.fillRect(QRect(0, 8, 48, 16), QColor(241, 191, 0));
        break;
    default:
        p.fillRect(QRect(0, 0, 19, 32), QColor(0, 102, 0));
        p.fillRect(QRect(19, 0, 29, 32), QColor(255, 0, 0));
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(255, 204, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(19, 16), 7, 7);
        break;
    }
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0, 0, -1, -1));
    return picture;
}

} // namespace tessera
