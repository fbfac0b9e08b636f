#pragma once

#include <QWidget>

class QLabel;

namespace tessera {

// The splash window shown while the program loads.
class TPPresentacion : public QWidget {
    Q_OBJECT
public:
    TPPresentacion();

    QLabel* L_Version = nullptr;
    QLabel* Panel_Version = nullptr;
    QLabel* Panel_Accion = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessera
