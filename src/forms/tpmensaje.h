#pragma once

#include "forms/tpform.h"
#include "shell/feedback.h"

class QEventLoop;
class QLabel;
class QPushButton;

namespace tessera {

// The message box: the one way the program shows an error, a notice or a
// yes/no question.
class TPMensaje : public TPForm {
    Q_OBJECT
public:
    TPMensaje(TesseraApp& app, QWidget* parent);

    // Modal; returns AnswerOk, AnswerYes or AnswerNo.
    int showMessage(const QString& text, MessageKind kind);
    // Shown without waiting, its "Ok" disabled; the next message takes its place.
    void showNotice(const QString& text, MessageKind kind);

    // The text with the leading line breaks that centre short messages.
    static QString layoutText(const QString& text);

    QLabel* L_Mensaje = nullptr;
    QLabel* Img_Error = nullptr;
    QLabel* Img_Informacion = nullptr;
    QLabel* Img_Confirmacion = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Si = nullptr;
    QPushButton* Btn_No = nullptr;

protected:
    void formActivate() override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void prepare(const QString& text, MessageKind kind);
    void answer(int code);
    // Ends a box that is still open: "Ok" when it shows one, otherwise as its close box.
    void endOpenBox();
    int escapeAnswer() const;

    MessageKind kind_ = MessageKind::Information;
    QEventLoop* loop_ = nullptr;
    int* answer_ = nullptr;
};

} // namespace tessera
