#include "forms/tpanhadirlibro.h"

#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"
#include "library/librarybooks.h"
#include "shell/paths.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera {

TPAnhadirLibro::TPAnhadirLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("ADD BOOK"), parent) {
    setObjectName(QStringLiteral("TPAnhadirLibro"));
    setWindowTitle(QStringLiteral("Añadir libro"));
    L_Estanteria = makeLabel(this, "L_Estanteria", QStringLiteral("Estantería:"));
    ComboBox1 = makeList(this, "ComboBox1");
    L_Libros = makeLabel(this, "L_Libros", QStringLiteral("Libro/s a añadir:"));
    L_Nombre = makeLabel(this, "L_Nombre", QString());
    L_Nombre->setMinimumWidth(300);
    L_Nombre->setFrameShape(QFrame::StyledPanel);
    Btn_Cambiar = makeButton(this, "Btn_Cambiar", QStringLiteral("Cambiar"));
    Btn_Abrir = makeButton(this, "Btn_Abrir", QStringLiteral("Añadir"));
    Btn_Abrir->setDefault(true);
    Btn_Cerrar = makeButton(this, "Btn_Cerrar", QStringLiteral("Cerrar"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(L_Nombre, 1);
    fileRow->addWidget(Btn_Cambiar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_Estanteria);
    layout->addWidget(ComboBox1);
    layout->addWidget(L_Libros);
    layout->addLayout(fileRow);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Btn_Abrir, Btn_Cerrar}));
    setMinimumWidth(420);

    chooseFiles = [this](const QString& title, const QString& start) {
        QFileDialog dialog(this, title, start, QStringLiteral("*.tsb"));
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setDefaultSuffix(QStringLiteral("tsb"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    };
    connect(Btn_Cambiar, &QPushButton::clicked, this, &TPAnhadirLibro::Btn_CambiarClick);
    connect(Btn_Abrir, &QPushButton::clicked, this, &TPAnhadirLibro::Btn_AbrirClick);
    connect(Btn_Cerrar, &QPushButton::clicked, this, &TPAnhadirLibro::reject);
}

void TPAnhadirLibro::fillShelves() {
    const Settings& s = ctx().settings;
    // While the console is open the Admin adds books to the network register there.
    if (!s.singleUser && s.adminConsoleOpen) {
        ComboBox1->clear();
        ComboBox1->setEnabled(false);
        return;
    }
    ComboBox1->setEnabled(true);
    fillShelfList(*ComboBox1, app().library());
}

void TPAnhadirLibro::formActivate() {
    fillShelves();
    L_Nombre->clear();
    files_.clear();
    Btn_Abrir->setEnabled(false);
    Btn_Cambiar->setFocus();
    app().showSuggestion(16, true);
}

bool TPAnhadirLibro::mayAddFrom(const QStringList& files) {
    const Settings& s = ctx().settings;
    if (s.singleUser || s.isAdministrator()) return true;
    // Assigned books come only through the synchronisation at login.
    const QString networkBooks =
        QDir::cleanPath(QDir(subdirectory(s.netDataDir, QStringLiteral("books"))).absolutePath());
    for (const QString& file : files)
        if (QDir::cleanPath(QFileInfo(file).absolutePath()) == networkBooks) return false;
    return true;
}

void TPAnhadirLibro::setChosenFiles(const QStringList& files) {
    files_ = files;
    L_Nombre->setText(files.isEmpty() ? QString()
                      : files.size() == 1
                          ? shortenedPath(files.first(), *L_Nombre)
                          : shortenedPath(QFileInfo(files.first()).absolutePath(), *L_Nombre) +
                                QStringLiteral(" (%1)").arg(files.size()));
    L_Nombre->setToolTip(files.join(QLatin1Char('\n')));
    Btn_Abrir->setEnabled(!files.isEmpty() && mayAddFrom(files));
}

void TPAnhadirLibro::Btn_CambiarClick() {
    const QString start = files_.isEmpty() ? ctx().appFile(QStringLiteral("books"))
                                           : QFileInfo(files_.first()).absolutePath();
    const QStringList files = chooseFiles(ctx().entry(312), start);
    if (!files.isEmpty()) setChosenFiles(files);
}

void TPAnhadirLibro::Btn_AbrirClick() {
    Library& library = app().library();
    TPPrincipal& main = app().principal();
    const int group = chosenGroup(*ComboBox1);
    if (files_.isEmpty() || group < 0) return;
    const bool several = files_.size() > 1;
    bool stopped = false;
    bool someTaken = false;
    int added = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, Btn_Cambiar, Btn_Abrir, Btn_Cerrar})
        w->setEnabled(false);
    for (const QString& file : files_) {
        const AddedBook result = addBookFile(ctx(), library, file, group);
        if (ctx().settings.fatalError) return;
        switch (result.change) {
        case LibraryChange::Done:
            ++added;
            main.finishingAnimation(109);
            app().saveLibrary();
            main.updateBookLists();
            break;
        case LibraryChange::BooksFull:
            app().showMessage(ctx().entry(4), MessageKind::Error);
            stopped = true;
            break;
        case LibraryChange::Taken:
            someTaken = true;
            app().showMessage(ctx().entry(10) + result.name, MessageKind::Error);
            break;
        case LibraryChange::BadName:
            reportNameProblem(app(), bookNameProblem(result.name));
            break;
        case LibraryChange::NotABook:
            reportFileTrouble(app(), FileTrouble::NotABook, file);
            break;
        case LibraryChange::FileExists:
            app().showMessage(ctx().entry(12), MessageKind::Error);
            break;
        default:
            reportFileTrouble(app(), FileTrouble::NotAdded, file);
            break;
        }
        if (stopped) break;
    }
    main.updateShelves();
    app().saveLibrary();
    if (!stopped) {
        if (someTaken) {
            if (several) app().showMessage(ctx().entry(50), MessageKind::Information);
        } else if (added == files_.size()) {
            app().showMessage(ctx().entry(several ? 49 : 48), MessageKind::Information);
        }
    }
    setChosenFiles({});
    for (QWidget* w : std::initializer_list<QWidget*>{Btn_Cambiar, Btn_Cerrar})
        w->setEnabled(true);
    const int shelf = ComboBox1->currentIndex();
    fillShelves();
    if (shelf < ComboBox1->count()) ComboBox1->setCurrentIndex(shelf);
    if (stopped) close();
}

void TPAnhadirLibro::addFilesToFirstShelf(const QStringList& files) {
    fillShelfList(*ComboBox1, app().library());
    files_ = files;
    Btn_AbrirClick();
}

} // namespace tessera
