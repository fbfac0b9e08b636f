#include "forms/suggestionline.h"

#include "forms/tpeditor.h"
#include "forms/tpprincipal.h"
#include "shell/context.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace tessera {

namespace {
constexpr int PressedMs = 50;

// Until the tip window lends its arrows, a press looks like the button sunk in.
QPixmap pressedLook(const QPixmap& normal) {
    QPixmap pressed(normal.size());
    pressed.fill(Qt::transparent);
    QPainter p(&pressed);
    p.drawPixmap(1, 1, normal);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(pressed.rect(), QColor(0, 0, 0, 48));
    return pressed;
}
} // namespace

SuggestionLine::SuggestionLine(Context& ctx, TPPrincipal& main, TPEditor& editor, QObject* parent)
    : QObject(parent), ctx_(ctx) {
    addStrip(main.TC_Sugerencias, main.L_Sugerencia, main.Im, main.Btn_Siguiente);
    addStrip(editor.TC_Sugerencias, editor.L_Sugerencia, editor.Im, editor.Btn_Siguiente);
    normal_ = main.Btn_Siguiente->pixmap();
    pressed_ = pressedLook(normal_);
    frameTimer_.setSingleShot(true);
    connect(&frameTimer_, &QTimer::timeout, this, &SuggestionLine::advance);
}

void SuggestionLine::addStrip(QWidget* tab, QLabel* text, const std::array<QLabel*, 11>& pictures,
                              QLabel* next) {
    Strip strip;
    strip.tab = tab;
    strip.text = text;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        strip.pictures[i] = pictures[i];
    strip.next = next;
    // A suggestion file is plain text: markup in it is shown, not obeyed.
    text->setTextFormat(Qt::PlainText);
    next->installEventFilter(this);
    strips_.push_back(strip);
}

void SuggestionLine::setButtonPictures(const QPixmap& normal, const QPixmap& pressed) {
    normal_ = normal;
    pressed_ = pressed;
    for (const Strip& strip : strips_)
        if (strip.next) strip.next->setPixmap(normal_);
}

void SuggestionLine::layOut() {
    for (const Strip& strip : strips_) {
        if (strip.tab) strip.tab->resize(193, 50);
        for (QLabel* picture : strip.pictures)
            if (picture) {
                picture->hide();
                picture->move(0, 8);
            }
        if (strip.text) strip.text->setGeometry(34, 4, 129, 40);
        if (strip.next) {
            strip.next->setGeometry(168, 14, 17, 19);
            strip.next->setPixmap(normal_);
        }
    }
}

bool SuggestionLine::isOpen() const {
    return ctx_.settings.suggestionShown;
}

void SuggestionLine::showSuggestion(int context, bool show, bool any) {
    Settings& s = ctx_.settings;
    const SuggestionChoice choice = chooseSuggestion(ctx_, context, show, any);
    for (const Strip& strip : strips_)
        if (strip.next) strip.next->setVisible(choice.nextButton);

    // The line takes its new state before the pictures move: an animation
    // that ends at once settles on that state.
    const bool wasOpen = s.suggestionShown;
    s.suggestionShown = choice.show;
    if (choice.show) {
        setText(takeSuggestion(s, choice.number));
        animate(wasOpen ? SuggestionAnimation::Bounce : SuggestionAnimation::Opening);
        return;
    }
    setText(QString());
    if (wasOpen)
        animate(SuggestionAnimation::Closing);
    else if (!s.animationRunning)
        showPicture(ClosedPicture);
}

void SuggestionLine::animate(SuggestionAnimation animation) {
    Settings& s = ctx_.settings;
    if (s.animationRunning) return;
    s.animationRunning = true;
    frames_ = &animationFrames(animation);
    nextFrame_ = 0;
    advance();
}

void SuggestionLine::advance() {
    while (frames_ && nextFrame_ < frames_->size()) {
        const AnimationFrame frame = (*frames_)[nextFrame_++];
        showPicture(frame.picture);
        // The same scale as every other deliberate wait of the program.
        const int wait = animationWaits(ctx_.settings) ? qRound(frame.ms * ctx_.delayScale()) : 0;
        if (wait > 0) {
            frameTimer_.start(wait);
            return;
        }
    }
    frames_ = nullptr;
    ctx_.settings.animationRunning = false;
    // A request that came while the pictures moved may have opened or closed
    // the line since; the pictures end where the line is.
    showPicture(isOpen() ? OpenPicture : ClosedPicture);
}

void SuggestionLine::showPicture(int picture) {
    for (const Strip& strip : strips_)
        for (int i = 0; i < int(strip.pictures.size()); ++i)
            if (strip.pictures[i]) strip.pictures[i]->setVisible(i == picture);
}

void SuggestionLine::setText(const QString& text) {
    for (const Strip& strip : strips_)
        if (strip.text) strip.text->setText(text);
}

bool SuggestionLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (const Strip& strip : strips_)
            if (strip.next && watched == strip.next) {
                Btn_SiguienteMouseDown(strip.next);
                return true;
            }
    return QObject::eventFilter(watched, event);
}

void SuggestionLine::Btn_SiguienteMouseDown(QLabel* button) {
    if (ctx_.settings.eventsEnabled != 1) return;
    QPointer<QLabel> pressed(button);
    button->setPixmap(pressed_);
    ctx_.delay(PressedMs);
    if (pressed) pressed->setPixmap(normal_);
    showSuggestion(ctx_.settings.currentContext, true, true);
}

} // namespace tessera
