#pragma once

#include "forms/tpform.h"
#include "shell/settings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tessera {

// The language dialog: marks a language and makes it current with "Ok".
class TPIdioma : public TPForm {
    Q_OBJECT
public:
    TPIdioma(TesseraApp& app, QWidget* parent);

    int marked() const { return marked_; }
    void mark(int language);

    QCheckBox* CB_Espanhol = nullptr;
    QCheckBox* CB_Ingles = nullptr;
    QCheckBox* CB_Portugues = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancelar = nullptr;

protected:
    void formActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Btn_OKClick();
    QCheckBox* box(int language) const;

    int marked_ = Spanish;
};

} // namespace tessera
