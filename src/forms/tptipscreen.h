#pragma once

#include "forms/tpform.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tessera {

// The tip of the day.
class TPTipScreen : public TPForm {
    Q_OBJECT
public:
    TPTipScreen(TesseraApp& app, QWidget* parent);

    // At start-up and after a login: only when the person wants tips at start.
    void showAtStart();
    // From the help menu.
    void showNow();
    int tipCount() const { return count_; }

    QLabel* L_Tip = nullptr;
    QCheckBox* CB_Mostrar = nullptr;
    QLabel* L_Mostrar = nullptr;
    QPushButton* Btn_Siguiente = nullptr;
    QPushButton* Btn_Cerrar = nullptr;
    // The "up" arrow of the next-suggestion buttons, normal and pressed.
    QLabel* Im_Btn_Arriba = nullptr;
    QLabel* Im_Btn_Arriba_Pulsado = nullptr;

protected:
    void formActivate() override;
    void formClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool choose();
    void showTip();
    void Btn_SiguienteClick();

    int count_ = 0;
};

} // namespace tessera
