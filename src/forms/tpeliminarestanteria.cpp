#include "forms/tpeliminarestanteria.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPEliminarEstanteria::TPEliminarEstanteria(TesseraApp& app, QWidget* parent)
    : TPForm(app, QStringLiteral("ADDSH"), parent) {
    setObjectName(QStringLiteral("TPEliminarEstanteria"));
    setWindowTitle(QStringLiteral("Eliminar estantería"));
    L_Estanteria = makeLabel(this, "L_Estanteria", QStringLiteral("Escoja la estantería a eliminar"));
    ComboBox1 = makeList(this, "ComboBox1");
    Bt_ok = makeButton(this, "Bt_ok", QStringLiteral("Eliminar"));
    Bt_Cancel = makeButton(this, "Bt_Cancel", QStringLiteral("Cancelar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_Estanteria);
    layout->addWidget(ComboBox1);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Bt_ok, Bt_Cancel}));
    setMinimumWidth(340);

    connect(Bt_ok, &QPushButton::clicked, this, &TPEliminarEstanteria::Bt_okClick);
    connect(Bt_Cancel, &QPushButton::clicked, this, &TPEliminarEstanteria::reject);
}

void TPEliminarEstanteria::formActivate() {
    fillShelfList(*ComboBox1, app().library());
    Bt_Cancel->setText(ctx().entry(72));
    Bt_ok->setEnabled(ComboBox1->count() > 0);
    ComboBox1->setFocus();
    app().showSuggestion(13, true);
}

void TPEliminarEstanteria::Bt_okClick() {
    Library& library = app().library();
    TPPrincipal& main = app().principal();
    const int group = chosenGroup(*ComboBox1);
    if (group < 0) return;
    bool closeAfter = false;
    if (!library.booksOnShelf(group).isEmpty()) {
        app().showMessage(ctx().entry(9), MessageKind::Error);
    } else {
        Bt_ok->setEnabled(false);
        Bt_Cancel->setEnabled(false);
        const bool wasActive = library.activeShelf == group + 1;
        if (library.deleteShelf(group) == LibraryChange::Done) {
            fillShelfList(*ComboBox1, library);
            if (wasActive) main.activateFirstShelf();
            main.updateShelves();
            main.updateBookLists();
            main.finishingAnimation(120);
        }
        ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
        Bt_ok->setEnabled(true);
        Bt_Cancel->setEnabled(true);
        closeAfter = library.countShelves() <= 1;
    }
    app().saveLibrary();
    Bt_Cancel->setText(ctx().entry(73));
    if (closeAfter) close();
}

} // namespace tessera
