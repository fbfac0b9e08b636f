// The main window's widget tree: menus, bars, the library side bar, the desk
// with the book's pages, the status bar and the run-time controls.
#include "forms/tpprincipal.h"

#include "forms/shelfbar.h"
#include "forms/tesseraapp.h"

#include "shell/codepage.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeySequence>
#include <QLCDNumber>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>
#include <span>

namespace tessera {

namespace {

// Icons are drawn on a 24 x 24 canvas and rendered at the sizes the bars ask for.
using IconPainter = void (*)(QPainter&);

const QColor Blue{52, 120, 200};
const QColor Green{58, 158, 82};
const QColor Red{206, 64, 56};
const QColor Amber{236, 168, 48};
const QColor Brown{146, 98, 56};
const QColor Slate{88, 100, 118};
const QColor Steel{150, 158, 170};
const QColor Paper{255, 252, 242};

QPen outline(const QColor& fill, qreal width = 1.0) {
    return QPen(fill.darker(170), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shaded(QPainter& p, const QColor& fill, qreal top, qreal bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, fill.lighter(140));
    g.setColorAt(1, fill);
    p.setPen(outline(fill));
    p.setBrush(g);
}

void flat(QPainter& p, const QColor& fill) {
    p.setPen(outline(fill));
    p.setBrush(fill);
}

void stroke(QPainter& p, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void glyph(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width) {
    stroke(p, colour, width);
    const QLineF shaft(to, from);
    QLineF side1 = shaft, side2 = shaft;
    side1.setLength(width * 2.2);
    side2.setLength(width * 2.2);
    side1.setAngle(shaft.angle() + 35);
    side2.setAngle(shaft.angle() - 35);
    p.drawLine(from, to);
    p.setPen(outline(colour));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{to, side1.p2(), side2.p2()});
}

// Draws another icon shrunk around a centre; used for badges and the clock bar.
void drawScaled(QPainter& p, IconPainter paint, QPointF centre, qreal scale) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-12, -12);
    paint(p);
    p.restore();
}

void windowFrame(QPainter& p) {
    flat(p, Paper);
    p.setPen(outline(Slate));
    p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRect(QRectF(3, 5, 18, 2.5));
}

void paintPin(QPainter& p) {
    p.save();
    p.translate(12, 12);
    p.rotate(40);
    stroke(p, Slate, 1.6);
    p.drawLine(QPointF(0, 2), QPointF(0, 11));
    shaded(p, Red, -10, 3);
    p.drawRoundedRect(QRectF(-5.5, -10.5, 11, 4), 2, 2);
    p.drawRect(QRectF(-2.5, -6.5, 5, 6.5));
    p.drawRoundedRect(QRectF(-6.5, 0, 13, 3), 1.5, 1.5);
    p.restore();
}

void paintGear(QPainter& p) {
    QPainterPath gear;
    gear.addEllipse(QPointF(0, 0), 7, 7);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2.2, -10.5, 4.4, 5), 1, 1);
        gear = gear.united(QTransform().rotate(i * 45).map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 3, 3);
    p.save();
    p.translate(12, 12);
    shaded(p, Slate, -10, 10);
    p.drawPath(gear.subtracted(hole));
    p.restore();
}

void paintGlobe(QPainter& p) {
    QRadialGradient g(QPointF(9, 8), 14);
    g.setColorAt(0, Blue.lighter(170));
    g.setColorAt(1, Blue);
    p.setPen(outline(Blue));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    QPainterPath clip;
    clip.addEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setClipPath(clip);
    stroke(p, QColor(255, 255, 255, 210), 1.1);
    p.drawEllipse(QPointF(12, 12), 4, 9.5);
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    for (qreal y : {7.0, 12.0, 17.0})
        p.drawLine(QPointF(2, y), QPointF(22, y));
    p.setClipping(false);
}

void paintTable(QPainter& p) {
    flat(p, Paper);
    p.drawRoundedRect(QRectF(3, 4, 18, 16), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRect(QRectF(3.5, 4.5, 17, 3.5));
    p.setBrush(Amber.lighter(130));
    p.drawRect(QRectF(9, 12, 6, 4));
    stroke(p, Steel, 0.8);
    for (qreal x : {9.0, 15.0})
        p.drawLine(QPointF(x, 8), QPointF(x, 20));
    for (qreal y : {12.0, 16.0})
        p.drawLine(QPointF(3, y), QPointF(21, y));
}

void paintBuilding(QPainter& p) {
    const QColor stone(214, 196, 160);
    shaded(p, stone, 3, 10);
    p.drawPolygon(QPolygonF{{2, 9}, {12, 3}, {22, 9}});
    flat(p, stone.lighter(110));
    for (qreal x : {4.5, 9.0, 13.5, 18.0})
        p.drawRect(QRectF(x, 10, 2, 8.5));
    shaded(p, stone, 18, 21);
    p.drawRect(QRectF(2.5, 18.5, 19, 2.5));
}

void paintHouse(QPainter& p) {
    shaded(p, Paper, 10, 21);
    p.drawRect(QRectF(5, 11, 14, 10));
    shaded(p, Red, 3, 12);
    p.drawPolygon(QPolygonF{{2, 12}, {12, 3}, {22, 12}});
    shaded(p, Blue, 14, 21);
    p.drawRect(QRectF(10, 14.5, 4, 6.5));
}

void paintEnvelope(QPainter& p) {
    shaded(p, Paper, 6, 19);
    p.drawRoundedRect(QRectF(2.5, 6, 19, 13), 1, 1);
    stroke(p, Slate, 1.1);
    p.drawPolyline(QPolygonF{{2.5, 6.5}, {12, 13.5}, {21.5, 6.5}});
}

void paintBubbles(QPainter& p) {
    shaded(p, Green, 9, 19);
    p.drawRoundedRect(QRectF(9, 9, 13, 9), 3, 3);
    p.drawPolygon(QPolygonF{{17, 17.5}, {19.5, 21.5}, {19.5, 17.5}});
    shaded(p, Blue, 3, 13);
    p.drawRoundedRect(QRectF(2, 3, 14, 10), 3, 3);
    p.drawPolygon(QPolygonF{{5, 12.5}, {4.5, 17}, {9, 12.5}});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal x : {5.5, 9.0, 12.5})
        p.drawEllipse(QPointF(x, 8), 1.1, 1.1);
}

void paintCircleGlyph(QPainter& p, const QString& text) {
    QRadialGradient g(QPointF(9, 8), 14);
    g.setColorAt(0, Blue.lighter(160));
    g.setColorAt(1, Blue);
    p.setPen(outline(Blue));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    glyph(p, QRectF(2, 2, 20, 20), text, Qt::white, 15);
}

void paintQuestion(QPainter& p) {
    paintCircleGlyph(p, QStringLiteral("?"));
}

void paintInfo(QPainter& p) {
    paintCircleGlyph(p, QStringLiteral("i"));
}

void paintLifebuoy(QPainter& p) {
    const QRectF ring(5, 5, 14, 14);
    stroke(p, Paper, 5);
    p.drawEllipse(ring);
    p.setPen(QPen(Red, 5, Qt::SolidLine, Qt::FlatCap));
    for (int start : {20, 110, 200, 290})
        p.drawArc(ring, start * 16, 50 * 16);
    stroke(p, Red.darker(150), 0.8);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
}

void paintLogout(QPainter& p) {
    flat(p, Brown.lighter(150));
    p.drawRect(QRectF(3, 3, 11, 18));
    shaded(p, Brown, 3, 21);
    p.drawPolygon(QPolygonF{{3, 3}, {9, 5}, {9, 22.5}, {3, 21}});
    arrow(p, QPointF(11, 12), QPointF(22, 12), Green, 2.2);
}

void paintPerson(QPainter& p) {
    shaded(p, Blue, 2, 11);
    p.drawEllipse(QPointF(10, 7), 4, 4);
    QPainterPath body;
    body.moveTo(2.5, 21);
    body.cubicTo(2.5, 13, 17.5, 13, 17.5, 21);
    body.closeSubpath();
    shaded(p, Blue, 12, 21);
    p.drawPath(body);
}

void paintKey(QPainter& p) {
    stroke(p, Amber.darker(140), 4.2);
    p.drawLine(QPointF(10, 14), QPointF(20, 14));
    p.drawLine(QPointF(17.5, 14), QPointF(17.5, 18));
    stroke(p, Amber, 2.4);
    p.drawLine(QPointF(10, 14), QPointF(20, 14));
    p.drawLine(QPointF(17.5, 14), QPointF(17.5, 18));
    shaded(p, Amber, 9, 19);
    p.drawEllipse(QPointF(7, 14), 4.5, 4.5);
    flat(p, Paper);
    p.drawEllipse(QPointF(6, 14), 1.5, 1.5);
}

void paintAdmin(QPainter& p) {
    paintPerson(p);
    drawScaled(p, paintKey, QPointF(17, 17), 0.55);
}

void paintPower(QPainter& p) {
    QRadialGradient g(QPointF(10, 9), 14);
    g.setColorAt(0, Red.lighter(150));
    g.setColorAt(1, Red);
    p.setPen(outline(Red));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    stroke(p, Qt::white, 2.2);
    p.drawArc(QRectF(6.5, 6.5, 11, 11), 125 * 16, 290 * 16);
    p.drawLine(QPointF(12, 4.5), QPointF(12, 11));
}

void paintSidePanel(QPainter& p) {
    windowFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Brown.lighter(120));
    p.drawRect(QRectF(3, 7.5, 6, 11.5));
}

void paintWrench(QPainter& p) {
    QPainterPath wrench;
    wrench.addEllipse(QPointF(0, -6), 5, 5);
    wrench.addRoundedRect(QRectF(-1.8, -3, 3.6, 13), 1.8, 1.8);
    wrench.setFillRule(Qt::WindingFill);
    QPainterPath notch;
    notch.addRect(QRectF(-1.6, -12, 3.2, 6));
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    shaded(p, Steel, -11, 10);
    p.drawPath(wrench.simplified().subtracted(notch));
    p.restore();
}

void paintBars(QPainter& p) {
    windowFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Amber);
    p.drawRect(QRectF(3, 8, 18, 2.5));
    p.setBrush(Green);
    p.drawRect(QRectF(3, 11, 18, 2.5));
}

void paintPencil(QPainter& p) {
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    shaded(p, Amber, -9, 5);
    p.drawRect(QRectF(-2.6, -7, 5.2, 12));
    flat(p, QColor(236, 140, 150));
    p.drawRoundedRect(QRectF(-2.6, -10, 5.2, 3), 1, 1);
    flat(p, QColor(240, 214, 170));
    p.drawPolygon(QPolygonF{{-2.6, 5}, {2.6, 5}, {0, 10}});
    p.setPen(Qt::NoPen);
    p.setBrush(Slate.darker(150));
    p.drawPolygon(QPolygonF{{-0.9, 8.2}, {0.9, 8.2}, {0, 10}});
    p.restore();
}

void paintBooks(QPainter& p) {
    shaded(p, Red, 7, 19);
    p.drawRect(QRectF(3.5, 7, 4, 12));
    shaded(p, Blue, 5, 19);
    p.drawRect(QRectF(8, 5, 4, 14));
    shaded(p, Green, 8, 19);
    p.drawRect(QRectF(12.5, 8, 3.5, 11));
    p.save();
    p.translate(17, 19);
    p.rotate(18);
    shaded(p, Amber, -11, 0);
    p.drawRect(QRectF(0, -11, 3.5, 11));
    p.restore();
    shaded(p, Brown, 19, 22);
    p.drawRect(QRectF(1.5, 19, 21, 2.5));
}

void paintStatusBar(QPainter& p) {
    windowFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Slate.lighter(130));
    p.drawRect(QRectF(3, 16, 18, 3));
    p.setBrush(Paper);
    for (qreal x : {8.0, 14.0})
        p.drawRect(QRectF(x, 16, 0.8, 3));
}

void paintBulb(QPainter& p) {
    QRadialGradient g(QPointF(10.5, 7), 9);
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(1, Amber);
    p.setPen(outline(Amber));
    p.setBrush(g);
    QPainterPath glass;
    glass.addEllipse(QPointF(12, 9), 6.5, 6.5);
    glass.addRect(QRectF(9, 12, 6, 4));
    p.drawPath(glass.simplified());
    shaded(p, Steel, 15.5, 21);
    p.drawRoundedRect(QRectF(8.8, 15.5, 6.4, 5), 1.2, 1.2);
    stroke(p, Slate, 0.8);
    p.drawLine(QPointF(9, 17.5), QPointF(15, 17.5));
}

void paintClock(QPainter& p) {
    shaded(p, Paper, 2, 22);
    p.setPen(outline(Slate, 1.4));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    stroke(p, Slate, 1.2);
    for (int i = 0; i < 12; i += 3) {
        const QLineF tick = QLineF::fromPolar(8, i * 30).translated(12, 12);
        p.drawLine(tick.pointAt(0.8), tick.p2());
    }
    stroke(p, Slate.darker(130), 1.8);
    p.drawLine(QPointF(12, 12), QPointF(12, 6));
    stroke(p, Red, 1.4);
    p.drawLine(QPointF(12, 12), QPointF(16.5, 14));
}

void paintCharacterKey(QPainter& p) {
    shaded(p, Paper, 3, 21);
    p.setPen(outline(Steel, 1.2));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 3, 3);
    glyph(p, QRectF(3, 3, 18, 17), QStringLiteral("Ñ"), Slate.darker(130), 13);
}

void paintPalette(QPainter& p) {
    QPainterPath board;
    board.addEllipse(QRectF(2, 4, 20, 16));
    QPainterPath thumb;
    thumb.addEllipse(QPointF(7.5, 15), 2.2, 2.2);
    shaded(p, QColor(226, 196, 150), 4, 20);
    p.drawPath(board.subtracted(thumb));
    const std::pair<QPointF, QColor> dots[] = {
        {{8, 9}, Red}, {{12.5, 7.5}, Amber}, {{17, 9}, Green}, {{17, 14}, Blue}};
    for (const auto& [at, colour] : dots) {
        flat(p, colour);
        p.drawEllipse(at, 1.8, 1.8);
    }
}

void paintStyles(QPainter& p) {
    const std::pair<QRectF, QColor> tiles[] = {
        {{2.5, 2.5, 11, 11}, Blue}, {{10.5, 6.5, 11, 11}, Amber}, {{6.5, 10.5, 11, 11}, Green}};
    for (const auto& [rect, colour] : tiles) {
        shaded(p, colour, rect.top(), rect.bottom());
        p.drawRoundedRect(rect, 2, 2);
    }
}

void paintIconSizes(QPainter& p) {
    shaded(p, Blue, 3, 16);
    p.drawRoundedRect(QRectF(2.5, 3.5, 12, 12), 2, 2);
    shaded(p, Green, 14, 21);
    p.drawRoundedRect(QRectF(15.5, 13.5, 6, 6), 1.2, 1.2);
}

void paintMode(QPainter& p) {
    for (auto [y, knob] : {std::pair{7.0, 15.0}, std::pair{16.0, 8.0}}) {
        stroke(p, Steel, 2);
        p.drawLine(QPointF(3, y), QPointF(21, y));
        shaded(p, Blue, y - 3, y + 3);
        p.drawEllipse(QPointF(knob, y), 3, 3);
    }
}

void paintShelf(QPainter& p) {
    paintBooks(p);
}

void paintBook(QPainter& p) {
    flat(p, Paper);
    p.drawRect(QRectF(6, 4, 13, 17));
    shaded(p, Red, 3, 21);
    p.drawRoundedRect(QRectF(4, 2.5, 13, 18), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Red.darker(140));
    p.drawRect(QRectF(4.5, 3, 2.5, 17));
    stroke(p, Amber.lighter(120), 1);
    p.drawLine(QPointF(9.5, 7), QPointF(14.5, 7));
}

void paintDocument(QPainter& p) {
    QPainterPath page;
    page.moveTo(5, 2.5);
    page.lineTo(14, 2.5);
    page.lineTo(19, 7.5);
    page.lineTo(19, 21.5);
    page.lineTo(5, 21.5);
    page.closeSubpath();
    shaded(p, Paper, 2, 22);
    p.setPen(outline(Steel));
    p.drawPath(page);
    p.drawPolyline(QPolygonF{{14, 2.5}, {14, 7.5}, {19, 7.5}});
    stroke(p, Steel, 1);
    for (qreal y : {11.0, 14.0, 17.0})
        p.drawLine(QPointF(8, y), QPointF(16, y));
}

void badge(QPainter& p, const QColor& colour) {
    QRadialGradient g(QPointF(16.5, 15.5), 7);
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(17.5, 17.5), 5.5, 5.5);
    stroke(p, Qt::white, 1.8);
}

void badgePlus(QPainter& p) {
    badge(p, Green);
    p.drawLine(QPointF(17.5, 14.5), QPointF(17.5, 20.5));
    p.drawLine(QPointF(14.5, 17.5), QPointF(20.5, 17.5));
}

void badgeCross(QPainter& p) {
    badge(p, Red);
    p.drawLine(QPointF(15.3, 15.3), QPointF(19.7, 19.7));
    p.drawLine(QPointF(19.7, 15.3), QPointF(15.3, 19.7));
}

void badgePencil(QPainter& p) {
    drawScaled(p, paintPencil, QPointF(17, 17), 0.6);
}

void badgeArrowIn(QPainter& p) {
    badge(p, Blue);
    arrow(p, QPointF(20.5, 14.5), QPointF(15, 20), Qt::white, 1.6);
}

template <IconPainter Base, IconPainter Badge> void composite(QPainter& p) {
    Base(p);
    Badge(p);
}

void paintScissors(QPainter& p) {
    stroke(p, Slate, 2);
    p.drawLine(QPointF(8.5, 15), QPointF(17, 3));
    p.drawLine(QPointF(15.5, 15), QPointF(7, 3));
    stroke(p, Red, 2);
    p.drawEllipse(QPointF(7, 18), 3, 3);
    p.drawEllipse(QPointF(17, 18), 3, 3);
}

void paintCopy(QPainter& p) {
    drawScaled(p, paintDocument, QPointF(9, 9.5), 0.75);
    drawScaled(p, paintDocument, QPointF(15, 14.5), 0.75);
}

void paintPaste(QPainter& p) {
    shaded(p, Brown, 4, 22);
    p.drawRoundedRect(QRectF(4, 4, 15, 18), 2, 2);
    flat(p, Paper);
    p.drawRect(QRectF(7, 8, 9, 11));
    shaded(p, Steel, 2, 6);
    p.drawRoundedRect(QRectF(8, 2.5, 7, 4), 1.2, 1.2);
    stroke(p, Steel, 1);
    for (qreal y : {11.5, 14.5})
        p.drawLine(QPointF(9, y), QPointF(14, y));
}

void paintSave(QPainter& p) {
    shaded(p, Blue, 3, 21);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    flat(p, Paper);
    p.drawRect(QRectF(6.5, 12.5, 11, 8.5));
    shaded(p, Steel, 3, 9);
    p.drawRect(QRectF(7.5, 3, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(Slate);
    p.drawRect(QRectF(13, 4, 2, 4));
}

void paintPicture(QPainter& p) {
    QLinearGradient sky(0, 5, 0, 19);
    sky.setColorAt(0, QColor(170, 210, 245));
    sky.setColorAt(1, QColor(225, 240, 252));
    p.setPen(outline(Slate));
    p.setBrush(sky);
    p.drawRect(QRectF(2.5, 4.5, 19, 15));
    flat(p, Amber);
    p.drawEllipse(QPointF(16.5, 9), 2.2, 2.2);
    shaded(p, Green, 10, 19);
    p.drawPolygon(QPolygonF{{3, 19}, {9, 11}, {13, 16}, {15.5, 13.5}, {21, 19}});
}

void paintPlay(QPainter& p) {
    shaded(p, Green, 4, 20);
    p.drawPolygon(QPolygonF{{7, 4}, {19.5, 12}, {7, 20}});
}

void paintPause(QPainter& p) {
    shaded(p, Amber, 5, 19);
    p.drawRoundedRect(QRectF(6, 5, 4.5, 14), 1, 1);
    p.drawRoundedRect(QRectF(13.5, 5, 4.5, 14), 1, 1);
}

void paintReset(QPainter& p) {
    const QColor light(120, 190, 255);
    stroke(p, light, 2.4);
    p.drawArc(QRectF(5, 5, 14, 14), 100 * 16, 280 * 16);
    flat(p, light);
    p.drawPolygon(QPolygonF{{17.0, 5.4}, {21.6, 8.5}, {15.6, 10.7}});
}

void paintNews(QPainter& p) {
    shaded(p, Paper, 4, 20);
    p.setPen(outline(Steel));
    p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(Slate);
    p.drawRect(QRectF(5, 7, 14, 2.5));
    p.setBrush(Blue.lighter(140));
    p.drawRect(QRectF(5, 11, 5.5, 6));
    stroke(p, Steel, 1);
    for (qreal y : {12.0, 14.5, 17.0})
        p.drawLine(QPointF(12.5, y), QPointF(19, y));
}

// The program's own mark: four tiles of a mosaic.
void paintTessera(QPainter& p) {
    const std::pair<QRectF, QColor> tiles[] = {{{2, 2, 9.5, 9.5}, Blue},
                                               {{12.5, 2, 9.5, 9.5}, Amber},
                                               {{2, 12.5, 9.5, 9.5}, Green},
                                               {{12.5, 12.5, 9.5, 9.5}, Red}};
    for (const auto& [rect, colour] : tiles) {
        shaded(p, colour, rect.top(), rect.bottom());
        p.drawRoundedRect(rect, 2.2, 2.2);
    }
}

QPixmap renderIcon(IconPainter paint, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 24.0, size / 24.0);
    paint(p);
    return pixmap;
}

QIcon makeIcon(IconPainter paint) {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(renderIcon(paint, size));
    return icon;
}

// One frame of the suggestion line's animation: a scroll unrolling, 0 closed .. 10 open.
QPixmap scrollFrame(int step) {
    QPixmap pixmap(30, 34);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal top = 13.0 - step * 1.1;
    const qreal bottom = 17.0 + step * 1.0;
    const QColor parchment(246, 232, 196);
    if (step > 0) {
        p.setPen(outline(parchment, 0.8));
        p.setBrush(parchment);
        p.drawRect(QRectF(4.5, top + 2, 21, bottom - top));
        stroke(p, QColor(150, 120, 80), 0.8);
        for (qreal y = top + 7; y < bottom - 1; y += 3)
            p.drawLine(QPointF(8, y), QPointF(22, y));
    }
    for (qreal y : {top, bottom}) {
        QLinearGradient wood(0, y, 0, y + 4.5);
        wood.setColorAt(0, QColor(196, 140, 82));
        wood.setColorAt(1, QColor(112, 68, 34));
        p.setPen(outline(QColor(112, 68, 34), 0.8));
        p.setBrush(wood);
        p.drawRoundedRect(QRectF(3, y, 24, 4.5), 2, 2);
        p.setBrush(QColor(90, 52, 26));
        p.drawEllipse(QPointF(2, y + 2.25), 1.8, 1.8);
        p.drawEllipse(QPointF(28, y + 2.25), 1.8, 1.8);
    }
    return pixmap;
}

QPixmap upArrowButton() {
    QPixmap pixmap(17, 19);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 19);
    face.setColorAt(0, QColor(252, 249, 240));
    face.setColorAt(1, QColor(224, 211, 180));
    p.setPen(QColor(170, 148, 108));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 16, 18), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 112, 140));
    p.drawPolygon(QPolygonF{{8.5, 5}, {13, 12.5}, {4, 12.5}});
    return pixmap;
}

QPixmap barBackground(QSize size, const QColor& top, const QColor& bottom, const QColor& edge) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(edge);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    p.setPen(QColor(255, 255, 255, 70));
    p.drawLine(QPointF(5, 1.5), QPointF(size.width() - 5, 1.5));
    return pixmap;
}

// Grain lines on a warm brown ground; the fixed seed keeps the desk the same at every start.
QPixmap woodTexture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, size.width(), size.height());
    ground.setColorAt(0, QColor(156, 102, 60));
    ground.setColorAt(0.5, QColor(138, 88, 50));
    ground.setColorAt(1, QColor(122, 76, 42));
    p.fillRect(pixmap.rect(), ground);
    QRandomGenerator random(2004);
    for (int i = 0; i < size.height() / 3; ++i) {
        const qreal y = random.bounded(size.height());
        const qreal amplitude = 0.5 + random.bounded(2.5);
        const qreal period = 60 + random.bounded(160);
        const qreal phase = random.bounded(6.28);
        QPainterPath grain;
        grain.moveTo(0, y);
        for (int x = 8; x <= size.width() + 8; x += 8)
            grain.lineTo(x, y + amplitude * qSin(x / period + phase));
        const bool dark = random.bounded(3) != 0;
        const int alpha = 18 + random.bounded(40);
        p.setPen(QPen(dark ? QColor(70, 40, 18, alpha) : QColor(210, 160, 110, alpha / 2),
                      0.6 + random.bounded(1.4)));
        p.drawPath(grain);
    }
    QRadialGradient vignette(QPointF(size.width() / 2.0, size.height() / 2.0),
                             std::max(size.width(), size.height()) * 0.7);
    vignette.setColorAt(0, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(30, 14, 4, 90));
    p.fillRect(pixmap.rect(), vignette);
    return pixmap;
}

QFont tahoma8() {
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont narrowBold8() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSize(8);
    font.setBold(true);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

// The area beside the library: keeps the desk centred across and two fifths of
// the free height down, whenever the area or the desk changes size.
class DeskArea : public QWidget {
public:
    void setDesk(QWidget* desk) {
        desk_ = desk;
        desk->installEventFilter(this);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        place();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == desk_ && event->type() == QEvent::Resize) place();
        return QWidget::eventFilter(watched, event);
    }

private:
    void place() {
        if (!desk_) return;
        const int x = std::max(0, (width() - desk_->width()) / 2);
        const int y = std::max(0, (height() - desk_->height()) * 2 / 5);
        desk_->move(x, y);
    }
    QWidget* desk_ = nullptr;
};

// The desk: a wooden surface. With nothing on it, it invites the user to pick a
// book; under an open book it draws the boards and the spine.
class DeskSurface : public QWidget {
public:
    explicit DeskSurface(QWidget* parent) : QWidget(parent), hint_(new QLabel(this)) {
        hint_->setObjectName(QStringLiteral("L_Escritorio_Vacio"));
        hint_->setText(QStringLiteral("Elige un libro de tu librería"));
        hint_->setAlignment(Qt::AlignCenter);
        QFont font = hint_->font();
        font.setPointSizeF(font.pointSizeF() * 1.6);
        font.setItalic(true);
        hint_->setFont(font);
        hint_->setStyleSheet(QStringLiteral("color: rgba(255, 238, 210, 220);"));
        auto* shadow = new QGraphicsDropShadowEffect(hint_);
        shadow->setOffset(1, 1);
        shadow->setBlurRadius(2);
        shadow->setColor(QColor(40, 20, 6, 160));
        hint_->setGraphicsEffect(shadow);
    }

    void watch(std::initializer_list<QWidget*> parts) {
        for (QWidget* part : parts) {
            parts_.push_back(part);
            part->installEventFilter(this);
        }
        hint_->setVisible(!anyPartVisible());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            hint_->setVisible(!anyPartVisible());
            update();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            update();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        hint_->setGeometry(rect().adjusted(20, 0, -20, -height() / 10));
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (wood_.size() != size()) wood_ = woodTexture(size());
        p.drawPixmap(0, 0, wood_);
        paintFrame(p);
        const QRect pages = visiblePages();
        if (!pages.isEmpty()) paintBoards(p, pages);
        if (anyPartVisible()) paintSpine(p);
    }

private:
    bool anyPartVisible() const {
        return std::any_of(parts_.begin(), parts_.end(),
                           [](const QWidget* w) { return !w->isHidden(); });
    }

    QRect visiblePages() const {
        QRect pages;
        for (const QWidget* part : parts_)
            if (!part->isHidden() && qobject_cast<const QTabWidget*>(part))
                pages = pages.united(part->geometry());
        return pages;
    }

    void paintFrame(QPainter& p) const {
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(58, 32, 14), 1));
        p.drawRoundedRect(r, 6, 6);
        p.setPen(QPen(QColor(214, 164, 112, 90), 1));
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    }

    void paintBoards(QPainter& p, const QRect& pages) const {
        const QRectF board = QRectF(pages).adjusted(-9, -9, 9, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 8, 0, 80));
        p.drawRoundedRect(board.translated(4, 6), 8, 8);
        QLinearGradient leather(board.topLeft(), board.bottomLeft());
        leather.setColorAt(0, QColor(122, 36, 34));
        leather.setColorAt(1, QColor(86, 22, 22));
        p.setPen(QPen(QColor(58, 14, 12), 1));
        p.setBrush(leather);
        p.drawRoundedRect(board, 8, 8);
    }

    void paintSpine(QPainter& p) const {
        const QRectF spine(width() / 2.0 - 10, 14, 20, height() - 28);
        QLinearGradient g(spine.topLeft(), spine.topRight());
        g.setColorAt(0, QColor(60, 16, 14));
        g.setColorAt(0.5, QColor(128, 44, 38));
        g.setColorAt(1, QColor(60, 16, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(spine, 4, 4);
    }

    QLabel* hint_;
    std::vector<QWidget*> parts_;
    QPixmap wood_;
};

// The closed book's cover as long as the book brings no picture of its own.
class CoverSurface : public QWidget {
public:
    explicit CoverSurface(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient leather(r.topLeft(), r.bottomRight());
        leather.setColorAt(0, QColor(132, 40, 36));
        leather.setColorAt(1, QColor(84, 20, 20));
        p.setPen(QPen(QColor(50, 12, 10), 1));
        p.setBrush(leather);
        p.drawRoundedRect(r, 6, 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(214, 176, 96, 200), 1.5));
        p.drawRoundedRect(r.adjusted(18, 18, -18, -18), 3, 3);
        p.setPen(QPen(QColor(214, 176, 96, 120), 1));
        p.drawRoundedRect(r.adjusted(24, 24, -24, -24), 2, 2);
    }
};

// Menus and bars are tables: each item is an action with its name, caption,
// shortcut, picture and the member that keeps it.
enum ItemFlag : unsigned { Checkable = 1, Hidden = 2, Exclusive = 4, InstantPopup = 8 };

struct MenuSpec;

struct Item {
    const char* name = nullptr;
    const char* text = nullptr;
    const char* keys = nullptr;
    IconPainter icon = nullptr;
    QAction* TPPrincipal::*member = nullptr;
    unsigned flags = 0;
    const MenuSpec* sub = nullptr;
};

struct MenuSpec {
    const char* name;
    const char* title;
    std::span<const Item> items;
    QMenu* TPPrincipal::*member = nullptr;
};

constexpr Item Separator{};

constexpr Item submenu(const MenuSpec& menuDef) {
    Item item;
    item.sub = &menuDef;
    return item;
}

constexpr Item EstActivaItems[] = {
    Separator,
    {"Submenu_Est_Todas", "Expandir todas"},
    {"Submenu_Est_Ninguna", "Contraer todas"},
};
constexpr MenuSpec EstActiva{"Submenu_Est_Activa", "Estantería activa", EstActivaItems};
constexpr MenuSpec LibroActivo{"Submenu_Libro_Activo", "Libro activo", {}};

constexpr Item ArchivoItems[] = {
    {"Submenu_Est_Nueva", "Nueva estantería...", "Ctrl+E", composite<paintShelf, badgePlus>},
    {"Submenu_Libro_Nuevo", "Nuevo libro...", "Ctrl+N", composite<paintBook, badgePlus>},
    {"Submenu_Anhadir_Libro", "Añadir libro...", "Ctrl+A", composite<paintBook, badgeArrowIn>},
    Separator,
    {"Submenu_Logout", "&Logout", nullptr, paintLogout, &TPPrincipal::Submenu_Logout},
    {"Submenu_Salir", "&Salir", nullptr, paintPower, &TPPrincipal::Submenu_Salir},
};

constexpr Item EstanteriaItems[] = {
    submenu(EstActiva),
    Separator,
    {"Submenu_Est_Renombrar", "Renombrar estantería...", nullptr,
     composite<paintShelf, badgePencil>},
    {"Submenu_Est_Eliminar", "Eliminar estantería...", nullptr, composite<paintShelf, badgeCross>},
};

constexpr Item LibroItems[] = {
    submenu(LibroActivo),
    Separator,
    {"Submenu_Libro_SaltarPregunta", "Saltar pregunta", "Ctrl+Z"},
    {"Submenu_Libro_IniEstadisticas", "Inicializar estadísticas"},
    Separator,
    {"Submenu_Libro_Renombrar", "Renombrar libro...", nullptr, composite<paintBook, badgePencil>},
    {"Submenu_Libro_Eliminar", "Eliminar libro...", nullptr, composite<paintBook, badgeCross>},
};

constexpr Item EdicionItems[] = {
    {"Menu_Edicion_Insertar", "Insertar", "Ins", composite<paintDocument, badgePlus>,
     &TPPrincipal::Menu_Edicion_Insertar},
    {"Menu_Edicion_Cortar", "Cortar", nullptr, paintScissors, &TPPrincipal::Menu_Edicion_Cortar},
    {"Menu_Edicion_Copiar", "Copiar", nullptr, paintCopy, &TPPrincipal::Menu_Edicion_Copiar},
    {"Menu_Edicion_Pegar", "Pegar", nullptr, paintPaste, &TPPrincipal::Menu_Edicion_Pegar},
    Separator,
    {"Menu_Edicion_Salvar", "Salvar", nullptr, paintSave, &TPPrincipal::Menu_Edicion_Salvar},
    Separator,
    {"Menu_Edicion_Multiple", "Respuesta múltiple", "Ctrl+M", nullptr,
     &TPPrincipal::Menu_Edicion_Multiple, Checkable},
};

constexpr Item VerItems[] = {
    {"Submenu_Ver_Libreria", "Librería", "Shift+F1", nullptr, nullptr, Checkable},
    Separator,
    {"Submenu_Ver_BarraHerramientas", "Barra de herramientas", "Shift+F2", nullptr, nullptr,
     Checkable},
    {"Submenu_Ver_BarraInterfaz", "Barra de interfaz", "Shift+F3", nullptr, nullptr, Checkable},
    {"Submenu_Ver_BarraEdicion", "Barra de edición", "Shift+F4", nullptr, nullptr, Checkable},
    {"Submenu_Ver_BarraLibreria", "Barra de librería", "Shift+F5", nullptr, nullptr, Checkable},
    {"Submenu_Ver_BarraEstado", "Barra de estado", "Shift+F6", nullptr, nullptr, Checkable},
    {"Submenu_Ver_BarraSugerencias", "Barra de sugerencias", "Shift+F7", nullptr, nullptr,
     Checkable},
    Separator,
    {"Submenu_Ver_Reloj", "Reloj", "Shift+F8", nullptr, nullptr, Checkable},
    {"Submenu_Ver_Caracteres", "Panel de caracteres", "Shift+F9", nullptr, nullptr, Checkable},
};

constexpr Item EstiloItems[] = {
    {"Submenu_Estilo_XP", "XP", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Submenu_Estilo_Office", "Office", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Submenu_Estilo_Flat", "Plano", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Submenu_Estilo_Personalizado", "Personalizado...", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
};
constexpr Item IconosItems[] = {
    {"Submenu_Interfaz_Iconos_Grandes", "Grandes", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
    {"Submenu_Interfaz_Iconos_Pequenhos", "Pequeños", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
};
constexpr Item PosLibItems[] = {
    {"Submenu_Interfaz_PosLib_Izquierda", "A la izquierda", "Ctrl+L", nullptr, nullptr,
     Checkable | Exclusive},
    {"Submenu_Interfaz_PosLib_Derecha", "A la derecha", "Ctrl+R", nullptr, nullptr,
     Checkable | Exclusive},
};
constexpr Item ModoItems[] = {
    {"Submenu_Modo_Avanzado", "Avanzado", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Submenu_Modo_Basico", "Básico", nullptr, nullptr, nullptr, Checkable | Exclusive},
};
constexpr MenuSpec Estilo{"Submenu_Estilo", "Estilo", EstiloItems};
constexpr MenuSpec Iconos{"Submenu_Interfaz_Iconos", "Iconos", IconosItems};
constexpr MenuSpec PosLib{"Submenu_Interfaz_PosLib", "Posición de la librería", PosLibItems};
constexpr MenuSpec Modo{"Submenu_Modo", "Modo", ModoItems};

constexpr Item InterfazItems[] = {
    submenu(Estilo),
    submenu(Iconos),
    submenu(PosLib),
    {"Submenu_Interfaz_Anclar", "Anclar paneles", "Ctrl+H", nullptr, nullptr, Checkable},
    {"Submenu_Interfaz_Fondo", "Color de fondo...", "Ctrl+B", paintPalette},
    Separator,
    submenu(Modo),
};

constexpr Item IdiomaItems[] = {
    {"Submenu_Idioma_Espanhol", "Español", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Submenu_Idioma_Ingles", "English", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Submenu_Idioma_Portugues", "Português", nullptr, nullptr, nullptr, Checkable | Exclusive},
};
constexpr MenuSpec Idioma{"Submenu_Idioma", "Idioma", IdiomaItems};

constexpr Item HerramientasItems[] = {
    {"Submenu_Tools_Opciones", "Opciones...", "Ctrl+O", paintGear},
    {"Submenu_Tools_Parametros", "Parámetros de un libro...", nullptr, paintTable},
    {"Submenu_Tools_ParamDefecto", "Parámetros por defecto..."},
    Separator,
    submenu(Idioma),
    {"Submenu_Tools_Idioma", "&Idioma/Language...", "Ctrl+D", paintGlobe},
    Separator,
    {"Submenu_Tools_LibPublica", "Librería pública", "Ctrl+P", paintBuilding},
    {"Submenu_Tools_Noticias", "Noticias", nullptr, paintNews},
};

constexpr Item CronoItems[] = {
    {"Submenu_Crono_Encender", "Encender/Pausar", "Ctrl+S", paintPlay},
    {"Submenu_Crono_Inicializar", "Inicializar", "Ctrl+I"},
    Separator,
    {"Submenu_Crono_CambiarColores", "Cambiar colores", nullptr, paintPalette},
    {"Submenu_Crono_FijarAlarma", "Fijar alarma...", nullptr, nullptr, nullptr, Hidden},
    {"Submenu_Crono_ApagarAlarma", "Apagar alarma", nullptr, nullptr, nullptr, Hidden},
};

constexpr Item UsuarioItems[] = {
    {"Submenu_Cambio_Contrasenha", "Cambio de contraseña", nullptr, paintKey},
};

constexpr Item AyudaItems[] = {
    {"Submenu_Ayuda_Contenido", "Contenido", "F1", paintLifebuoy,
     &TPPrincipal::Submenu_Ayuda_Contenido},
    {"Submenu_Ayuda_Sistema", "Sistema"},
    {"Submenu_Ayuda_Tip", "Sugerencia del día", "Ctrl+T", paintBulb,
     &TPPrincipal::Submenu_Ayuda_Tip},
    Separator,
    {"Submenu_Ayuda_Foro", "Foro", nullptr, paintBubbles},
    {"Submenu_Ayuda_FAQ", "Preguntas frecuentes", nullptr, paintQuestion},
    {"Submenu_Ayuda_Soporte", "Soporte", nullptr, paintEnvelope},
    {"Submenu_Ayuda_Veltraxis", "Página web", nullptr, paintHouse},
    Separator,
    {"Submenu_Ayuda_AcercaDe", "Acerca de...", nullptr, paintInfo,
     &TPPrincipal::Submenu_Ayuda_AcercaDe},
};

constexpr MenuSpec MainMenus[] = {
    {"Menu_Archivo", "&Archivo", ArchivoItems, &TPPrincipal::Menu_Archivo},
    {"Menu_Estanteria", "&Estantería", EstanteriaItems},
    {"Menu_Libro", "&Libro", LibroItems},
    {"Menu_Edicion", "E&dición", EdicionItems, &TPPrincipal::Menu_Edicion},
    {"Menu_Ver", "&Ver", VerItems},
    {"Menu_Interfaz", "&Interfaz", InterfazItems},
    {"Menu_Herramientas", "&Herramientas", HerramientasItems},
    {"Menu_Cronometro", "&Cronómetro", CronoItems},
    {"Menu_Usuario", "&Usuario", UsuarioItems, &TPPrincipal::Menu_Usuario},
    {"Menu_Ayuda", "A&yuda", AyudaItems},
};

constexpr Item ToolsItems[] = {
    {"Barra_Tools_AnclarPaneles", "Anclar paneles", nullptr, paintPin,
     &TPPrincipal::Barra_Tools_AnclarPaneles, Checkable},
    {"Barra_Tools_Opciones", "Opciones", nullptr, paintGear, &TPPrincipal::Barra_Tools_Opciones},
    {"Barra_Tools_Idioma", "Idioma", nullptr, paintGlobe, &TPPrincipal::Barra_Tools_Idioma},
    {"Barra_Tools_Parametros", "Parámetros", nullptr, paintTable,
     &TPPrincipal::Barra_Tools_Parametros},
    Separator,
    {"Barra_Tools_LibPublica", "Lib. pública", nullptr, paintBuilding,
     &TPPrincipal::Barra_Tools_LibPublica},
    {"Barra_Tools_Veltraxis", "Página web", nullptr, paintHouse,
     &TPPrincipal::Barra_Tools_Veltraxis},
    {"Barra_Tools_Soporte", "Soporte", nullptr, paintEnvelope, &TPPrincipal::Barra_Tools_Soporte},
    {"Barra_Tools_Foro", "Foro", nullptr, paintBubbles, &TPPrincipal::Barra_Tools_Foro},
    {"Barra_Tools_FAQ", "FAQ", nullptr, paintQuestion, &TPPrincipal::Barra_Tools_FAQ},
    {"Barra_Tools_Ayuda", "Ayuda", nullptr, paintLifebuoy, &TPPrincipal::Barra_Tools_Ayuda},
    Separator,
    {"Barra_Tools_Admin", "Administración", nullptr, paintAdmin, &TPPrincipal::Barra_Tools_Admin},
    {"Barra_Tools_Logout", "Logout", nullptr, paintLogout, &TPPrincipal::Barra_Tools_Logout},
    {"Barra_Tools_Salir", "Salir", nullptr, paintPower, &TPPrincipal::Barra_Tools_Salir},
};

constexpr Item BarEstiloItems[] = {
    {"Barra_Interfaz_Estilo_XP", "XP", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Barra_Interfaz_Estilo_Office", "Office", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Barra_Interfaz_Estilo_Flat", "Plano", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Barra_Interfaz_Estilo_Personalizado", "Personalizado...", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
};
constexpr Item BarIconosItems[] = {
    {"Barra_Interfaz_Iconos_Grandes", "Grandes", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Barra_Interfaz_Iconos_Pequenhos", "Pequeños", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
};
constexpr Item BarPosLibItems[] = {
    {"Barra_Interfaz_PosLib_Izquierda", "A la izquierda", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
    {"Barra_Interfaz_PosLib_Derecha", "A la derecha", nullptr, nullptr, nullptr,
     Checkable | Exclusive},
};
constexpr Item BarModoItems[] = {
    {"Barra_Interfaz_Modo_Avanzado", "Avanzado", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Barra_Interfaz_Modo_Basico", "Básico", nullptr, nullptr, nullptr, Checkable | Exclusive},
};
constexpr MenuSpec BarEstilo{"Barra_Interfaz_Estilo_Menu", "Estilo", BarEstiloItems};
constexpr MenuSpec BarIconos{"Barra_Interfaz_Iconos_Menu", "Iconos", BarIconosItems};
constexpr MenuSpec BarPosLib{"Barra_Interfaz_PosLib_Menu", "Librería", BarPosLibItems};
constexpr MenuSpec BarModo{"Barra_Interfaz_Modo_Menu", "Modo", BarModoItems};

constexpr Item InterfaceBarItems[] = {
    {"Barra_Interfaz_Ver_Libreria", "Librería", nullptr, paintSidePanel, nullptr, Checkable},
    {"Barra_Interfaz_Ver_BarraHerramientas", "Barra de herramientas", nullptr, paintWrench, nullptr,
     Checkable},
    {"Barra_Interfaz_Ver_BarraInterfaz", "Barra de interfaz", nullptr, paintBars, nullptr,
     Checkable},
    {"Barra_Interfaz_Ver_BarraEdicion", "Barra de edición", nullptr, paintPencil, nullptr,
     Checkable},
    {"Barra_Interfaz_Ver_BarraLibreria", "Barra de librería", nullptr, paintBooks, nullptr,
     Checkable},
    {"Barra_Interfaz_Ver_BarraEstado", "Barra de estado", nullptr, paintStatusBar, nullptr,
     Checkable},
    {"Barra_Interfaz_Ver_BarraSugerencias", "Barra de sugerencias", nullptr, paintBulb, nullptr,
     Checkable},
    {"Barra_Interfaz_Ver_Reloj", "Reloj", nullptr, paintClock, nullptr, Checkable},
    {"Barra_Interfaz_Ver_Caracteres", "Panel de caracteres", nullptr, paintCharacterKey, nullptr,
     Checkable},
    Separator,
    {"Barra_Interfaz_Fondo", "Color de fondo", nullptr, paintPalette},
    {"Barra_Interfaz_Estilo", "Estilo", nullptr, paintStyles, nullptr, InstantPopup, &BarEstilo},
    {"Barra_Interfaz_Iconos", "Tamaño de iconos", nullptr, paintIconSizes, nullptr, InstantPopup,
     &BarIconos},
    {"Barra_Interfaz_PosLib", "Posición de la librería", nullptr, paintSidePanel, nullptr,
     InstantPopup, &BarPosLib},
    {"Barra_Interfaz_Modo", "Modo", nullptr, paintMode, nullptr, InstantPopup, &BarModo},
};

constexpr Item ShelfBarItems[] = {
    {"Barra_Lib_Est_Nueva", "Nueva", nullptr, composite<paintShelf, badgePlus>},
    {"Barra_Lib_Est_Renombrar", "Renombrar", nullptr, composite<paintShelf, badgePencil>},
    {"Barra_Lib_Est_Eliminar", "Eliminar", nullptr, composite<paintShelf, badgeCross>},
};

constexpr Item BookBarItems[] = {
    {"Barra_Lib_Libro_Nuevo", "Nuevo", nullptr, composite<paintBook, badgePlus>},
    {"Barra_Lib_Anhadir_Libro", "Añadir", nullptr, composite<paintBook, badgeArrowIn>},
    {"Barra_Lib_Libro_Renombrar", "Renombrar", nullptr, composite<paintBook, badgePencil>},
    {"Barra_Lib_Libro_Eliminar", "Eliminar", nullptr, composite<paintBook, badgeCross>},
};

constexpr Item InsertarItems[] = {
    {"Popup_ME_Insertar_Antes", "Antes", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Popup_ME_Insertar_Despues", "Después", nullptr, nullptr, nullptr, Checkable | Exclusive},
};
constexpr Item PegarItems[] = {
    {"Popup_ME_Pegar_Antes", "Antes", nullptr, nullptr, nullptr, Checkable | Exclusive},
    {"Popup_ME_Pegar_Despues", "Después", nullptr, nullptr, nullptr, Checkable | Exclusive},
};
constexpr MenuSpec InsertarMenu{"Popup_ME_Insertar", "Insertar", InsertarItems};
constexpr MenuSpec PegarMenu{"Popup_ME_Pegar", "Pegar", PegarItems};

constexpr Item EditionBarItems[] = {
    {"ME_Btn_Insertar", "Insertar", nullptr, composite<paintDocument, badgePlus>,
     &TPPrincipal::ME_Btn_Insertar, 0, &InsertarMenu},
    {"ME_Btn_Cortar", "Cortar", nullptr, paintScissors, &TPPrincipal::ME_Btn_Cortar},
    {"ME_Btn_Copiar", "Copiar", nullptr, paintCopy, &TPPrincipal::ME_Btn_Copiar},
    {"ME_Btn_Pegar", "Pegar", nullptr, paintPaste, &TPPrincipal::ME_Btn_Pegar, 0, &PegarMenu},
    {"ME_Btn_Salvar", "Salvar", nullptr, paintSave, &TPPrincipal::ME_Btn_Salvar},
    Separator,
    {"Popup_CargarImagen", "Cargar imagen", nullptr, paintPicture,
     &TPPrincipal::Popup_CargarImagen},
};

QAction* createAction(TPPrincipal& window, const Item& item, QObject* parent) {
    auto* action = new QAction(QString::fromUtf8(item.text), parent);
    action->setObjectName(QLatin1String(item.name));
    if (item.keys) action->setShortcut(QKeySequence(QLatin1String(item.keys)));
    if (item.icon) action->setIcon(makeIcon(item.icon));
    action->setCheckable(item.flags & Checkable);
    action->setVisible(!(item.flags & Hidden));
    if (item.member) window.*item.member = action;
    return action;
}

QMenu* buildMenu(TPPrincipal& window, const MenuSpec& menuDef, QWidget* parent) {
    auto* menu = new QMenu(QString::fromUtf8(menuDef.title), parent);
    menu->setObjectName(QLatin1String(menuDef.name));
    QActionGroup* group = nullptr;
    for (const Item& item : menuDef.items) {
        if (item.sub) {
            menu->addMenu(buildMenu(window, *item.sub, menu));
        } else if (!item.name) {
            menu->addSeparator();
        } else {
            QAction* action = createAction(window, item, menu);
            if (item.flags & Exclusive) {
                if (!group) group = new QActionGroup(menu);
                group->addAction(action);
            }
            menu->addAction(action);
        }
    }
    if (menuDef.member) window.*menuDef.member = menu;
    return menu;
}

void addBarItems(TPPrincipal& window, QToolBar* bar, std::span<const Item> items) {
    for (const Item& item : items) {
        if (!item.name) {
            bar->addSeparator();
            continue;
        }
        QAction* action = createAction(window, item, bar);
        if (item.sub) action->setMenu(buildMenu(window, *item.sub, bar));
        bar->addAction(action);
        if (item.flags & InstantPopup)
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
                button->setPopupMode(QToolButton::InstantPopup);
    }
}

// Hidden mirror items of the shelves or the books, numbered with leading zeros
// and tagged with their number; the first ones may carry Ctrl+F1.. shortcuts.
template <std::size_t N>
void addMirrorItems(QMenu* menu, const QString& prefix, int digits, int withShortcuts,
                    std::array<QAction*, N>& items) {
    QAction* before = menu->actions().value(0);
    for (int k = 1; k <= int(N); ++k) {
        auto* action = new QAction(QStringLiteral("-"), menu);
        action->setObjectName(prefix + QStringLiteral("%1").arg(k, digits, 10, QLatin1Char('0')));
        action->setProperty("tag", k);
        action->setVisible(false);
        if (k <= withShortcuts)
            action->setShortcut(QKeySequence(QStringLiteral("Ctrl+F%1").arg(k)));
        menu->insertAction(before, action);
        items[k - 1] = action;
    }
}

QToolBar* makeBar(QMainWindow* window, const char* name, const char* title) {
    auto* bar = new QToolBar(QLatin1String(title), window);
    bar->setObjectName(QLatin1String(name));
    bar->setIconSize(QSize(24, 24));
    return bar;
}

// The open book's pages, numbered 1..8 by their tags.
constexpr std::pair<const char*, const char*> Pages[] = {
    {"Resumen", "Resumen"},
    {"Notas", "Notas"},
    {"Temas", "Temas"},
    {"Practica", "Práctica"},
    {"Estadisticas", "Estadíst."},
    {"Editor", "Editor"},
    {"Parametros", "Parámetros"},
    {"Opciones", "Opciones"},
};

enum PageNumber { Resumen = 1, Notas, Temas, Practica, Estadisticas, Editor, Parametros, Opciones };

QTabWidget* makePageControl(QWidget* parent, const char* name, const QString& side) {
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QLatin1String(name));
    int tag = 1;
    for (const auto& [page, caption] : Pages) {
        auto* widget = new QWidget;
        widget->setObjectName(QStringLiteral("Pagina_") + side + QLatin1Char('_') +
                              QLatin1String(page));
        widget->setProperty("tag", tag++);
        pages->addTab(widget, QString::fromUtf8(caption));
    }
    pages->hide();
    return pages;
}

const char* const PageStyle = R"(
QTabWidget::pane { border: 1px solid #b8a57c; background: #fffdf6; top: -1px; }
QTabBar::tab { background: #eadfc6; color: #4a3a22; border: 1px solid #b8a57c;
  padding: 3px 9px; margin-right: 1px; border-top-left-radius: 4px; border-top-right-radius: 4px; }
QTabBar::tab:selected { background: #fffdf6; border-bottom-color: #fffdf6; }
QTabBar::tab:!selected { margin-top: 2px; }
)";

// The parameter grid: rows are current levels, cell 1 the A value, cells
// 2..15 the B table and 16..29 the C table.
constexpr int GridRows = 14;
constexpr int GridCells = 29;

int cellLeft(int cell) {
    if (cell == 1) return 27;
    return cell <= 15 ? 15 * cell + 50 : 15 * cell + 142;
}

int rowTop(int row) {
    return 15 * row + 29;
}

enum class CellKind { Value, Active, Inactive, Silver };

CellKind cellKind(int row, int cell) {
    const int level = row - 1;
    if (cell == 1) return CellKind::Value;
    if (cell <= 15) return cell - 2 > level ? CellKind::Active : CellKind::Inactive;
    if (cell - 16 >= level) return CellKind::Inactive;
    return level >= 10 ? CellKind::Silver : CellKind::Active;
}

QColor cellColour(CellKind kind) {
    switch (kind) {
    case CellKind::Inactive:
        return QColor(128, 128, 128);
    case CellKind::Silver:
        return QColor(192, 192, 192);
    default:
        return QColor(255, 255, 255);
    }
}

QLabel* makeCell(QWidget* parent, int row, int cell) {
    const CellKind kind = cellKind(row, cell);
    auto* label = new QLabel(kind == CellKind::Inactive ? QStringLiteral("*") : QString(), parent);
    label->setGeometry(cellLeft(cell), rowTop(row), 17, 17);
    label->setFont(tahoma8());
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, cellColour(kind));
    palette.setColor(QPalette::WindowText, QColor(64, 64, 64));
    label->setPalette(palette);
    label->setProperty("row", row);
    label->setProperty("cell", cell);
    return label;
}

QLCDNumber* makeClockDisplay(QWidget* parent) {
    auto* display = new QLCDNumber(8, parent);
    display->setObjectName(QStringLiteral("Reloj_Digital"));
    display->setGeometry(8, 9, 108, 32);
    display->setSegmentStyle(QLCDNumber::Flat);
    display->setFrameStyle(QFrame::NoFrame);
    display->display(QStringLiteral("00:00:00"));
    QPalette palette = display->palette();
    palette.setColor(QPalette::WindowText, QColor(150, 240, 170));
    display->setPalette(palette);
    // Inside a tool bar the inherited role would be the button text.
    display->setForegroundRole(QPalette::WindowText);
    auto* colours = new QAction(QStringLiteral("Cambiar colores"), display);
    colours->setObjectName(QStringLiteral("RelojCambiarColores"));
    display->addAction(colours);
    display->setContextMenuPolicy(Qt::ActionsContextMenu);
    return display;
}

QPushButton* makeClockButton(QWidget* parent, const char* name, const char* tip, IconPainter icon,
                             int left) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QString::fromUtf8(tip));
    button->setIcon(makeIcon(icon));
    button->setIconSize(QSize(20, 20));
    button->setGeometry(left, 13, 24, 24);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; background: transparent; }"
        "QPushButton:hover { background: rgba(255,255,255,40); border-radius: 4px; }"));
    return button;
}

constexpr int VersionPaneWidth = 126;

// Status pane widths for a client width.
struct PaneWidths {
    int shelf, book, action, progress, news;
};

PaneWidths paneWidths(int clientWidth) {
    if (clientWidth < 637) return {100, 100, 130, 150, 30};
    const int x = (clientWidth - 636) / 5;
    PaneWidths w{std::min(x + 100, 172), std::min(x + 100, 172), x + 130, x + 150,
                 x < 35 ? x + 30 : 64};
    const int surplus =
        clientWidth - (w.shelf + w.book + w.action + w.progress + w.news + VersionPaneWidth);
    if (surplus > 0) {
        w.action += surplus / 2;
        w.progress += surplus / 2;
    }
    return w;
}

constexpr int DefaultDeskWidth = 820;
constexpr int DefaultDeskHeight = 585;

} // namespace

TPPrincipal::TPPrincipal(TesseraApp& app) : QMainWindow(nullptr), app_(app) {
    setObjectName(QStringLiteral("TPPrincipal"));
    buildWindow();
    buildMenus();
    buildSuggestionLine();
    buildBars();
    buildDesk();
    buildStatusBar();
    FormCreate();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(500);
    connect(Timer, &QTimer::timeout, this, &TPPrincipal::TimerTimer);
    connect(Submenu_Salir, &QAction::triggered, this, &TPPrincipal::Submenu_SalirClick);
    connect(Barra_Tools_Salir, &QAction::triggered, this, &TPPrincipal::Submenu_SalirClick);
    connectLibrary();

    layoutDesk(DefaultDeskWidth, DefaultDeskHeight);
    layoutStatusPanes(width());
}

void TPPrincipal::buildWindow() {
    setWindowTitle(QStringLiteral("Tessera 5"));
    setWindowIcon(makeIcon(paintTessera));
    setMinimumSize(770, 578);
    resize(1060, 820);
}

void TPPrincipal::buildMenus() {
    auto* menuBar = new QMenuBar;
    menuBar->setObjectName(QStringLiteral("MenuPrincipal"));
    menuBar->setNativeMenuBar(false);
    // Centred in its row, which the suggestion line and the clock make taller.
    menuBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    for (const MenuSpec& menuDef : MainMenus)
        menuBar->addMenu(buildMenu(*this, menuDef, menuBar));
    if (auto* shelves = menuBar->findChild<QMenu*>(QStringLiteral("Submenu_Est_Activa")))
        addMirrorItems(shelves, QStringLiteral("Submenu_Est_"), 2, 0, shelfMenuItems);
    if (auto* books = menuBar->findChild<QMenu*>(QStringLiteral("Submenu_Libro_Activo")))
        addMirrorItems(books, QStringLiteral("Submenu_Lib_"), 3, 4, bookMenuItems);

    Barra_Menu = makeBar(this, "Barra_Menu", "Menu");
    Barra_Menu->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    Barra_Menu->addWidget(menuBar);
    addToolBar(Qt::TopToolBarArea, Barra_Menu);
}

// Three rows: the menu with the suggestion line and the clock; tools and
// library; interface and edition. The character bar lies below the desk.
void TPPrincipal::buildBars() {
    Barra_Sugerencias = makeBar(this, "Barra_Sugerencias", "Tip");
    Barra_Sugerencias->addWidget(TC_Sugerencias);
    addToolBar(Qt::TopToolBarArea, Barra_Sugerencias);

    Barra_Reloj = makeBar(this, "Barra_Reloj", "clock");
    Barra_Reloj->addWidget(buildClock());
    addToolBar(Qt::TopToolBarArea, Barra_Reloj);

    addToolBarBreak(Qt::TopToolBarArea);
    Barra_Tools = makeBar(this, "Barra_Tools", "Tools");
    addBarItems(*this, Barra_Tools, ToolsItems);
    addToolBar(Qt::TopToolBarArea, Barra_Tools);

    Barra_Libreria = makeBar(this, "Barra_Libreria", "Library");
    buildLibraryBar();
    addToolBar(Qt::TopToolBarArea, Barra_Libreria);

    addToolBarBreak(Qt::TopToolBarArea);
    Barra_Interfaz = makeBar(this, "Barra_Interfaz", "Interface");
    addBarItems(*this, Barra_Interfaz, InterfaceBarItems);
    addToolBar(Qt::TopToolBarArea, Barra_Interfaz);

    Barra_Edicion = makeBar(this, "Barra_Edicion", "Edition");
    addBarItems(*this, Barra_Edicion, EditionBarItems);
    addToolBar(Qt::TopToolBarArea, Barra_Edicion);

    Barra_Caracteres = makeBar(this, "Barra_Caracteres", "Characters");
    Panel_Caracteres = new QWidget;
    Panel_Caracteres->setObjectName(QStringLiteral("Panel_Caracteres"));
    Panel_Caracteres->setFixedSize(516, 116);
    Barra_Caracteres->addWidget(Panel_Caracteres);
    addToolBar(Qt::BottomToolBarArea, Barra_Caracteres);
    Barra_Caracteres->hide();
}

void TPPrincipal::buildLibraryBar() {
    // A drop-down of the bar: a button that opens the list of its items.
    const auto dropDown = [this](const char* name, const char* caption, int width) {
        auto* button = new QToolButton(Barra_Libreria);
        button->setObjectName(QLatin1String(name));
        button->setText(QString::fromUtf8(caption));
        button->setToolTip(QString::fromUtf8(caption));
        button->setMinimumWidth(width);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMenu(new QMenu(button));
        Barra_Libreria->addWidget(button);
        return button;
    };
    Barra_Lib_Est_Activa = dropDown("Barra_Lib_Est_Activa", "Estantería", 120);
    addMirrorItems(Barra_Lib_Est_Activa->menu(), QStringLiteral("Barra_Lib_Est_"), 2, 0,
                   shelfBarItems);
    addBarItems(*this, Barra_Libreria, ShelfBarItems);
    Barra_Libreria->addSeparator();
    Barra_Lib_Libro_Activo = dropDown("Barra_Lib_Libro_Activo", "Libro", 120);
    addMirrorItems(Barra_Lib_Libro_Activo->menu(), QStringLiteral("Barra_Lib_Libro_"), 3, 0,
                   bookBarItems);
    addBarItems(*this, Barra_Libreria, BookBarItems);
}

QWidget* TPPrincipal::buildClock() {
    TC_Reloj = new QWidget;
    TC_Reloj->setObjectName(QStringLiteral("TC_Reloj"));
    TC_Reloj->setFixedSize(176, 50);
    Fondo_Reloj = new QLabel(TC_Reloj);
    Fondo_Reloj->setObjectName(QStringLiteral("Fondo_Reloj"));
    Fondo_Reloj->setGeometry(0, 0, 176, 50);
    Fondo_Reloj->setPixmap(
        barBackground(QSize(176, 50), QColor(70, 82, 98), QColor(32, 38, 46), QColor(24, 28, 34)));
    Reloj_Digital = makeClockDisplay(TC_Reloj);
    Btn_Crono_Empezar = makeClockButton(TC_Reloj, "Btn_Crono_Empezar", "Empezar", paintPlay, 120);
    Btn_Crono_Pausa = makeClockButton(TC_Reloj, "Btn_Crono_Pausa", "Pausa", paintPause, 120);
    Btn_Crono_Pausa->hide();
    Btn_Crono_Reiniciar =
        makeClockButton(TC_Reloj, "Btn_Crono_Reiniciar", "Reiniciar", paintReset, 146);
    return TC_Reloj;
}

void TPPrincipal::buildSuggestionLine() {
    TC_Sugerencias = buildSuggestionStrip(Fondo_TC_Sugerencias, L_Sugerencia, Im, Btn_Siguiente);
}

QWidget* TPPrincipal::buildSuggestionStrip(QLabel*& background, QLabel*& text,
                                           std::array<QLabel*, 11>& pictures, QLabel*& next) {
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("TC_Sugerencias"));
    strip->setFixedSize(193, 50);

    background = new QLabel(strip);
    background->setObjectName(QStringLiteral("Fondo_TC_Sugerencias"));
    background->setGeometry(0, 0, 193, 50);
    background->setPixmap(barBackground(QSize(193, 50), QColor(253, 248, 232),
                                        QColor(236, 224, 192), QColor(190, 170, 128)));

    for (int i = 0; i < int(pictures.size()); ++i) {
        pictures[i] = new QLabel(strip);
        pictures[i]->setObjectName(QStringLiteral("Im%1").arg(i));
        pictures[i]->setPixmap(scrollFrame(i));
        pictures[i]->setGeometry(0, 8, 30, 34);
        pictures[i]->hide();
    }

    text = new QLabel(strip);
    text->setObjectName(QStringLiteral("L_Sugerencia"));
    text->setGeometry(34, 4, 129, 40);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont small = text->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    text->setFont(small);
    text->setStyleSheet(QStringLiteral("color: #4a3620;"));

    next = new QLabel(strip);
    next->setObjectName(QStringLiteral("Btn_Siguiente"));
    next->setGeometry(168, 14, 17, 19);
    next->setPixmap(upArrowButton());
    next->setCursor(Qt::PointingHandCursor);
    next->setToolTip(QStringLiteral("Siguiente"));
    return strip;
}

void TPPrincipal::buildDesk() {
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("Fondo"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(buildLibrary());

    auto* area = new DeskArea;
    area->setObjectName(QStringLiteral("Mesa"));
    row->addWidget(area, 1);
    auto* desk = new DeskSurface(area);
    Escritorio = desk;
    Escritorio->setObjectName(QStringLiteral("Escritorio"));
    area->setDesk(Escritorio);

    buildCover();
    Pagina_Izquierda = makePageControl(Escritorio, "Pagina_Izquierda", QStringLiteral("I"));
    Pagina_Derecha = makePageControl(Escritorio, "Pagina_Derecha", QStringLiteral("D"));
    for (QTabWidget* pages : {Pagina_Izquierda, Pagina_Derecha})
        pages->setStyleSheet(QLatin1String(PageStyle));
    desk->watch({Portada_Libro, Pagina_Izquierda, Pagina_Derecha});
    auto* colour = new QAction(makeIcon(paintPalette), QStringLiteral("Color de fondo..."), desk);
    colour->setObjectName(QStringLiteral("Popup_ColorDeFondo"));
    desk->addAction(colour);
    desk->setContextMenuPolicy(Qt::ActionsContextMenu);
    buildPageContents();

    const auto hiddenTitle = [this](const char* name) {
        auto* title = new QLabel(Escritorio);
        title->setObjectName(QLatin1String(name));
        title->hide();
        return title;
    };
    L_Titulo1 = hiddenTitle("L_Titulo1");
    L_Titulo2 = hiddenTitle("L_Titulo2");
    setCentralWidget(central);
}

QWidget* TPPrincipal::buildLibrary() {
    Libreria = new QWidget;
    Libreria->setObjectName(QStringLiteral("Libreria"));
    Libreria->setFixedWidth(180);
    Libreria->setAttribute(Qt::WA_StyledBackground);
    Libreria->setStyleSheet(QStringLiteral(
        "#Libreria { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #f7f3ea, "
        "stop:1 #efe8d8); border-right: 1px solid #cbbfa6; }"
        "#L_Libreria { color: #5a4428; font-weight: bold; }"));
    auto* column = new QVBoxLayout(Libreria);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(6);

    auto* heading = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setPixmap(renderIcon(paintBooks, 24));
    auto* title = new QLabel(QStringLiteral("Librería"));
    title->setObjectName(QStringLiteral("L_Libreria"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    title->setFont(font);
    heading->addWidget(icon);
    heading->addWidget(title, 1);
    column->addLayout(heading);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #d6cbb2;"));
    column->addWidget(rule);
    Libreria_Vista = new ShelfBar(app_.library(), Libreria);
    column->addWidget(Libreria_Vista, 1);
    return Libreria;
}

void TPPrincipal::buildCover() {
    Portada_Libro = new CoverSurface(Escritorio);
    Portada_Libro->setObjectName(QStringLiteral("Portada_Libro"));
    Portada_Libro->setCursor(Qt::PointingHandCursor);
    Portada_Libro_Imagen = new QLabel(Portada_Libro);
    Portada_Libro_Imagen->setObjectName(QStringLiteral("Portada_Libro_Imagen"));
    Portada_Libro_Imagen->setScaledContents(true);
    Portada_Libro->hide();
}

QWidget* TPPrincipal::page(int number) const {
    return Pagina_Izquierda->widget(number - 1);
}

void TPPrincipal::buildPageContents() {
    const auto panel = [this](int number, const char* name, const QRect& geometry) {
        auto* widget = new QWidget(page(number));
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
    };
    Panel_Temas = panel(Temas, "Panel_Temas", QRect(8, 8, 530, 400));
    Panel_Parametros = panel(Parametros, "Panel_Parametros", QRect(20, 30, 620, 270));
    Panel_Opciones = panel(Opciones, "Panel_Opciones", QRect(0, 0, 290, 102));
    buildStatisticsPage();
    buildEditorPage();
}

void TPPrincipal::buildStatisticsPage() {
    QWidget* stats = page(Estadisticas);
    const auto frame = [stats](const char* name, const QRect& geometry) {
        auto* f = new QFrame(stats);
        f->setObjectName(QLatin1String(name));
        f->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        f->setGeometry(geometry);
        return f;
    };
    MarcoGrafico = frame("MarcoGrafico", QRect(34, 22, 640, 170));
    Panel_Fechas = frame("Panel_Fechas", QRect(34, 204, 640, 40));
    Panel_NRegistros = frame("Panel_NRegistros", QRect(24, 16, 320, 300));
    Panel_NRegistros->hide();

    GridG = new QTableWidget(GridRows, 3, Panel_NRegistros);
    GridG->setObjectName(QStringLiteral("GridG"));
    GridG->horizontalHeader()->hide();
    GridG->verticalHeader()->hide();
    GridG->verticalHeader()->setDefaultSectionSize(18);
    GridG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridG->setGeometry(10, 10, 182, GridRows * 18 + 2);
}

void TPPrincipal::buildEditorPage() {
    QWidget* editor = page(Editor);
    const auto button = [editor](const char* name, const char* text, const QRect& geometry) {
        auto* b = new QPushButton(QString::fromUtf8(text), editor);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        return b;
    };
    ME_Btn_Salvar_Main = button("ME_Btn_Salvar_Main", "Salvar", QRect(16, 452, 90, 26));
    ME_Btn_Expandir = button("ME_Btn_Expandir", "Expandir", QRect(114, 452, 90, 26));
    ME_Cargar_Imagen = button("ME_Cargar_Imagen", "Cargar imagen", QRect(470, 452, 110, 26));
    ME_Borrar_imagen = button("ME_Borrar_imagen", "Borrar imagen", QRect(588, 452, 110, 26));
}

void TPPrincipal::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("BarraEstado"));
    auto* panes = new QWidget;
    auto* row = new QHBoxLayout(panes);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto pane = [row](const char* name) {
        auto* label = new QLabel;
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setIndent(4);
        row->addWidget(label);
        return label;
    };
    Panel_Estanteria = pane("Panel_Estanteria");
    Panel_Libro = pane("Panel_Libro");
    Panel_Accion = pane("Panel_Accion");
    row->setStretchFactor(Panel_Accion, 1);

    auto* progressPane = new QFrame;
    progressPane->setObjectName(QStringLiteral("Panel_Progreso"));
    progressPane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Panel_Progreso = progressPane;
    auto* inside = new QHBoxLayout(progressPane);
    inside->setContentsMargins(2, 2, 2, 2);
    Panel_BarraProgreso = new QProgressBar;
    Panel_BarraProgreso->setObjectName(QStringLiteral("Panel_BarraProgreso"));
    Panel_BarraProgreso->setRange(0, 100);
    Panel_BarraProgreso->setMaximumHeight(14);
    Panel_BarraProgreso->hide();
    inside->addWidget(Panel_BarraProgreso);
    row->addWidget(Panel_Progreso);

    Panel_Novedades = pane("Panel_Novedades");
    Panel_Novedades->setCursor(Qt::PointingHandCursor);
    Panel_Version = pane("Panel_Version");
    Panel_Version->setFixedWidth(VersionPaneWidth);
    bar->addWidget(panes, 1);
}

void TPPrincipal::layoutStatusPanes(int clientWidth) {
    const PaneWidths w = paneWidths(clientWidth);
    Panel_Estanteria->setFixedWidth(w.shelf);
    Panel_Libro->setFixedWidth(w.book);
    // The action pane gives way to the status bar's own margins and grip.
    Panel_Accion->setMinimumWidth(0);
    Panel_Accion->setMaximumWidth(w.action);
    Panel_Progreso->setFixedWidth(w.progress);
    Panel_Novedades->setFixedWidth(w.news);
    Panel_Version->setFixedWidth(VersionPaneWidth);
}

void TPPrincipal::layoutDesk(int deskWidth, int deskHeight) {
    Escritorio->resize(deskWidth, deskHeight);
    Portada_Libro->setGeometry(deskWidth / 2, 0, deskWidth - deskWidth / 2, deskHeight);
    Portada_Libro_Imagen->setGeometry(Portada_Libro->rect());
    const int left = (deskWidth - 737) / 2;
    const int top = (deskHeight - 520) / 2;
    Pagina_Izquierda->setGeometry(left, top, 714, 520);
    Pagina_Derecha->setGeometry(left + 370, top, 370, 520);
}

void TPPrincipal::FormCreate() {
    createParameterGrid();
    createTopicRows();
    createCharacterPanel();
    Panel_Opciones->setGeometry(370, 168, 290, 102);
}

void TPPrincipal::createParameterGrid() {
    parameterCells.assign(GridRows, std::vector<QLabel*>(GridCells, nullptr));
    for (int row = 1; row <= GridRows; ++row)
        for (int cell = 1; cell <= GridCells; ++cell)
            parameterCells[row - 1][cell - 1] = makeCell(Panel_Parametros, row, cell);

    const QFont headingFont = narrowBold8();
    for (int target = 0; target < GridRows; ++target) {
        for (int firstCell : {2, 16}) {
            QLabel* heading =
                makeLabel(Panel_Parametros, QString::number(target),
                          QRect(cellLeft(firstCell + target), rowTop(0), 17, 14), Qt::AlignCenter);
            heading->setFont(headingFont);
        }
        QLabel* level =
            makeLabel(Panel_Parametros, QString::number(target),
                      QRect(2, rowTop(target + 1), 21, 17), Qt::AlignRight | Qt::AlignVCenter);
        level->setFont(headingFont);
    }
}

void TPPrincipal::createTopicRows() {
    topicRows.assign(22, TopicRow{});
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 1; i <= 22; ++i) {
        TopicRow& row = topicRows[i - 1];
        const int top = 16 * i + 16;
        row.name = makeLabel(Panel_Temas, QString(), QRect(14, top, 150, 14), right);
        row.name->setProperty("tag", i);
        row.check = new QCheckBox(Panel_Temas);
        row.check->setGeometry(172, top - 2, 20, 18);
        row.check->setProperty("tag", i);
        row.level = makeLabel(Panel_Temas, QStringLiteral("-100"), QRect(190, top, 30, 14), right);
        row.bar = new QProgressBar(Panel_Temas);
        row.bar->setGeometry(224, top, 100, 14);
        row.bar->setTextVisible(false);
        row.bar->setRange(0, 100);
        row.score =
            makeLabel(Panel_Temas, QStringLiteral("9999,99"), QRect(335, top, 50, 14), right);
        for (int k = 0; k < 3; ++k)
            row.counts[k] = makeLabel(Panel_Temas, QStringLiteral("9999"),
                                      QRect(390 + 40 * k, top, 36, 14), right);
    }
}

void TPPrincipal::createCharacterPanel() {
    Panel_Caracteres->setStyleSheet(QStringLiteral(
        "QToolButton { border: 1px solid rgb(255,251,240); border-radius: 3px; background: "
        "transparent; padding: 0; }"
        "QToolButton:hover { background: #fff3d6; border-color: #d8b878; }"
        "QToolButton:pressed { background: #f0ddb0; }"));
    QFont font = Panel_Caracteres->font();
    font.setPointSize(8);
    characterButtons.clear();
    for (int code = 32; code <= 255; ++code) {
        auto* button = new QToolButton(Panel_Caracteres);
        // A lone "&" would be taken for a mnemonic marker.
        button->setText(fromCp1252(QByteArray(1, char(code))).replace(u'&', QStringLiteral("&&")));
        button->setGeometry((code % 32) * 16 + 2, ((code - 32) / 32) * 16 + 2, 16, 16);
        button->setFont(font);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setProperty("tag", code);
        characterButtons.push_back(button);
    }
    Panel_Caracteres->hide();
}

} // namespace tessera
