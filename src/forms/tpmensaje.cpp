#include "forms/tpmensaje.h"

#include "forms/tesseraapp.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace tessera {

namespace {
QLabel* picture(QWidget* parent, QStyle::StandardPixmap which, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(parent->style()->standardIcon(which).pixmap(32, 32));
    label->setGeometry(16, 24, 32, 32);
    return label;
}

QPushButton* button(QWidget* parent, const QString& text, const char* name, int left) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, 100, 70, 25);
    return b;
}
} // namespace

TPMensaje::TPMensaje(TesseraApp& app, QWidget* parent)
    : TPForm(app, QStringLiteral("MSS"), parent) {
    setObjectName(QStringLiteral("TPMensaje"));
    setFixedSize(249, 139);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    Img_Error = picture(this, QStyle::SP_MessageBoxCritical, "Img_Error");
    Img_Informacion = picture(this, QStyle::SP_MessageBoxInformation, "Img_Informacion");
    Img_Confirmacion = picture(this, QStyle::SP_MessageBoxQuestion, "Img_Confirmacion");

    L_Mensaje = new QLabel(this);
    L_Mensaje->setObjectName(QStringLiteral("L_Mensaje"));
    L_Mensaje->setGeometry(64, 16, 156, 68);
    L_Mensaje->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    L_Mensaje->setWordWrap(true);

    Btn_OK = button(this, QStringLiteral("Ok"), "Btn_OK", 89);
    Btn_Si = button(this, QStringLiteral("Si"), "Btn_Si", 48);
    Btn_No = button(this, QStringLiteral("No"), "Btn_No", 130);
    connect(Btn_OK, &QPushButton::clicked, this, [this] { answer(AnswerOk); });
    connect(Btn_Si, &QPushButton::clicked, this, [this] { answer(AnswerYes); });
    connect(Btn_No, &QPushButton::clicked, this, [this] { answer(AnswerNo); });
}

QString TPMensaje::layoutText(const QString& text) {
    if (text.size() < 40) return QStringLiteral("\n\n") + text;
    if (text.size() < 60) return QStringLiteral("\n") + text;
    return text;
}

void TPMensaje::prepare(const QString& text, MessageKind kind) {
    kind_ = kind;
    Btn_OK->setEnabled(true);
    Btn_Si->setEnabled(true);
    Btn_No->setEnabled(true);
    Img_Error->setVisible(kind == MessageKind::Error);
    Img_Informacion->setVisible(kind == MessageKind::Information);
    Img_Confirmacion->setVisible(kind == MessageKind::Question);
    static constexpr int Captions[] = {1, 308, 426};
    setWindowTitle(ctx().entry(Captions[static_cast<int>(kind)]));

    const bool question = kind == MessageKind::Question;
    Btn_Si->setVisible(question);
    Btn_No->setVisible(question);
    Btn_OK->setVisible(!question);
    Btn_OK->setDefault(!question);
    Btn_Si->setDefault(question);
    Btn_OK->setFocusPolicy(question ? Qt::NoFocus : Qt::StrongFocus);
    Btn_Si->setFocusPolicy(question ? Qt::StrongFocus : Qt::NoFocus);
    Btn_No->setFocusPolicy(question ? Qt::StrongFocus : Qt::NoFocus);
    L_Mensaje->setText(layoutText(text));
    // Focus is settled before the box shows, since the activation lets messages run.
    formActivate();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

int TPMensaje::showMessage(const QString& text, MessageKind kind) {
    if (ctx().settings.fatalError && ctx().settings.terminateRequested) return AnswerOk;
    endOpenBox();
    prepare(text, kind);

    int result = escapeAnswer();
    QEventLoop loop;
    loop_ = &loop;
    answer_ = &result;
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    // Showing the box logs its activation, which lets messages run: an answer
    // may already have come, and then there is nothing to wait for.
    if (loop_ == &loop) loop.exec(QEventLoop::DialogExec);
    return result;
}

void TPMensaje::showNotice(const QString& text, MessageKind kind) {
    if (ctx().settings.fatalError && ctx().settings.terminateRequested) return;
    endOpenBox();
    prepare(text, kind);
    Btn_OK->setEnabled(false);
    setWindowModality(Qt::NonModal);
    show();
}

void TPMensaje::endOpenBox() {
    if (!isVisible()) return;
    if (Btn_OK->isVisible()) {
        Btn_OK->setEnabled(true);
        answer(AnswerOk);
    } else {
        answer(escapeAnswer());
    }
}

int TPMensaje::escapeAnswer() const {
    return kind_ == MessageKind::Question ? AnswerNo : AnswerOk;
}

void TPMensaje::answer(int code) {
    if (answer_) *answer_ = code;
    QEventLoop* loop = loop_;
    loop_ = nullptr;
    answer_ = nullptr;
    hide();
    if (loop) loop->exit(0);
}

void TPMensaje::formActivate() {
    (kind_ == MessageKind::Question ? Btn_No : Btn_OK)->setFocus();
}

void TPMensaje::reject() {
    // Escape: "No" for a question, "Ok" otherwise; a notice's disabled "Ok" cannot be escaped.
    if (kind_ != MessageKind::Question && !Btn_OK->isEnabled()) return;
    answer(escapeAnswer());
}

void TPMensaje::closeEvent(QCloseEvent* event) {
    if (kind_ != MessageKind::Question && !Btn_OK->isEnabled()) {
        event->ignore();
        return;
    }
    event->ignore();
    answer(escapeAnswer());
}

} // namespace tessera
