// The application's library commands: the menus and bar items that open the library
// dialogs, the opening of a book from the library, and the sample books of a first start.
#include "bookfiles/container.h"
#include "forms/languageapply.h"
#include "forms/tesseraapp.h"
#include "forms/tpanhadirlibro.h"
#include "forms/tpeliminarestanteria.h"
#include "forms/tpeliminarlibro.h"
#include "forms/tpmensaje.h"
#include "forms/tpmoverlibro.h"
#include "forms/tpnuevaestanteria.h"
#include "forms/tpnuevolibro.h"
#include "forms/tpprincipal.h"
#include "forms/tprenombrarestanteria.h"
#include "forms/tprenombrarlibro.h"
#include "library/librarypause.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tessera {

using namespace shelves;

void TesseraApp::libraryCommand(const std::function<void()>& body) {
    if (ctx_.settings.eventsEnabled != 1) return;
    const LibraryBusy busy(ctx_.settings);
    body();
    showSuggestion(0, true);
}

void TesseraApp::connectLibraryCommands() {
    TPPrincipal& main = *principal_;
    const auto refuseUnless = [this](bool condition, int entry) {
        if (!condition) showMessage(ctx_.entry(entry), MessageKind::Error);
        return condition;
    };
    struct Command {
        const char* menuItem;
        const char* barItem;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"Submenu_Est_Nueva", "Barra_Lib_Est_Nueva",
         [=, this] {
             libraryCommand([=, this] {
                 if (refuseUnless(library_.countShelves() < ShelfCount, 6)) nuevaEstanteria_->exec();
             });
         }},
        {"Submenu_Est_Eliminar", "Barra_Lib_Est_Eliminar",
         [=, this] {
             libraryCommand([=, this] {
                 if (refuseUnless(library_.countShelves() >= 2, 2)) eliminarEstanteria_->exec();
             });
         }},
        {"Submenu_Est_Renombrar", "Barra_Lib_Est_Renombrar",
         [=, this, &main] {
             libraryCommand([=, this, &main] {
                 if (!refuseUnless(library_.countShelves() >= 1, 3)) return;
                 renombrarEstanteria_->exec();
                 main.updateShelfMarks();
             });
         }},
        {"Submenu_Libro_Nuevo", "Barra_Lib_Libro_Nuevo",
         [=, this] {
             libraryCommand([=, this] {
                 if (refuseUnless(library_.countBooks() < SlotCount, 4)) nuevoLibro_->exec();
             });
         }},
        {"Submenu_Anhadir_Libro", "Barra_Lib_Anhadir_Libro",
         [=, this] {
             libraryCommand([=, this] {
                 if (!refuseUnless(library_.countBooks() < SlotCount, 4)) return;
                 ctx_.delay(1);
                 anhadirLibro_->exec();
             });
         }},
        {"Submenu_Libro_Eliminar", "Barra_Lib_Libro_Eliminar",
         [this] {
             libraryCommand([this] {
                 closeOpenBook();
                 eliminarLibro_->exec();
             });
         }},
        {"Submenu_Libro_Renombrar", "Barra_Lib_Libro_Renombrar",
         [this] {
             // Renaming leaves the events-enabled flag as it is.
             if (ctx_.settings.eventsEnabled != 1) return;
             closeOpenBook();
             renombrarLibro_->exec();
             showSuggestion(0, true);
         }},
    };
    for (const Command& command : commands) {
        for (const char* name : {command.menuItem, command.barItem})
            if (auto* item = ownControl<QAction>(&main, QLatin1String(name)))
                connect(item, &QAction::triggered, this, command.run);
    }
    // The open book's information page moves its file.
    if (auto* move = ownControl<QPushButton>(&main, QStringLiteral("Btn_Mover"))) {
        connect(move, &QPushButton::clicked, this, [this, &main] {
            moverLibro_->exec();
            if (auto* folder = ownControl<QLabel>(&main, QStringLiteral("Ed_Dir"))) {
                const QString path = library_.currentBook >= 1 ? library_.entry(library_.currentBook).folder
                                                                : QString();
                folder->setText(folder->fontMetrics().elidedText(path, Qt::ElideMiddle, folder->width()));
            }
        });
    }
    main.applyBookPermissions();
}

void TesseraApp::openBook(const QString& name) {
    Settings& s = ctx_.settings;
    if (s.eventsEnabled != 1) return;
    const int number = library_.firstBookEntry(name);
    if (number == 0) return;
    s.eventsEnabled = 0;
    if (bookOpen_) {
        closeOpenBook();
        ctx_.delay(350);
    }
    principal_->Panel_Libro->setText(name);
    ctx_.log(QStringLiteral("PRC book open: ") + name);
    library_.currentBook = number;
    const auto unpacked = unpackBook(ctx_, library_.entry(number).containerPath(), UnpackMode::Full);
    if (!unpacked || s.fatalError) {
        principal_->Panel_Libro->clear();
        if (!s.fatalError) s.eventsEnabled = 1;
        return;
    }
    // The closed book shows its cover picture, or its shelf icon when it has none.
    QPixmap cover(ctx_.appFile(QStringLiteral("cover.jpg")));
    if (cover.isNull()) cover.load(ctx_.appFile(QStringLiteral("image.bmp")));
    principal_->Portada_Libro_Imagen->setPixmap(cover);
    principal_->Portada_Libro->show();
    bookOpen_ = true;
    moverLibro_->showCurrentFolder();
    s.eventsEnabled = 1;
}

void TesseraApp::closeOpenBook() {
    if (!bookOpen_) return;
    // Nothing of the book can change yet, so its container stays as it is.
    deleteWorkingFiles(ctx_);
    principal_->Portada_Libro->hide();
    principal_->Portada_Libro_Imagen->clear();
    principal_->Panel_Libro->clear();
    bookOpen_ = false;
}

void TesseraApp::addSampleBooks() {
    static const char* const Samples[3][3] = {
        {"Autoescuela.tsb", "Tabla periódica.tsb", "Países del mundo.tsb"},
        {"Periodic table.tsb", "Spanish vocabulary I.tsb", "Countries of the world.tsb"},
        {"Spanish vocabulary I.tsb", "Tabla periódica.tsb", "Países del mundo.tsb"},
    };
    Settings& s = ctx_.settings;
    const int language = std::clamp(s.currentLanguage, 0, 2);
    mensaje_->showNotice(ctx_.entry(134) + QStringLiteral("\n\n") + ctx_.entry(60), MessageKind::Information);
    mensaje_->setWindowTitle(ctx_.entry(308));
    QStringList files;
    for (const char* name : Samples[language]) {
        const QString path = ctx_.appFile(QStringLiteral("books/") + QString::fromUtf8(name));
        if (QFileInfo::exists(path)) files << path;
    }
    s.eventsEnabled = 0;
    if (!files.isEmpty()) anhadirLibro_->addFilesToFirstShelf(files);
    s.eventsEnabled = 1;
}

} // namespace tessera
