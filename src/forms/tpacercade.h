#pragma once

#include "forms/tpform.h"

class QLabel;

namespace tessera {

// The About box: the version and the installed help file.
class TPAcercaDe : public TPForm {
    Q_OBJECT
public:
    TPAcercaDe(TesseraApp& app, QWidget* parent);

    QLabel* L_Version = nullptr;
    QLabel* L_HelpFile = nullptr;
};

} // namespace tessera
