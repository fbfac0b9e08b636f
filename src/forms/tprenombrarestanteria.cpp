#include "forms/tprenombrarestanteria.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPRenombrarEstanteria::TPRenombrarEstanteria(TesseraApp& app, QWidget* parent)
    : TPForm(app, QStringLiteral("RN SH"), parent) {
    setObjectName(QStringLiteral("TPRenombrarEstanteria"));
    setWindowTitle(QStringLiteral("Renombrar estantería"));
    L_Estanteria = makeLabel(this, "L_Estanteria", QStringLiteral("Escoja la estantería a renombrar"));
    ComboBox1 = makeList(this, "ComboBox1");
    L_Nombre = makeLabel(this, "L_Nombre", QStringLiteral("e introduzca el nuevo nombre"));
    Edit = makeNameField(this, "Edit", shelves::NameCapacity);
    Bt_ok = makeButton(this, "Bt_ok", QStringLiteral("Renombrar"));
    Bt_ok->setDefault(true);
    Bt_Cancel = makeButton(this, "Bt_Cancel", QStringLiteral("Cancelar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_Estanteria);
    layout->addWidget(ComboBox1);
    layout->addWidget(L_Nombre);
    layout->addWidget(Edit);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Bt_ok, Bt_Cancel}));
    setMinimumWidth(340);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { takeChosenName(); });
    connect(Edit, &QLineEdit::textChanged, this, [this] { updateOk(); });
    connect(Edit, &QLineEdit::returnPressed, this, [this] {
        if (Bt_ok->isEnabled()) Bt_okClick();
    });
    connect(Bt_ok, &QPushButton::clicked, this, &TPRenombrarEstanteria::Bt_okClick);
    connect(Bt_Cancel, &QPushButton::clicked, this, &TPRenombrarEstanteria::reject);
}

void TPRenombrarEstanteria::takeChosenName() {
    Edit->setText(ComboBox1->currentText());
    Edit->selectAll();
    updateOk();
}

void TPRenombrarEstanteria::updateOk() {
    Bt_ok->setEnabled(!Edit->text().isEmpty() && Edit->text() != ComboBox1->currentText());
}

void TPRenombrarEstanteria::formActivate() {
    fillShelfList(*ComboBox1, app().library());
    takeChosenName();
    Bt_ok->setEnabled(false);
    if (ComboBox1->count() == 1)
        Edit->setFocus();
    else
        ComboBox1->setFocus();
    app().showSuggestion(14, true);
}

void TPRenombrarEstanteria::Bt_okClick() {
    Library& library = app().library();
    TPPrincipal& main = app().principal();
    const int group = chosenGroup(*ComboBox1);
    if (group < 0) return;
    const auto name = freeShelfName(app(), *Edit, *Bt_ok);
    if (!name) return;
    if (library.renameShelf(group, *name) != LibraryChange::Done) return refuseName(*Edit, *Bt_ok);
    fillShelfList(*ComboBox1, library);
    main.updateShelves();
    main.updateShelfMarks();
    app().saveLibrary();
    main.finishingAnimation(128);
    ComboBox1->setCurrentIndex(0);
    takeChosenName();
}

} // namespace tessera
