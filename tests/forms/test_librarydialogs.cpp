// The library's dialogs and mirrors on the real windows of a started program.
#include "bookfiles/container.h"
#include "forms/shelfbar.h"
#include "forms/tesseraapp.h"
#include "forms/librarydialogs.h"
#include "forms/tpanhadirlibro.h"
#include "forms/tpconfiguracion.h"
#include "forms/tpconsejos.h"
#include "forms/tpeliminarestanteria.h"
#include "forms/tpeliminarlibro.h"
#include "forms/tpmensaje.h"
#include "forms/tpmoverlibro.h"
#include "forms/tpnuevaestanteria.h"
#include "forms/tpnuevolibro.h"
#include "forms/tpprincipal.h"
#include "forms/tprenombrarestanteria.h"
#include "forms/tprenombrarlibro.h"
#include "library/books.h"
#include "library/libraryfiles.h"
#include "support/program.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QUuid>
#include <QtTest>
#include <span>

using namespace tessera;
using namespace tessera::test;

namespace {

// A started single-user program whose message boxes are answered and remembered.
struct LibraryProgram : Program {
    LibraryProgram() { main().show(); }
    TPPrincipal& main() { return app->principal(); }
    Library& lib() { return app->library(); }
    QString entry(int n) { return app->ctx().entry(n); }
    QString books() { return bookFolder(files); }

    // Triggers the menu item and runs the steps once the dialog it opens is ready;
    // false when the dialog never showed.
    template <typename D> bool withDialog(const char* item, std::function<void(D*)> steps) {
        D* dialog = form<D>();
        bool ran = false;
        // The watch ends with this call, so a dialog that never showed leaves nothing behind.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (ran || !ready(dialog)) return;
            ran = true;
            watch.stop();
            steps(dialog);
            if (dialog->isVisible()) dialog->close();
        });
        watch.start(5);
        // The command runs the dialog modally: it has come and gone when trigger returns.
        main().findChild<QAction*>(QLatin1String(item))->trigger();
        return ran;
    }

    // The library as the program would read it from its files now.
    Library onDisk() {
        Library read;
        readLibrary(app->ctx(), read);
        return read;
    }
    bool hasMessage(const QString& text) const {
        for (const QString& m : messages)
            if (m.trimmed() == text.trimmed()) return true;
        return false;
    }
    // A book file in the books folder, entered on the shelf (group index).
    void shelveBook(const QString& name, int group) {
        QVERIFY(makeBook(files, QStringLiteral("books/") + name + QStringLiteral(".tsb")));
        lib().enterBook(name, books(), group);
    }

    QStringList messages;
    AutoAnswer<TPMensaje> answers{[this](TPMensaje* box) {
        messages << box->L_Mensaje->text();
        (box->Btn_Si->isVisible() ? box->Btn_Si : box->Btn_OK)->click();
    }};
};

// Captions of the visible items, in their order.
QStringList shownItems(const std::span<QAction* const> items) {
    QStringList shown;
    for (QAction* item : items)
        if (item->isVisible()) shown << item->text();
    return shown;
}

QList<int> markedShelves(const TPPrincipal& main) {
    QList<int> marked;
    for (int k = 0; k < 10; ++k)
        if (main.shelfMenuItems[k]->isChecked() && main.shelfBarItems[k]->isChecked()) marked << k + 1;
    return marked;
}

// Shelves A..D with books: A holds "a1"; B "b1", "b2"; C "c1", "c2", "c3"; D none.
void stockShelves(LibraryProgram& p) {
    Library& lib = p.lib();
    lib.renameShelf(0, QStringLiteral("A"));
    for (const char* name : {"B", "C", "D"})
        lib.addShelf(QString::fromLatin1(name));
    const QList<std::pair<const char*, int>> books{{"c3", 2}, {"a1", 0}, {"b1", 1}, {"c1", 2}, {"b2", 1}, {"c2", 2}};
    for (const auto& [name, group] : books)
        lib.enterBook(QString::fromLatin1(name), p.books(), group);
    p.main().refreshLibrary();
}

} // namespace

class TestLibraryDialogs : public QObject {
    Q_OBJECT
private slots:
    void oneShelfStyleListsTheClickedShelf();
    void treeStyleListsTheOpenShelves();
    void collapseAllRunsTheBarInTenths();
    void onlyShelfSevenBecomesTheActiveOne();
    void droppedBookIsSavedOnItsNewShelf();
    void tenthShelfClosesTheDialogAndEleventhIsRefused();
    void shelfNames_data();
    void shelfNames();
    void renameShelf();
    void deleteShelf();
    void addThreeFilesOfWhichOneIsTaken();
    void addedLongNameIsCutOnDisk();
    void addedFileMustBeABook();
    void deleteBook_data();
    void deleteBook();
    void renameBook();
    void newBookCarriesTheUserDataAndCover();
    void newBookNames_data();
    void newBookNames();
    void moveBook();
    void bookPermissionsInMultiUserMode();
    void firstStartBringsTheSampleBooks_data();
    void firstStartBringsTheSampleBooks();
};

void TestLibraryDialogs::oneShelfStyleListsTheClickedShelf() {
    LibraryProgram p;
    stockShelves(p);
    p.main().Libreria_Vista->setViewStyle(2);
    QTest::mouseClick(p.main().Libreria_Vista->band(3)->header(), Qt::LeftButton);
    QCOMPARE(p.lib().activeShelf, 3);
    // Slot order: c3 took the first slot, c1 and c2 came later.
    QCOMPARE(shownItems(p.main().bookMenuItems), (QStringList{"c3", "c1", "c2"}));
    QCOMPARE(shownItems(p.main().bookBarItems), (QStringList{"c3", "c1", "c2"}));
    QCOMPARE(markedShelves(p.main()), QList<int>{3});
    QCOMPARE(p.main().Panel_Estanteria->text(), QStringLiteral("C"));
    QCOMPARE(shownItems(p.main().shelfMenuItems), (QStringList{"A", "B", "C", "D"}));

    // A shelf item of the bar makes its shelf the active one too.
    p.main().shelfBarItems[1]->trigger();
    QCOMPARE(shownItems(p.main().bookMenuItems), (QStringList{"b1", "b2"}));
    QCOMPARE(p.main().Panel_Estanteria->text(), QStringLiteral("B"));

    // A book item opens its book: it becomes the current book and its cover shows.
    p.main().Libreria_Vista->setViewStyle(0);
    p.shelveBook(QStringLiteral("real"), 1);
    p.main().updateBookLists();
    const int slot = p.lib().findBookSlot(QStringLiteral("real"));
    p.main().bookMenuItems[slot]->trigger();
    QVERIFY(p.app->bookOpen());
    QCOMPARE(p.lib().entry(p.lib().currentBook).name, QStringLiteral("real"));
    QVERIFY(p.main().Portada_Libro->isVisible());
    QVERIFY(p.log().contains(QStringLiteral("PRC book open: real")));
    // Clicking a shelf closes the open book first.
    QTest::mouseClick(p.main().Libreria_Vista->band(1)->header(), Qt::LeftButton);
    QVERIFY(!p.app->bookOpen());
    QVERIFY(!p.main().Portada_Libro->isVisible());
}

void TestLibraryDialogs::treeStyleListsTheOpenShelves() {
    LibraryProgram p;
    stockShelves(p);
    ShelfBar& bar = *p.main().Libreria_Vista;
    bar.setViewStyle(9);
    p.main().collapseAllShelves();
    for (int shelf : {1, 2})
        QTest::mouseClick(bar.band(shelf)->header(), Qt::LeftButton);
    QVERIFY(bar.isShelfExpanded(1) && bar.isShelfExpanded(2) && !bar.isShelfExpanded(3));
    QCOMPARE(shownItems(p.main().bookMenuItems), (QStringList{"a1", "b1", "b2"}));
    QCOMPARE(markedShelves(p.main()), (QList<int>{1, 2}));
    QCOMPARE(p.main().Panel_Estanteria->text(), QStringLiteral("  -"));

    p.main().expandAllShelves();
    QCOMPARE(shownItems(p.main().bookMenuItems), (QStringList{"c3", "a1", "b1", "c1", "b2", "c2"}));
    QCOMPARE(markedShelves(p.main()), (QList<int>{1, 2, 3, 4}));
}

void TestLibraryDialogs::collapseAllRunsTheBarInTenths() {
    LibraryProgram p;
    stockShelves(p);
    p.main().Libreria_Vista->setViewStyle(10);
    p.main().expandAllShelves();
    QList<int> seen;
    QObject::connect(p.main().Panel_BarraProgreso, &QProgressBar::valueChanged, [&](int v) {
        if (p.main().Panel_Accion->text() == p.entry(121)) seen << v;
    });
    p.main().collapseAllShelves();
    QCOMPARE(seen, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    for (int shelf = 1; shelf <= 4; ++shelf)
        QVERIFY(!p.main().Libreria_Vista->isShelfExpanded(shelf));
    QVERIFY(shownItems(p.main().bookMenuItems).isEmpty());
}

void TestLibraryDialogs::onlyShelfSevenBecomesTheActiveOne() {
    LibraryProgram p;
    ShelfLayout& layout = p.lib().layout;
    for (ShelfGroup& group : layout.groups)
        group.visible = false;
    layout.groups[6] = ShelfGroup{QStringLiteral("Siete"), true};
    p.lib().setActiveShelf(0);
    p.main().Libreria_Vista->setViewStyle(1);
    p.main().activateFirstShelf();
    QCOMPARE(p.lib().activeShelf, 7);
    QCOMPARE(p.main().Panel_Estanteria->text(), QStringLiteral("Siete"));
    QCOMPARE(markedShelves(p.main()), QList<int>{7});
}

void TestLibraryDialogs::droppedBookIsSavedOnItsNewShelf() {
    LibraryProgram p;
    p.lib().addShelf(QStringLiteral("Second"));
    p.shelveBook(QStringLiteral("Viajero"), 0);
    p.main().Libreria_Vista->setViewStyle(3);
    p.main().refreshLibrary();
    p.app->saveLibrary();
    ShelfBand* target = p.main().Libreria_Vista->band(2);
    QMimeData* data = ShelfBar::bookMimeData(p.lib().findBookSlot(QStringLiteral("Viajero")));
    const QPoint at = target->header()->geometry().center();
    QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(QPointF(at), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    delete data;
    QVERIFY(dropped.isAccepted());
    QCOMPARE(p.onDisk().booksOnShelf(1), QStringList{"Viajero"});
    QCOMPARE(p.lib().activeShelf, 2);
    QCOMPARE(shownItems(p.main().bookMenuItems), QStringList{"Viajero"});
}

void TestLibraryDialogs::tenthShelfClosesTheDialogAndEleventhIsRefused() {
    LibraryProgram p;
    for (int k = 2; k <= 9; ++k)
        p.lib().addShelf(QStringLiteral("Shelf %1").arg(k));
    p.main().refreshLibrary();
    bool closed = false;
    QVERIFY(p.withDialog<TPNuevaEstanteria>("Submenu_Est_Nueva", [&](TPNuevaEstanteria* d) {
        QTest::keyClicks(d->Edit, QStringLiteral("  Tenth  "));
        QVERIFY(d->Bt_ok->isEnabled());
        d->Bt_ok->click();
        closed = !d->isVisible();
    }));
    QVERIFY(closed);
    QVERIFY(p.hasMessage(p.entry(6)));
    QCOMPARE(p.lib().countShelves(), 10);
    // Trimmed, saved at once, and in the menus.
    QCOMPARE(p.onDisk().layout.groups[9].caption, QStringLiteral("Tenth"));
    QVERIFY(p.onDisk().layout.groups[9].visible);
    QCOMPARE(p.main().shelfMenuItems[9]->text(), QStringLiteral("Tenth"));
    QVERIFY(p.main().shelfMenuItems[9]->isVisible());
    QVERIFY(p.main().Libreria_Vista->band(10)->isVisible());
    QCOMPARE(p.main().Libreria_Vista->band(10)->header()->text(), QStringLiteral("Tenth"));

    p.messages.clear();
    QVERIFY(!p.withDialog<TPNuevaEstanteria>("Barra_Lib_Est_Nueva", [](TPNuevaEstanteria*) {}));
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(p.hasMessage(p.entry(6)));
    QCOMPARE(p.log().count(QStringLiteral("ACT NEW SH")), 1);
}

void TestLibraryDialogs::shelfNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::newRow("taken in other capitals") << "ÉSTANTERIA" << "E7";
    QTest::newRow("only blanks") << "    " << "blank";
    QTest::newRow("new") << "Idiomas" << "";
}

void TestLibraryDialogs::shelfNames() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    LibraryProgram p;
    p.lib().renameShelf(0, QStringLiteral("éstanteria"));
    p.main().refreshLibrary();
    const Library before = p.onDisk();
    QVERIFY(p.withDialog<TPNuevaEstanteria>("Submenu_Est_Nueva", [&](TPNuevaEstanteria* d) {
        QTest::keyClicks(d->Edit, typed);
        d->Bt_ok->click();
        if (!message.isEmpty()) {
            QVERIFY(!d->Bt_ok->isEnabled());
            QCOMPARE(d->Edit->selectedText(), d->Edit->text());
        }
    }));
    if (message.isEmpty()) {
        QCOMPARE(p.lib().countShelves(), 2);
        QCOMPARE(p.onDisk().layout.groups[1].caption, typed);
        QVERIFY(p.log().contains(QStringLiteral("DES NEW SH")));
        return;
    }
    QCOMPARE(p.lib().countShelves(), 1);
    QCOMPARE(p.onDisk().layout, before.layout);
    QVERIFY(p.hasMessage(message == "E7" ? p.entry(7) : nameProblemText(NameProblem::Blank, 0)));
}

void TestLibraryDialogs::renameShelf() {
    LibraryProgram p;
    stockShelves(p);
    QVERIFY(p.withDialog<TPRenombrarEstanteria>("Submenu_Est_Renombrar", [&](TPRenombrarEstanteria* d) {
        QCOMPARE(d->Edit->text(), QStringLiteral("A"));
        QVERIFY(!d->Bt_ok->isEnabled());
        d->ComboBox1->setCurrentIndex(1);
        QCOMPARE(d->Edit->text(), QStringLiteral("B"));
        // The shelf's own name in other capitals is taken.
        d->Edit->setText(QStringLiteral("b"));
        QVERIFY(d->Bt_ok->isEnabled());
        d->Bt_ok->click();
        QVERIFY(p.hasMessage(p.entry(7)));
        QCOMPARE(p.lib().layout.groups[1].caption, QStringLiteral("B"));
        d->Edit->setText(QStringLiteral("Bees"));
        d->Bt_ok->click();
        QCOMPARE(d->ComboBox1->itemText(1), QStringLiteral("Bees"));
    }));
    QCOMPARE(p.onDisk().layout.groups[1].caption, QStringLiteral("Bees"));
    QCOMPARE(p.main().shelfBarItems[1]->text(), QStringLiteral("Bees"));
    QCOMPARE(p.main().Libreria_Vista->band(2)->header()->text(), QStringLiteral("Bees"));
    QVERIFY(p.log().contains(QStringLiteral("ACT RN SH")));
}

void TestLibraryDialogs::deleteShelf() {
    LibraryProgram p;
    stockShelves(p);
    p.lib().setActiveShelf(4);
    QVERIFY(p.withDialog<TPEliminarEstanteria>("Barra_Lib_Est_Eliminar", [&](TPEliminarEstanteria* d) {
        d->ComboBox1->setCurrentIndex(2); // C holds books
        d->Bt_ok->click();
        QVERIFY(p.hasMessage(p.entry(9)));
        QCOMPARE(d->ComboBox1->count(), 4);
        QCOMPARE(d->Bt_Cancel->text(), p.entry(73));
        d->ComboBox1->setCurrentIndex(3); // D is empty and active
        d->Bt_ok->click();
        QCOMPARE(d->ComboBox1->count(), 3);
    }));
    QCOMPARE(p.lib().countShelves(), 3);
    QVERIFY(!p.onDisk().layout.groups[3].visible);
    // The deleted group keeps its name for the next shelf to take.
    QCOMPARE(p.lib().layout.groups[3].caption, QStringLiteral("D"));
    QCOMPARE(p.lib().activeShelf, 1);
    QVERIFY(!p.main().shelfMenuItems[3]->isVisible());
    QVERIFY(p.log().contains(QStringLiteral("ACT ADDSH")));

    // Down to one shelf, the command refuses before the dialog.
    p.lib().layout.groups[1].links.clear();
    p.lib().layout.groups[2].links.clear();
    p.lib().deleteShelf(1);
    p.lib().deleteShelf(2);
    p.messages.clear();
    QVERIFY(!p.withDialog<TPEliminarEstanteria>("Submenu_Est_Eliminar", [](TPEliminarEstanteria*) {}));
    QVERIFY(p.hasMessage(p.entry(2)));
}

void TestLibraryDialogs::addThreeFilesOfWhichOneIsTaken() {
    LibraryProgram p;
    p.lib().addShelf(QStringLiteral("Second"));
    for (const char* name : {"one", "two", "three"})
        QVERIFY(makeBook(p.files, QStringLiteral("books/%1.tsb").arg(QLatin1String(name))));
    p.shelveBook(QStringLiteral("ONE"), 0); // only the letter case differs: not taken
    QVERIFY(makeBook(p.files, QStringLiteral("other/two.tsb")));
    p.lib().enterBook(QStringLiteral("two"), bookFolder(p.files, QStringLiteral("other")), 0);
    p.main().refreshLibrary();
    const QStringList chosen{p.books() + "one.tsb", p.books() + "two.tsb", p.books() + "three.tsb"};
    QVERIFY(p.withDialog<TPAnhadirLibro>("Submenu_Anhadir_Libro", [&](TPAnhadirLibro* d) {
        QVERIFY(!d->Btn_Abrir->isEnabled());
        d->chooseFiles = [&](const QString& title, const QString&) {
            return title == p.entry(312) ? chosen : QStringList();
        };
        d->Btn_Cambiar->click();
        QVERIFY(d->Btn_Abrir->isEnabled());
        d->ComboBox1->setCurrentIndex(1);
        d->Btn_Abrir->click();
        QVERIFY(d->L_Nombre->text().isEmpty());
    }));
    QVERIFY(p.hasMessage(p.entry(10) + QStringLiteral("two")));
    QVERIFY(p.hasMessage(p.entry(50)));
    QCOMPARE(p.lib().booksOnShelf(1), (QStringList{"one", "three"}));
    const Library disk = p.onDisk();
    QCOMPARE(disk.booksOnShelf(1), (QStringList{"one", "three"}));
    QCOMPARE(disk.entry(disk.firstBookEntry(QStringLiteral("one"))).folder, p.books());
    // Their covers came out of the containers.
    const int slot = p.lib().findBookSlot(QStringLiteral("three"));
    QVERIFY(p.lib().layout.bookSlots[slot].largeImageIndex >= 0);
}

void TestLibraryDialogs::addedLongNameIsCutOnDisk() {
    LibraryProgram p;
    const QString longName = QStringLiteral("Vocabulario de la primavera 26"); // 30 characters
    QVERIFY(makeBook(p.files, QStringLiteral("books/") + longName + QStringLiteral(".tsb")));
    QVERIFY(p.withDialog<TPAnhadirLibro>("Barra_Lib_Anhadir_Libro", [&](TPAnhadirLibro* d) {
        d->setChosenFiles({p.books() + longName + QStringLiteral(".tsb")});
        d->Btn_Abrir->click();
    }));
    const QString cut = longName.left(24);
    QVERIFY(QFileInfo::exists(p.books() + cut + QStringLiteral(".tsb")));
    QVERIFY(!QFileInfo::exists(p.books() + longName + QStringLiteral(".tsb")));
    QCOMPARE(p.onDisk().booksOnShelf(0), QStringList{cut});
    QVERIFY(p.hasMessage(p.entry(48)));
}

void TestLibraryDialogs::addedFileMustBeABook() {
    LibraryProgram p;
    p.files.write(QStringLiteral("books/notes.tsb"), QByteArray(4096, 'x'));
    QVERIFY(p.withDialog<TPAnhadirLibro>("Submenu_Anhadir_Libro", [&](TPAnhadirLibro* d) {
        d->setChosenFiles({p.books() + QStringLiteral("notes.tsb")});
        d->Btn_Abrir->click();
    }));
    QCOMPARE(p.lib().countBooks(), 0);
    QVERIFY(p.hasMessage(fileTroubleText(FileTrouble::NotABook, 0, p.books() + QStringLiteral("notes.tsb"))));
    QVERIFY(!p.hasMessage(p.entry(48)));
}

void TestLibraryDialogs::deleteBook_data() {
    QTest::addColumn<bool>("deleteFile");
    QTest::newRow("file kept") << false;
    QTest::newRow("file deleted") << true;
}

void TestLibraryDialogs::deleteBook() {
    QFETCH(bool, deleteFile);
    LibraryProgram p;
    p.lib().addShelf(QStringLiteral("Second"));
    p.shelveBook(QStringLiteral("keep"), 1);
    p.shelveBook(QStringLiteral("gone"), 1);
    p.main().refreshLibrary();
    QVERIFY(p.withDialog<TPEliminarLibro>("Submenu_Libro_Eliminar", [&](TPEliminarLibro* d) {
        QVERIFY(!d->EliminarFichero->isChecked());
        QVERIFY(!d->Bt_ok->isEnabled()); // the first shelf has no books
        d->ComboBox1->setCurrentIndex(1);
        QCOMPARE(d->ComboBox2->count(), 2);
        d->ComboBox2->setCurrentIndex(1);
        if (deleteFile) d->EliminarFichero->click();
        d->Bt_ok->click();
        QCOMPARE(d->ComboBox2->count(), 1);
        QVERIFY(!d->EliminarFichero->isChecked());
    }));
    QVERIFY(p.hasMessage(p.entry(43)));
    QCOMPARE(QFileInfo::exists(p.books() + QStringLiteral("gone.tsb")), !deleteFile);
    QVERIFY(QFileInfo::exists(p.books() + QStringLiteral("keep.tsb")));
    QCOMPARE(p.onDisk().booksOnShelf(1), QStringList{"keep"});
}

void TestLibraryDialogs::renameBook() {
    LibraryProgram p;
    p.shelveBook(QStringLiteral("Química"), 0);
    p.shelveBook(QStringLiteral("Física"), 0);
    p.main().refreshLibrary();
    QVERIFY(p.withDialog<TPRenombrarLibro>("Submenu_Libro_Renombrar", [&](TPRenombrarLibro* d) {
        QCOMPARE(d->Edit->text(), QStringLiteral("Química"));
        // The accented letter in capitals is the same name.
        d->Edit->setText(QStringLiteral("QUÍMICA"));
        d->Bt_ok->click();
        QVERIFY(p.hasMessage(p.entry(11)));
        QVERIFY(!d->Bt_ok->isEnabled());
        d->ComboBox2->setCurrentIndex(1);
        d->Edit->setText(QStringLiteral("Física II"));
        d->Bt_ok->click();
        QVERIFY(d->Edit->text().isEmpty());
    }));
    QVERIFY(QFileInfo::exists(p.books() + QStringLiteral("Física II.tsb")));
    QVERIFY(!QFileInfo::exists(p.books() + QStringLiteral("Física.tsb")));
    QCOMPARE(p.onDisk().booksOnShelf(0), (QStringList{"Química", "Física II"}));
    const int slot = p.lib().findBookSlot(QStringLiteral("Física II"));
    QVERIFY(p.main().bookMenuItems[slot]->isVisible());
    QCOMPARE(p.main().bookMenuItems[slot]->text(), QStringLiteral("Física II"));
}

void TestLibraryDialogs::newBookCarriesTheUserDataAndCover() {
    LibraryProgram p;
    p.files.install({QStringLiteral("covers/03_forest_tree.bmp"), QStringLiteral("covers/07_slate_globe.bmp"),
                     QStringLiteral("image_p.bmp")});
    QVERIFY(QFile::copy(QStringLiteral(TESSERA_APP_BUILD_DIR "/empty.ts_"), p.files.path(QStringLiteral("empty.ts_"))));
    QVERIFY(QDir().mkpath(p.books()));
    Settings& s = p.app->ctx().settings;
    s.userName = QStringLiteral("Ana Autora");
    s.userDetails = QStringLiteral("Profesora de química");
    s.userEmail = QStringLiteral("ana@example.org");
    s.protectUserData = true;
    s.userDataPassword = QStringLiteral("clave");
    p.lib().addShelf(QStringLiteral("Second"));
    p.main().refreshLibrary();
    QVERIFY(p.withDialog<TPNuevoLibro>("Submenu_Libro_Nuevo", [&](TPNuevoLibro* d) {
        QVERIFY(!d->Ed_NombreLibro->isEnabled());
        QCOMPARE(d->SpinImage->count(), 2);
        d->chooseFolder = [&](const QString& title, const QString&) {
            return title == p.entry(332) ? p.books() : QString();
        };
        d->Btn_Cambiar->click();
        QVERIFY(d->Ed_NombreLibro->isEnabled());
        d->ComboBox1->setCurrentIndex(1);
        QTest::keyClicks(d->Ed_NombreLibro, QStringLiteral(" Mi libro "));
        QTest::keyClicks(d->Ed_Subtitulo, QStringLiteral("Primer curso"));
        d->SpinImage->setCurrentIndex(1);
        d->setCoverTexture(7);
        d->Btn_Crear->click();
        QVERIFY(d->Ed_Subtitulo->text().isEmpty());
    }));
    QVERIFY2(p.hasMessage(p.entry(42)), qPrintable(p.messages.join(" | ")));
    const QString path = p.books() + QStringLiteral("Mi libro.tsb");
    QCOMPARE(p.onDisk().booksOnShelf(1), QStringList{"Mi libro"});

    QProcess tool;
    tool.start(QStringLiteral(TESSERA_APP_BUILD_DIR "/tessera-book"), {QStringLiteral("info"), path});
    QVERIFY(tool.waitForFinished(20000));
    QCOMPARE(tool.exitCode(), 0);
    const QString info = QString::fromUtf8(tool.readAllStandardOutput());
    for (const char* expected : {"Ana Autora", "Profesora de química", "ana@example.org", "Primer curso"})
        QVERIFY2(info.contains(QString::fromUtf8(expected)), qPrintable(info));

    const auto unpacked = unpackBook(p.app->ctx(), path, UnpackMode::HeaderOnly);
    QVERIFY(unpacked);
    QCOMPARE(p.files.read(QStringLiteral("image.bmp")), p.files.read(QStringLiteral("covers/07_slate_globe.bmp")));
    QCOMPARE(unpacked->header.author, QStringLiteral("Ana Autora"));
    QVERIFY(unpacked->header.isProtected);
    QCOMPARE(unpacked->header.password, QStringLiteral("clave"));
    QCOMPARE(int(unpacked->header.coverDesign), 7);
    QCOMPARE(unpacked->header.title, QStringLiteral("Primer curso"));
}

void TestLibraryDialogs::newBookNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("taken") << "Existing" << "E11";
    QTest::newRow("file in the way") << "stray" << "E12";
    QTest::newRow("climbs out") << "../outside" << "separator";
    QTest::newRow("only blanks") << "   " << "blank";
}

void TestLibraryDialogs::newBookNames() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    LibraryProgram p;
    p.files.install({QStringLiteral("image_p.bmp")});
    QFile::copy(QStringLiteral(TESSERA_APP_BUILD_DIR "/empty.ts_"), p.files.path(QStringLiteral("empty.ts_")));
    QVERIFY(makeBook(p.files, QStringLiteral("other/Existing.tsb")));
    p.lib().enterBook(QStringLiteral("Existing"), bookFolder(p.files, QStringLiteral("other")), 0);
    p.files.write(QStringLiteral("books/stray.tsb"), "not a book");
    p.main().refreshLibrary();
    const QStringList before = QDir(p.books()).entryList(QDir::Files);
    QVERIFY(p.withDialog<TPNuevoLibro>("Barra_Lib_Libro_Nuevo", [&](TPNuevoLibro* d) {
        d->setFolder(p.books());
        d->Ed_NombreLibro->setText(name);
        d->Btn_Crear->click();
        QVERIFY(!d->Btn_Crear->isEnabled());
    }));
    const QString expected = message == "E11"         ? p.entry(11)
                             : message == "E12"       ? p.entry(12)
                             : message == "separator" ? nameProblemText(NameProblem::PathSeparator, 0)
                                                      : nameProblemText(NameProblem::Blank, 0);
    QVERIFY2(p.hasMessage(expected), qPrintable(p.messages.join(" | ")));
    QCOMPARE(p.lib().countBooks(), 1);
    QCOMPARE(QDir(p.books()).entryList(QDir::Files), before);
    QVERIFY(!QFileInfo::exists(p.files.path(QStringLiteral("outside.tsb"))));
}

void TestLibraryDialogs::moveBook() {
    LibraryProgram p;
    p.shelveBook(QStringLiteral("Viajero"), 0);
    p.main().refreshLibrary();
    p.main().bookMenuItems[p.lib().findBookSlot(QStringLiteral("Viajero"))]->trigger();
    QVERIFY(p.app->bookOpen());
    const QString target = bookFolder(p.files, QStringLiteral("moved"));
    QDir().mkpath(target);
    TPMoverLibro* dialog = p.form<TPMoverLibro>();
    auto ran = whenShown<TPMoverLibro>([&](TPMoverLibro* d) {
        QVERIFY(!d->Btn_Mover->isEnabled());
        // Its own folder: nothing moves and nothing is lost.
        d->setNewFolder(p.books());
        d->Btn_Mover->click();
        QVERIFY(QFileInfo::exists(p.books() + QStringLiteral("Viajero.tsb")));
        d->chooseFolder = [&](const QString&, const QString&) { return target; };
        d->Btn_Cambiar->click();
        d->Btn_Mover->click();
        QCOMPARE(d->Btn_Cancelar->text(), p.entry(73));
        d->close();
    });
    dialog->exec();
    QVERIFY(*ran);
    QVERIFY(p.hasMessage(p.entry(44)));
    QVERIFY(QFileInfo::exists(target + QStringLiteral("Viajero.tsb")));
    QVERIFY(!QFileInfo::exists(p.books() + QStringLiteral("Viajero.tsb")));
    const Library disk = p.onDisk();
    QCOMPARE(disk.entry(disk.firstBookEntry(QStringLiteral("Viajero"))).folder, target);
}

void TestLibraryDialogs::bookPermissionsInMultiUserMode() {
    LibraryProgram p;
    Settings& s = p.app->ctx().settings;
    const auto enabled = [&](const char* item) { return p.main().findChild<QAction*>(QLatin1String(item))->isEnabled(); };
    s.singleUser = false;
    s.userFolder = QStringLiteral("user_000001");
    p.main().applyBookPermissions();
    QVERIFY(enabled("Submenu_Anhadir_Libro") && enabled("Barra_Lib_Anhadir_Libro"));
    QVERIFY(!enabled("Submenu_Libro_Eliminar") && !enabled("Barra_Lib_Libro_Eliminar"));
    QVERIFY(!enabled("Submenu_Libro_Renombrar") && !enabled("Barra_Lib_Libro_Renombrar"));
    s.usersMayRenameBooks = true;
    s.usersMayAddBooks = false;
    p.main().applyBookPermissions();
    QVERIFY(enabled("Submenu_Libro_Renombrar") && !enabled("Submenu_Anhadir_Libro"));
    // A user's new books go into the user folder; assigned books are not added by hand.
    s.usersMayAddBooks = true;
    p.main().applyBookPermissions();
    s.netDataDir = bookFolder(p.files, QStringLiteral("t_users"));
    const QString userFolder = s.netDataDir + QStringLiteral("user_000001") + QDir::separator();
    QVERIFY(p.withDialog<TPNuevoLibro>("Submenu_Libro_Nuevo", [&](TPNuevoLibro* d) {
        QVERIFY(!d->Btn_Cambiar->isEnabled());
        QCOMPARE(d->folder(), userFolder);
        QVERIFY(d->Ed_NombreLibro->isEnabled());
    }));
    QVERIFY(makeBook(p.files, QStringLiteral("t_users/books/assigned.tsb")));
    QVERIFY(makeBook(p.files, QStringLiteral("own/mine.tsb")));
    QVERIFY(p.withDialog<TPAnhadirLibro>("Submenu_Anhadir_Libro", [&](TPAnhadirLibro* d) {
        d->setChosenFiles({s.netDataDir + QStringLiteral("books/assigned.tsb")});
        QVERIFY(!d->Btn_Abrir->isEnabled());
        d->setChosenFiles({bookFolder(p.files, QStringLiteral("own")) + QStringLiteral("mine.tsb")});
        QVERIFY(d->Btn_Abrir->isEnabled());
    }));

    s.userFolder = QStringLiteral("admin");
    p.main().applyBookPermissions();
    QVERIFY(enabled("Submenu_Anhadir_Libro") && enabled("Submenu_Libro_Eliminar"));
    QVERIFY(p.withDialog<TPNuevoLibro>("Barra_Lib_Libro_Nuevo", [](TPNuevoLibro* d) {
        QVERIFY(d->Btn_Cambiar->isEnabled());
        QVERIFY(d->folder().isEmpty());
    }));
    s.singleUser = true;
}

void TestLibraryDialogs::firstStartBringsTheSampleBooks_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("books");
    QTest::newRow("Spanish") << "B_Espanhol" << QStringList{"Autoescuela", "Tabla periódica", "Países del mundo"};
    QTest::newRow("English") << "B_Ingles"
                             << QStringList{"Periodic table", "Spanish vocabulary I", "Countries of the world"};
    QTest::newRow("Portuguese") << "B_Portugues"
                                << QStringList{"Spanish vocabulary I", "Tabla periódica", "Países del mundo"};
}

void TestLibraryDialogs::firstStartBringsTheSampleBooks() {
    QFETCH(QString, language);
    QFETCH(QStringList, books);
    TempApp files;
    files.install(programFiles());
    QDir().mkpath(files.path(QStringLiteral("books")));
    for (const QString& book : QDir(QStringLiteral(TESSERA_APP_BUILD_DIR "/books")).entryList({"*.tsb"}))
        QVERIFY(QFile::copy(QStringLiteral(TESSERA_APP_BUILD_DIR "/books/") + book,
                            files.path(QStringLiteral("books/") + book)));
    QStringList messages;
    AutoAnswer<TPMensaje> answers([&](TPMensaje* box) {
        messages << box->windowTitle() + QLatin1Char('|') + box->L_Mensaje->text().trimmed();
        if (box->Btn_OK->isEnabled()) (box->Btn_Si->isVisible() ? box->Btn_Si : box->Btn_OK)->click();
    });
    AutoAnswer<TPConsejos> advice([](TPConsejos* window) { window->close(); });
    TipCloser tips;
    whenShown<TPConfiguracion>([&](TPConfiguracion* wizard) {
        wizard->findChild<QToolButton*>(language)->click();
        for (int page = 0; page < 4; ++page)
            wizard->Btn_OKClick();
    });
    TesseraApp app(files.dir.path(), QUuid::createUuid().toString(), 0.0);
    QVERIFY(app.startUp());
    QCOMPARE(app.library().booksOnShelf(0), books);
    QCOMPARE(shownItems(app.principal().bookMenuItems).size(), 3);
    QVERIFY(inOrder(files.logLines(), {"ACT MSS", "MIN add fsb"}));
    QVERIFY(messages.contains(app.ctx().entry(308) + QLatin1Char('|') + app.ctx().entry(134) + "\n\n" +
                              app.ctx().entry(60)));
    QVERIFY(messages.last().endsWith(QLatin1Char('|') + app.ctx().entry(49)));
    Library disk;
    readLibrary(app.ctx(), disk);
    QCOMPARE(disk.booksOnShelf(0), books);
}

QTEST_MAIN(TestLibraryDialogs)
#include "test_librarydialogs.moc"
