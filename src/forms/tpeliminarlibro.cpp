#include "forms/tpeliminarlibro.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"
#include "library/librarybooks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPEliminarLibro::TPEliminarLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("RMBOOK"), parent) {
    setObjectName(QStringLiteral("TPEliminarLibro"));
    setWindowTitle(QStringLiteral("Eliminar libro"));
    L_Estanteria = makeLabel(this, "L_Estanteria", QStringLiteral("Escoja la estantería:"));
    ComboBox1 = makeList(this, "ComboBox1");
    L_Libro = makeLabel(this, "L_Libro", QStringLiteral("Y el libro a eliminar:"));
    ComboBox2 = makeList(this, "ComboBox2");
    EliminarFichero = new QCheckBox(QStringLiteral("Eliminar el fichero"), this);
    EliminarFichero->setObjectName(QStringLiteral("EliminarFichero"));
    Bt_ok = makeButton(this, "Bt_ok", QStringLiteral("Eliminar"));
    Bt_Cancel = makeButton(this, "Bt_Cancel", QStringLiteral("Cancelar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_Estanteria);
    layout->addWidget(ComboBox1);
    layout->addWidget(L_Libro);
    layout->addWidget(ComboBox2);
    layout->addWidget(EliminarFichero);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Bt_ok, Bt_Cancel}));
    setMinimumWidth(340);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { fillBooks(); });
    connect(Bt_ok, &QPushButton::clicked, this, &TPEliminarLibro::Bt_okClick);
    connect(Bt_Cancel, &QPushButton::clicked, this, &TPEliminarLibro::reject);
}

void TPEliminarLibro::fillBooks() {
    fillBookList(*ComboBox2, app().library(), chosenGroup(*ComboBox1));
    Bt_ok->setEnabled(ComboBox2->count() > 0);
}

void TPEliminarLibro::formActivate() {
    fillShelfList(*ComboBox1, app().library());
    fillBooks();
    EliminarFichero->setChecked(false);
    Bt_Cancel->setText(ctx().entry(72));
    ComboBox1->setFocus();
    app().showSuggestion(17, true);
}

void TPEliminarLibro::Bt_okClick() {
    const QString name = ComboBox2->currentText();
    if (name.isEmpty()) return;
    Library& library = app().library();
    Bt_ok->setEnabled(false);
    Bt_Cancel->setEnabled(false);
    EliminarFichero->setEnabled(false);
    const LibraryChange change = deleteBook(library, name, EliminarFichero->isChecked());
    if (change == LibraryChange::Done) {
        app().saveLibrary();
        app().principal().updateBookLists();
        app().showMessage(ctx().entry(43), MessageKind::Information);
    } else if (change == LibraryChange::FileFailed) {
        // The file stays, and so does the book: nothing is half done.
        reportFileTrouble(app(), FileTrouble::NotDeleted);
    }
    EliminarFichero->setChecked(false);
    fillBooks();
    if (ComboBox2->count() > 0)
        ComboBox2->setFocus();
    else
        ComboBox1->setFocus();
    Bt_Cancel->setText(ctx().entry(73));
    Bt_Cancel->setEnabled(true);
    EliminarFichero->setEnabled(true);
}

} // namespace tessera
