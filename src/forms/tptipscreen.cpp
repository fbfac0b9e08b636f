#include "forms/tptipscreen.h"

#include "forms/tesseraapp.h"
#include "interface/tips.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

namespace {
// A lit bulb beside the tip: the window's emblem.
QPixmap bulb() {
    QPixmap picture(56, 72);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(28, 26), 26);
    glow.setColorAt(0, QColor(255, 246, 170));
    glow.setColorAt(1, QColor(245, 190, 40));
    p.setBrush(glow);
    p.setPen(QPen(QColor(170, 120, 20), 1.5));
    p.drawEllipse(QRectF(6, 4, 44, 44));
    p.setBrush(QColor(150, 150, 160));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(18, 48, 20, 16), 3, 3);
    p.setPen(QPen(QColor(110, 110, 120), 1));
    for (int y = 52; y <= 60; y += 4) p.drawLine(18, y, 38, y);
    return picture;
}

QPixmap arrow(bool pressed) {
    QPixmap picture(17, 19);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 100, 60), 1));
    p.setBrush(pressed ? QColor(220, 200, 150) : QColor(250, 240, 215));
    p.drawRoundedRect(QRectF(0.5, 0.5, 16, 18), 3, 3);
    p.setBrush(pressed ? QColor(120, 90, 30) : QColor(160, 120, 40));
    p.setPen(Qt::NoPen);
    const int shift = pressed ? 1 : 0;
    const QPointF tip[] = {QPointF(8.5, 5 + shift), QPointF(13, 12 + shift), QPointF(4, 12 + shift)};
    p.drawPolygon(tip, 3);
    return picture;
}
} // namespace

TPTipScreen::TPTipScreen(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("TIP"), parent) {
    setObjectName(QStringLiteral("TPTipScreen"));
    setWindowTitle(QStringLiteral("¡Bienvenido!"));
    setFixedSize(440, 250);

    auto* picture = new QLabel(this);
    picture->setPixmap(bulb());
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    L_Tip = new QLabel(this);
    L_Tip->setObjectName(QStringLiteral("L_Tip"));
    L_Tip->setWordWrap(true);
    L_Tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L_Tip->setStyleSheet(QStringLiteral("QLabel { background: #fffdf4; border: 1px solid #d8cfae; padding: 10px; }"));
    QFont tipFont = L_Tip->font();
    tipFont.setPointSize(tipFont.pointSize() + 1);
    L_Tip->setFont(tipFont);

    CB_Mostrar = new QCheckBox(this);
    CB_Mostrar->setObjectName(QStringLiteral("CB_Mostrar"));
    L_Mostrar = new QLabel(QStringLiteral("Mostrar al comienzo"), this);
    L_Mostrar->setObjectName(QStringLiteral("L_Mostrar"));
    L_Mostrar->installEventFilter(this);
    L_Mostrar->setCursor(Qt::PointingHandCursor);
    Btn_Siguiente = new QPushButton(QStringLiteral("Siguiente"), this);
    Btn_Siguiente->setObjectName(QStringLiteral("Btn_Siguiente"));
    Btn_Cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    Btn_Cerrar->setObjectName(QStringLiteral("Btn_Cerrar"));
    Btn_Cerrar->setDefault(true);
    connect(Btn_Siguiente, &QPushButton::clicked, this, &TPTipScreen::Btn_SiguienteClick);
    connect(Btn_Cerrar, &QPushButton::clicked, this, &TPTipScreen::close);

    Im_Btn_Arriba = new QLabel(this);
    Im_Btn_Arriba->setObjectName(QStringLiteral("Im_Btn_Arriba"));
    Im_Btn_Arriba->setPixmap(arrow(false));
    Im_Btn_Arriba->hide();
    Im_Btn_Arriba_Pulsado = new QLabel(this);
    Im_Btn_Arriba_Pulsado->setObjectName(QStringLiteral("Im_Btn_Arriba_Pulsado"));
    Im_Btn_Arriba_Pulsado->setPixmap(arrow(true));
    Im_Btn_Arriba_Pulsado->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(L_Tip, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CB_Mostrar);
    bottom->addWidget(L_Mostrar);
    bottom->addStretch(1);
    bottom->addWidget(Btn_Siguiente);
    bottom->addWidget(Btn_Cerrar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

bool TPTipScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == L_Mostrar && event->type() == QEvent::MouseButtonRelease) {
        CB_Mostrar->toggle();
        return true;
    }
    return TPForm::eventFilter(watched, event);
}

bool TPTipScreen::choose() {
    Settings& s = ctx().settings;
    const auto count = countTips(ctx());
    if (!count) return false;
    count_ = *count;
    s.currentTip = chooseTip(ctx(), count_, s.currentTip, s.firstRun);
    return true;
}

void TPTipScreen::showAtStart() {
    if (!ctx().settings.showTipsAtStart) {
        CB_Mostrar->setChecked(false);
        return;
    }
    CB_Mostrar->setChecked(true);
    if (choose()) exec();
}

void TPTipScreen::showNow() {
    CB_Mostrar->setChecked(ctx().settings.showTipsAtStart);
    if (choose()) exec();
}

void TPTipScreen::showTip() {
    const int tip = ctx().settings.currentTip;
    const auto text = tip > 0 ? readTip(ctx(), tip) : std::optional<QString>(QString());
    L_Tip->setText(text.value_or(QString()));
}

void TPTipScreen::formActivate() {
    Btn_Cerrar->setFocus();
    showTip();
    Btn_Siguiente->setEnabled(count_ > 1);
}

void TPTipScreen::Btn_SiguienteClick() {
    Settings& s = ctx().settings;
    s.currentTip = chooseTip(ctx(), count_, s.currentTip, false);
    showTip();
}

void TPTipScreen::formClose() {
    ctx().settings.showTipsAtStart = CB_Mostrar->isChecked();
}

} // namespace tessera
