#include "forms/coverart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace tessera {

QPixmap coverTexture(int texture, QSize size) {
    const int n = std::clamp(texture, 1, CoverTextureCount) - 1;
    // Five families of four colours each: cloth, hatch, dots, grain, marble.
    const QColor base = QColor::fromHsv((n * 47) % 360, 90 + (n % 4) * 30, 120 + (n % 3) * 35);
    QPixmap pixmap(size);
    pixmap.fill(base);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor light = base.lighter(125);
    const QColor dark = base.darker(125);
    const int w = size.width();
    const int h = size.height();
    switch (n / 4) {
    case 0: // cloth: a fine weave
        for (int x = 0; x < w; x += 3) {
            p.setPen(x % 6 ? light : dark);
            p.drawLine(x, 0, x, h);
        }
        for (int y = 0; y < h; y += 4) {
            p.setPen(QColor(dark.red(), dark.green(), dark.blue(), 90));
            p.drawLine(0, y, w, y);
        }
        break;
    case 1: // hatch
        p.setPen(QPen(dark, 1.2));
        for (int d = -h; d < w; d += 6)
            p.drawLine(d, h, d + h, 0);
        break;
    case 2: // dots
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        for (int y = 3; y < h; y += 7)
            for (int x = (y / 7) % 2 ? 6 : 3; x < w; x += 7)
                p.drawEllipse(QPointF(x, y), 1.6, 1.6);
        break;
    case 3: { // grain: a fixed scatter of short strokes
        quint32 seed = 2166136261u ^ quint32(n);
        const auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return seed >> 8;
        };
        for (int i = 0; i < w * h / 12; ++i) {
            const int x = int(next() % quint32(std::max(w, 1)));
            const int y = int(next() % quint32(std::max(h, 1)));
            p.setPen(next() % 2 ? light : dark);
            p.drawLine(x, y, x + 3, y);
        }
        break;
    }
    default: // marble: soft veins
        p.setPen(QPen(light, 1.5));
        for (int v = 0; v < 5; ++v) {
            QPainterPath vein;
            vein.moveTo(0, h * (v + 0.5) / 5);
            for (int x = 0; x <= w; x += 4)
                vein.lineTo(x, h * (v + 0.5) / 5 + 4 * qSin((x + v * 13) / 9.0));
            p.drawPath(vein);
        }
        break;
    }
    return pixmap;
}

} // namespace tessera
