#include "forms/tpmoverlibro.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "library/librarybooks.h"
#include "shell/paths.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPMoverLibro::TPMoverLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("MV BOOK"), parent) {
    setObjectName(QStringLiteral("TPMoverLibro"));
    setWindowTitle(QStringLiteral("Mover libro"));
    L_DirActual = makeLabel(this, "L_DirActual", QStringLiteral("Directorio actual del libro:"));
    Ed_DirActual = makeLabel(this, "Ed_DirActual", QString());
    L_NuevoDir = makeLabel(this, "L_NuevoDir", QStringLiteral("Nuevo directorio:"));
    Ed_NuevoDir = makeLabel(this, "Ed_NuevoDir", QString());
    for (QLabel* folder : {Ed_DirActual, Ed_NuevoDir}) {
        folder->setMinimumWidth(340);
        folder->setFrameShape(QFrame::StyledPanel);
    }
    Btn_Cambiar = makeButton(this, "Btn_Cambiar", QStringLiteral("Cambiar"));
    Btn_Mover = makeButton(this, "Btn_Mover", QStringLiteral("Mover"));
    Btn_Mover->setDefault(true);
    Btn_Cancelar = makeButton(this, "Btn_Cancelar", QStringLiteral("Cancelar"));

    auto* newRow = new QHBoxLayout;
    newRow->addWidget(Ed_NuevoDir, 1);
    newRow->addWidget(Btn_Cambiar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_DirActual);
    layout->addWidget(Ed_DirActual);
    layout->addWidget(L_NuevoDir);
    layout->addLayout(newRow);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Btn_Mover, Btn_Cancelar}));

    chooseFolder = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start);
    };
    connect(Btn_Cambiar, &QPushButton::clicked, this, &TPMoverLibro::Btn_CambiarClick);
    connect(Btn_Mover, &QPushButton::clicked, this, &TPMoverLibro::Btn_MoverClick);
    connect(Btn_Cancelar, &QPushButton::clicked, this, &TPMoverLibro::reject);
}

void TPMoverLibro::showCurrentFolder() {
    const Library& library = app().library();
    const int number = library.currentBook;
    const QString folder = number >= 1 ? library.entry(number).folder : QString();
    Ed_DirActual->setText(shortenedPath(folder, *Ed_DirActual));
    Ed_DirActual->setToolTip(QDir::toNativeSeparators(folder));
}

void TPMoverLibro::formActivate() {
    showCurrentFolder();
    setNewFolder(QString());
    Btn_Cancelar->setText(ctx().entry(72));
}

void TPMoverLibro::setNewFolder(const QString& folder) {
    newFolder_ = folder.isEmpty() ? QString() : withTrailingSeparator(QDir::toNativeSeparators(folder));
    Ed_NuevoDir->setText(shortenedPath(newFolder_, *Ed_NuevoDir));
    Ed_NuevoDir->setToolTip(newFolder_);
    Btn_Mover->setEnabled(!newFolder_.isEmpty());
}

void TPMoverLibro::Btn_CambiarClick() {
    const Library& library = app().library();
    const QString start = library.currentBook >= 1 ? library.entry(library.currentBook).folder : QString();
    const QString folder = chooseFolder(ctx().entry(316), start);
    if (!folder.isEmpty()) setNewFolder(folder);
}

void TPMoverLibro::Btn_MoverClick() {
    Library& library = app().library();
    if (newFolder_.isEmpty() || library.currentBook < 1) return;
    for (QPushButton* b : {Btn_Cambiar, Btn_Mover, Btn_Cancelar})
        b->setEnabled(false);
    const LibraryChange change = moveBook(ctx(), library, library.currentBook, newFolder_);
    if (ctx().settings.fatalError) return;
    if (change == LibraryChange::Done) {
        app().saveLibrary();
        app().showMessage(ctx().entry(44), MessageKind::Information);
    } else if (change == LibraryChange::FileExists) {
        app().showMessage(ctx().entry(12), MessageKind::Error);
    } else if (change != LibraryChange::Unchanged) {
        reportFileTrouble(app(), FileTrouble::NotMoved, newFolder_);
    }
    showCurrentFolder();
    setNewFolder(QString());
    Btn_Cancelar->setText(ctx().entry(73));
    Btn_Cancelar->setEnabled(true);
    Btn_Cambiar->setEnabled(true);
}

} // namespace tessera
