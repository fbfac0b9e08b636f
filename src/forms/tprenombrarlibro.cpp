#include "forms/tprenombrarlibro.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"
#include "library/librarybooks.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPRenombrarLibro::TPRenombrarLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("RN BOOK"), parent) {
    setObjectName(QStringLiteral("TPRenombrarLibro"));
    setWindowTitle(QStringLiteral("Renombrar libro"));
    L_Estanteria = makeLabel(this, "L_Estanteria", QStringLiteral("Escoja la estantería:"));
    ComboBox1 = makeList(this, "ComboBox1");
    L_Libro = makeLabel(this, "L_Libro", QStringLiteral("El libro a renombrar:"));
    ComboBox2 = makeList(this, "ComboBox2");
    L_Nombre = makeLabel(this, "L_Nombre", QStringLiteral("Y el nuevo nombre:"));
    Edit = makeNameField(this, "Edit", shelves::NameCapacity);
    Bt_ok = makeButton(this, "Bt_ok", QStringLiteral("Renombrar"));
    Bt_ok->setDefault(true);
    Bt_Cancel = makeButton(this, "Bt_Cancel", QStringLiteral("Cancelar"));

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{L_Estanteria, ComboBox1, L_Libro, ComboBox2, L_Nombre, Edit})
        layout->addWidget(w);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Bt_ok, Bt_Cancel}));
    setMinimumWidth(340);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { fillBooks(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { takeChosenName(); });
    connect(Edit, &QLineEdit::textChanged, this, [this](const QString& text) { Bt_ok->setEnabled(!text.isEmpty()); });
    connect(Edit, &QLineEdit::returnPressed, this, [this] {
        if (Bt_ok->isEnabled()) Bt_okClick();
    });
    connect(Bt_ok, &QPushButton::clicked, this, &TPRenombrarLibro::Bt_okClick);
    connect(Bt_Cancel, &QPushButton::clicked, this, &TPRenombrarLibro::reject);
}

void TPRenombrarLibro::fillBooks() {
    fillBookList(*ComboBox2, app().library(), chosenGroup(*ComboBox1));
    takeChosenName();
}

void TPRenombrarLibro::takeChosenName() {
    const bool any = ComboBox2->currentIndex() >= 0;
    Edit->setEnabled(any);
    Edit->setText(any ? ComboBox2->currentText() : QString());
    Edit->selectAll();
}

void TPRenombrarLibro::formActivate() {
    fillShelfList(*ComboBox1, app().library());
    fillBooks();
    ComboBox1->setFocus();
    app().showSuggestion(18, true);
}

void TPRenombrarLibro::Bt_okClick() {
    const QString oldName = ComboBox2->currentText();
    const QString name = Edit->text(); // a renamed book keeps its blanks
    if (oldName.isEmpty() || name.isEmpty()) return;
    Library& library = app().library();
    const auto refuse = [this] { refuseName(*Edit, *Bt_ok); };
    if (reportNameProblem(app(), bookNameProblem(name))) return refuse();
    if (library.bookNameTakenKey(name)) {
        app().showMessage(ctx().entry(11), MessageKind::Error);
        return refuse();
    }
    Bt_ok->setEnabled(false);
    Bt_Cancel->setEnabled(false);
    const LibraryChange change = renameBook(ctx(), library, oldName, name);
    if (change == LibraryChange::Done) {
        app().principal().updateBookLists();
        app().saveLibrary();
        app().principal().finishingAnimation(129);
    } else if (change == LibraryChange::FileExists) {
        app().showMessage(ctx().entry(12), MessageKind::Error);
    } else {
        app().showMessage(ctx().entry(23), MessageKind::Error);
    }
    Bt_Cancel->setEnabled(true);
    fillBooks();
    Edit->clear();
}

} // namespace tessera
