#include "forms/tpnuevaestanteria.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPNuevaEstanteria::TPNuevaEstanteria(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("NEW SH"), parent) {
    setObjectName(QStringLiteral("TPNuevaEstanteria"));
    setWindowTitle(QStringLiteral("Nueva estantería"));
    L_Nombre = makeLabel(this, "L_Nombre", QStringLiteral("Introduzca el nombre de la estantería a crear:"));
    Edit = makeNameField(this, "Edit", shelves::NameCapacity);
    Bt_ok = makeButton(this, "Bt_ok", QStringLiteral("Crear"));
    Bt_ok->setDefault(true);
    Bt_Cancel = makeButton(this, "Bt_Cancel", QStringLiteral("Cerrar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_Nombre);
    layout->addWidget(Edit);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Bt_ok, Bt_Cancel}));
    setMinimumWidth(360);

    connect(Edit, &QLineEdit::textEdited, this, [this](const QString& text) { Bt_ok->setEnabled(!text.isEmpty()); });
    connect(Edit, &QLineEdit::returnPressed, this, [this] {
        if (Bt_ok->isEnabled()) Bt_okClick();
    });
    connect(Bt_ok, &QPushButton::clicked, this, &TPNuevaEstanteria::Bt_okClick);
    connect(Bt_Cancel, &QPushButton::clicked, this, &TPNuevaEstanteria::reject);
}

void TPNuevaEstanteria::formActivate() {
    Bt_ok->setEnabled(false);
    Edit->clear();
    Edit->setFocus();
    app().showSuggestion(12, true);
}

void TPNuevaEstanteria::Bt_okClick() {
    Library& library = app().library();
    TPPrincipal& main = app().principal();
    const auto name = freeShelfName(app(), *Edit, *Bt_ok);
    if (!name) return;
    Edit->setEnabled(false);
    Bt_Cancel->setEnabled(false);
    if (library.addShelf(*name) != LibraryChange::Done) {
        Edit->setEnabled(true);
        Bt_Cancel->setEnabled(true);
        return refuseName(*Edit, *Bt_ok);
    }
    if (library.countShelves() == 1) main.activateFirstShelf();
    main.updateShelves();
    app().saveLibrary();
    main.finishingAnimation(116);
    Bt_Cancel->setEnabled(true);
    Edit->setEnabled(true);
    Edit->clear();
    Bt_ok->setEnabled(false);
    Edit->setFocus();
    if (library.countShelves() >= shelves::ShelfCount) {
        app().showMessage(ctx().entry(6), MessageKind::Error);
        close();
    }
}

} // namespace tessera
