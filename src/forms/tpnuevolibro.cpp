#include "forms/tpnuevolibro.h"

#include "forms/coverart.h"
#include "forms/librarydialogs.h"
#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"
#include "library/librarybooks.h"
#include "shell/paths.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace tessera {

namespace {
constexpr int SubtitleCapacity = 64;
constexpr QSize SwatchSize(40, 24);
} // namespace

TPNuevoLibro::TPNuevoLibro(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("NEW BOOK"), parent) {
    setObjectName(QStringLiteral("TPNuevoLibro"));
    setWindowTitle(QStringLiteral("Crear nuevo libro"));
    L_Estanteria = makeLabel(this, "L_Estanteria", QStringLiteral("Estantería:"));
    ComboBox1 = makeList(this, "ComboBox1");
    L_Carpeta = makeLabel(this, "L_Carpeta", QStringLiteral("Carpeta en la que se creará el nuevo libro:"));
    L_Directorio = makeLabel(this, "L_Directorio", QString());
    L_Directorio->setMinimumWidth(320);
    L_Directorio->setFrameShape(QFrame::StyledPanel);
    Btn_Cambiar = makeButton(this, "Btn_Cambiar", QStringLiteral("Cambiar"));
    L_NombreLibro = makeLabel(this, "L_NombreLibro", QStringLiteral("Nombre del libro:"));
    Ed_NombreLibro = makeNameField(this, "Ed_NombreLibro", shelves::NameCapacity);
    L_Subtitulo = makeLabel(this, "L_Subtitulo", QStringLiteral("Subtítulo (opcional):"));
    Ed_Subtitulo = makeNameField(this, "Ed_Subtitulo", SubtitleCapacity);
    L_Imagen = makeLabel(this, "L_Imagen", QStringLiteral("Imagen"));
    SpinImage = makeList(this, "SpinImage");
    SpinImage->setIconSize(QSize(32, 32));
    SpinImage->setMinimumContentsLength(16);
    L_Color = makeLabel(this, "L_Color", QStringLiteral("Color"));
    ImagenColorPortada = new QToolButton(this);
    ImagenColorPortada->setObjectName(QStringLiteral("ImagenColorPortada"));
    ImagenColorPortada->setIconSize(SwatchSize);
    ImagenColorPortada->setPopupMode(QToolButton::InstantPopup);
    Btn_Crear = makeButton(this, "Btn_Crear", QStringLiteral("Crear"));
    Btn_Crear->setDefault(true);
    Btn_Cerrar = makeButton(this, "Btn_Cerrar", QStringLiteral("Cancelar"));

    // The twenty textures in rows of five, as the texture chooser lays them out.
    auto* textures = new QMenu(ImagenColorPortada);
    auto* grid = new QWidget(textures);
    auto* gridLayout = new QGridLayout(grid);
    gridLayout->setSpacing(3);
    for (int t = 1; t <= CoverTextureCount; ++t) {
        auto* swatch = new QToolButton(grid);
        swatch->setObjectName(QStringLiteral("I%1").arg(t, 2, 10, QLatin1Char('0')));
        swatch->setIcon(coverTexture(t, SwatchSize));
        swatch->setIconSize(SwatchSize);
        swatch->setAutoRaise(true);
        connect(swatch, &QToolButton::clicked, this, [this, t, textures] {
            setCoverTexture(t);
            textures->close();
        });
        gridLayout->addWidget(swatch, (t - 1) / 5, (t - 1) % 5);
    }
    auto* gridAction = new QWidgetAction(textures);
    gridAction->setDefaultWidget(grid);
    textures->addAction(gridAction);
    ImagenColorPortada->setMenu(textures);
    setCoverTexture(1);

    auto* form = new QGridLayout;
    form->addWidget(L_Estanteria, 0, 0, 1, 3);
    form->addWidget(ComboBox1, 1, 0, 1, 3);
    form->addWidget(L_Carpeta, 2, 0, 1, 3);
    form->addWidget(L_Directorio, 3, 0, 1, 2);
    form->addWidget(Btn_Cambiar, 3, 2);
    form->addWidget(L_NombreLibro, 4, 0, 1, 3);
    form->addWidget(Ed_NombreLibro, 5, 0, 1, 3);
    form->addWidget(L_Subtitulo, 6, 0, 1, 3);
    form->addWidget(Ed_Subtitulo, 7, 0, 1, 3);
    auto* look = new QHBoxLayout;
    look->addWidget(L_Imagen);
    look->addWidget(SpinImage, 1);
    look->addSpacing(16);
    look->addWidget(L_Color);
    look->addWidget(ImagenColorPortada);
    form->addLayout(look, 8, 0, 1, 3);
    form->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttonRow({Btn_Crear, Btn_Cerrar}));
    setMinimumWidth(440);

    chooseFolder = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start);
    };
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { updateCreate(); });
    connect(Ed_NombreLibro, &QLineEdit::textChanged, this, [this] { updateCreate(); });
    connect(Ed_NombreLibro, &QLineEdit::returnPressed, this, [this] {
        if (Btn_Crear->isEnabled()) Btn_CrearClick();
    });
    connect(Btn_Cambiar, &QPushButton::clicked, this, &TPNuevoLibro::Btn_CambiarClick);
    connect(Btn_Crear, &QPushButton::clicked, this, &TPNuevoLibro::Btn_CrearClick);
    connect(Btn_Cerrar, &QPushButton::clicked, this, [this] {
        SpinImage->clear();
        covers_.clear();
        reject();
    });
}

bool TPNuevoLibro::applyFolderRule() {
    // Users other than the Admin keep their books in their own user folder.
    const Settings& s = ctx().settings;
    const bool fixed = !s.singleUser && !s.isAdministrator();
    Btn_Cambiar->setEnabled(!fixed);
    if (fixed) setFolder(subdirectory(s.netDataDir, withoutTrailingSeparator(s.userFolder)));
    return fixed;
}

void TPNuevoLibro::setCoverTexture(int texture) {
    texture_ = std::clamp(texture, 1, CoverTextureCount);
    ImagenColorPortada->setIcon(coverTexture(texture_, SwatchSize));
    ImagenColorPortada->setToolTip(QString::number(texture_));
}

void TPNuevoLibro::loadCoverCandidates() {
    SpinImage->clear();
    covers_.clear();
    QDir folder(ctx().appFile(QStringLiteral("covers")));
    const QStringList names = folder.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QPixmap picture(folder.filePath(name));
        if (picture.isNull()) continue;
        covers_ << folder.filePath(name);
        SpinImage->addItem(QIcon(picture), QFileInfo(name).completeBaseName());
    }
    SpinImage->setCurrentIndex(covers_.isEmpty() ? -1 : 0);
}

void TPNuevoLibro::enableFields(bool on) {
    Ed_NombreLibro->setEnabled(on);
    Ed_Subtitulo->setEnabled(on);
}

void TPNuevoLibro::updateCreate() {
    Btn_Crear->setEnabled(Ed_NombreLibro->isEnabled() && !Ed_NombreLibro->text().isEmpty() &&
                          ComboBox1->currentIndex() >= 0);
}

void TPNuevoLibro::setFolder(const QString& folder) {
    folder_ = folder.isEmpty() ? QString() : withTrailingSeparator(QDir::toNativeSeparators(folder));
    L_Directorio->setText(shortenedPath(folder_, *L_Directorio));
    L_Directorio->setToolTip(folder_);
    enableFields(!folder_.isEmpty());
    updateCreate();
}

void TPNuevoLibro::formActivate() {
    const Library& library = app().library();
    fillShelfList(*ComboBox1, library);
    if (ComboBox1->count() != 1) ComboBox1->setCurrentIndex(-1);
    ComboBox1->setPlaceholderText(QStringLiteral("-"));
    Ed_NombreLibro->clear();
    Ed_Subtitulo->clear();
    setFolder(QString());
    Btn_Crear->setEnabled(false);
    loadCoverCandidates();
    setCoverTexture(1);
    if (applyFolderRule())
        Ed_NombreLibro->setFocus();
    else
        Btn_Cambiar->setFocus();
    app().showSuggestion(15, true);
}

void TPNuevoLibro::Btn_CambiarClick() {
    const QString start = folder_.isEmpty() ? ctx().appFile(QStringLiteral("books")) : folder_;
    const QString chosen = chooseFolder(ctx().entry(332), start);
    if (!chosen.isEmpty()) {
        setFolder(chosen);
        Ed_NombreLibro->setFocus();
    }
}

void TPNuevoLibro::Btn_CrearClick() {
    Library& library = app().library();
    TPPrincipal& main = app().principal();
    const QString name = trimBlanks(Ed_NombreLibro->text());
    Ed_NombreLibro->setText(name);
    const int group = chosenGroup(*ComboBox1);
    if (folder_.isEmpty() || group < 0) return;
    const auto refuse = [this] { refuseName(*Ed_NombreLibro, *Btn_Crear); };
    if (reportNameProblem(app(), bookNameProblem(name))) return refuse();
    if (library.countBooks() >= shelves::SlotCount) {
        app().showMessage(ctx().entry(4), MessageKind::Error);
        close();
        return;
    }
    if (QFileInfo::exists(folder_ + name + QStringLiteral(".tsb"))) {
        app().showMessage(ctx().entry(12), MessageKind::Error);
        return refuse();
    }
    if (library.bookNameTaken(name)) {
        app().showMessage(ctx().entry(11), MessageKind::Error);
        return refuse();
    }

    const QList<QWidget*> controls{ComboBox1, Btn_Cambiar, Ed_NombreLibro, Ed_Subtitulo, SpinImage,
                                   ImagenColorPortada, Btn_Crear, Btn_Cerrar};
    for (QWidget* w : controls)
        w->setEnabled(false);
    NewBook book;
    book.name = name;
    book.subtitle = Ed_Subtitulo->text();
    book.folder = folder_;
    book.group = group;
    book.coverPath = SpinImage->currentIndex() >= 0 ? covers_.value(SpinImage->currentIndex()) : QString();
    book.coverTexture = texture_;
    const LibraryChange change = createBook(ctx(), library, book);
    if (ctx().settings.fatalError) return;
    if (change == LibraryChange::Done) {
        app().saveLibrary();
        main.updateBookLists();
        app().showMessage(ctx().entry(42), MessageKind::Information);
    } else {
        reportFileTrouble(app(), FileTrouble::NotCreated, folder_ + name + QStringLiteral(".tsb"));
    }

    main.updateShelves();
    app().saveLibrary();
    for (QWidget* w : controls)
        w->setEnabled(true);
    applyFolderRule();
    Ed_Subtitulo->clear();
    updateCreate();
    Ed_NombreLibro->selectAll();
    Ed_NombreLibro->setFocus();
}

} // namespace tessera
