#include "library/books.h"
#include "library/librarybooks.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
struct Shelved : TempApp {
    Shelved() {
        lib.addShelf(QStringLiteral("Uno"));
        lib.addShelf(QStringLiteral("Dos"));
    }
    QString books() const { return bookFolder(*this); }
    // A container in books/ entered on shelf Uno.
    void shelve(const QString& name) {
        QVERIFY(makeBook(*this, QStringLiteral("books/") + name + QStringLiteral(".tsb")));
        QCOMPARE(lib.enterBook(name, books(), 0), LibraryChange::Done);
    }
    Library lib;
};
} // namespace

class TestLibraryChanges : public QObject {
    Q_OBJECT
private slots:
    void bookNames_data();
    void bookNames();
    void nameKeyCapitalisesAccents();
    void shelfChanges_data();
    void shelfChanges();
    void shelfLimits();
    void addedFileMustBeABook_data();
    void addedFileMustBeABook();
    void addedLongNameRenamesTheFile();
    void addedNamesCompareExactly();
    void renameBook_data();
    void renameBook();
    void renameThatFailsOnDiskChangesNothing();
    void moveBook();
    void moveToItsOwnFolderDoesNothing();
    void deleteBookKeepsOrDeletesTheFile_data();
    void deleteBookKeepsOrDeletesTheFile();
};

void TestLibraryChanges::bookNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("problem");
    const auto row = [](const char* tag, const QString& name, NameProblem p) {
        QTest::newRow(tag) << name << int(p);
    };
    row("plain", QStringLiteral("Química orgánica"), NameProblem::None);
    row("24 characters", QString(24, QLatin1Char('x')), NameProblem::None);
    row("dots inside", QStringLiteral("v1.2 final"), NameProblem::None);
    row("empty", QString(), NameProblem::Blank);
    row("only blanks", QStringLiteral("    "), NameProblem::Blank);
    row("25 characters", QString(25, QLatin1Char('x')), NameProblem::TooLong);
    row("slash", QStringLiteral("a/b"), NameProblem::PathSeparator);
    row("backslash", QStringLiteral("..\\b"), NameProblem::PathSeparator);
    row("parent folder", QStringLiteral(".."), NameProblem::ParentFolder);
    row("two dots inside", QStringLiteral("a..b"), NameProblem::ParentFolder);
    row("colon", QStringLiteral("C:libro"), NameProblem::ForbiddenCharacter);
    row("question mark", QStringLiteral("¿Qué?"), NameProblem::ForbiddenCharacter);
    row("tab", QStringLiteral("a\tb"), NameProblem::ForbiddenCharacter);
    row("trailing dot", QStringLiteral("Libro."), NameProblem::ForbiddenCharacter);
    row("trailing blank", QStringLiteral("Libro "), NameProblem::ForbiddenCharacter);
    row("device name", QStringLiteral("con"), NameProblem::ForbiddenCharacter);
    row("device name with extension", QStringLiteral("LPT1.txt"), NameProblem::ForbiddenCharacter);
    row("not a device", QStringLiteral("CONSOLA"), NameProblem::None);
    row("not Windows-1252", QStringLiteral("книга"), NameProblem::NotWindows1252);
}

void TestLibraryChanges::bookNames() {
    QFETCH(QString, name);
    QFETCH(int, problem);
    QCOMPARE(int(bookNameProblem(name)), problem);
    for (int language = 0; language < 3; ++language)
        QCOMPARE(nameProblemText(NameProblem(problem), language).isEmpty(),
                 problem == int(NameProblem::None));
}

void TestLibraryChanges::nameKeyCapitalisesAccents() {
    QCOMPARE(nameKey(QStringLiteral("àéíõüçñ zß1å")), QStringLiteral("ÀÉÍÕÜÇÑ Zß1å"));
}

void TestLibraryChanges::shelfChanges_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("change");
    QTest::addColumn<QStringList>("shelves");
    QTest::newRow("new shelf is trimmed")
        << "add"
        << "  Tres " << int(LibraryChange::Done) << QStringList{"Uno", "Dos", "Tres"};
    QTest::newRow("new shelf of blanks")
        << "add"
        << "   " << int(LibraryChange::BadName) << QStringList{"Uno", "Dos"};
    QTest::newRow("new shelf taken in capitals")
        << "add"
        << "DOS" << int(LibraryChange::Taken) << QStringList{"Uno", "Dos"};
    QTest::newRow("rename") << "rename"
                            << "Ciencias" << int(LibraryChange::Done)
                            << QStringList{"Ciencias", "Dos"};
    QTest::newRow("rename to itself in capitals")
        << "rename"
        << "UNO" << int(LibraryChange::Taken) << QStringList{"Uno", "Dos"};
    QTest::newRow("rename to blanks")
        << "rename"
        << "  " << int(LibraryChange::BadName) << QStringList{"Uno", "Dos"};
    QTest::newRow("delete empty shelf") << "delete"
                                        << "" << int(LibraryChange::Done) << QStringList{"Dos"};
    QTest::newRow("delete shelf with a book")
        << "delete-full"
        << "" << int(LibraryChange::HoldsBooks) << QStringList{"Uno", "Dos"};
}

void TestLibraryChanges::shelfChanges() {
    QFETCH(QString, operation);
    QFETCH(QString, name);
    QFETCH(int, change);
    QFETCH(QStringList, shelves);
    Shelved app;
    app.lib.setActiveShelf(1);
    if (operation == QLatin1String("delete-full"))
        app.lib.enterBook(QStringLiteral("A"), app.books(), 0);
    const ShelfLayout before = app.lib.layout;
    LibraryChange result = LibraryChange::NotFound;
    if (operation == QLatin1String("add")) result = app.lib.addShelf(name);
    if (operation == QLatin1String("rename")) result = app.lib.renameShelf(0, name);
    if (operation.startsWith(QLatin1String("delete"))) result = app.lib.deleteShelf(0);
    QCOMPARE(int(result), change);
    QStringList names;
    for (const int g : app.lib.visibleShelves())
        names << app.lib.layout.groups[g].caption;
    QCOMPARE(names, shelves);
    if (result != LibraryChange::Done) QCOMPARE(app.lib.layout, before);
    // The active shelf is always a visible one.
    QVERIFY(app.lib.layout.groups[app.lib.activeShelf - 1].visible);
}

void TestLibraryChanges::shelfLimits() {
    Library lib;
    QCOMPARE(lib.addShelf(QStringLiteral("Primera")), LibraryChange::Done);
    QCOMPARE(lib.activeShelf, 1); // the only shelf becomes the active one
    QCOMPARE(lib.deleteShelf(0), LibraryChange::LastShelf);
    for (int n = 2; n <= 10; ++n)
        QCOMPARE(lib.addShelf(QString::number(n)), LibraryChange::Done);
    QCOMPARE(lib.addShelf(QStringLiteral("Once")), LibraryChange::ShelvesFull);
    QVERIFY(!lib.layout.groups[10].visible);
    // A new shelf reuses the first hidden group.
    QCOMPARE(lib.deleteShelf(3), LibraryChange::Done);
    int group = -1;
    QCOMPARE(lib.addShelf(QStringLiteral("Otra"), &group), LibraryChange::Done);
    QCOMPARE(group, 3);
}

void TestLibraryChanges::addedFileMustBeABook_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("change");
    QTest::newRow("text file") << QByteArray("hola\r\n") << "Notas.tsb"
                               << int(LibraryChange::NotABook);
    QTest::newRow("header of zeros")
        << QByteArray(4096, '\0') << "Ceros.tsb" << int(LibraryChange::NotABook);
    QTest::newRow("book without .tsb")
        << QByteArray() << "Libro.dat" << int(LibraryChange::NotABook);
    QTest::newRow("book") << QByteArray() << "Libro.tsb" << int(LibraryChange::Done);
    QTest::newRow("no such file") << QByteArray("-") << "Nada.tsb" << int(LibraryChange::NotFound);
}

void TestLibraryChanges::addedFileMustBeABook() {
    QFETCH(QByteArray, content);
    QFETCH(QString, file);
    QFETCH(int, change);
    Shelved app;
    app.install({QStringLiteral("image_p.bmp")});
    const QString path = app.path(QStringLiteral("books/") + file);
    if (content.isEmpty())
        QVERIFY(makeBook(app, QStringLiteral("books/") + file));
    else if (content != "-")
        app.write(QStringLiteral("books/") + file, content);
    const AddedBook added = addBookFile(app.ctx, app.lib, path, 1);
    QCOMPARE(int(added.change), change);
    QCOMPARE(app.lib.countBooks(), change == int(LibraryChange::Done) ? 1 : 0);
    QVERIFY(!app.ctx.settings.fatalError);
    if (change == int(LibraryChange::Done)) {
        QCOMPARE(app.lib.booksOnShelf(1), QStringList({"Libro"}));
        QCOMPARE(app.lib.entry(app.lib.currentBook),
                 (BookEntry{QStringLiteral("Libro"), app.books()}));
        QCOMPARE(app.lib.layout.bookSlots[0].largeImageIndex, 0);
    }
}

void TestLibraryChanges::addedLongNameRenamesTheFile() {
    Shelved app;
    const QString longName = QStringLiteral("Geografía de las regiones"); // 25 characters
    QVERIFY(makeBook(app, QStringLiteral("books/") + longName + QStringLiteral("xxxxx.tsb")));
    const AddedBook added =
        addBookFile(app.ctx, app.lib,
                    app.path(QStringLiteral("books/") + longName + QStringLiteral("xxxxx.tsb")), 0);
    QCOMPARE(added.change, LibraryChange::Done);
    QCOMPARE(added.name, longName.left(24));
    QVERIFY(QFileInfo::exists(app.path(QStringLiteral("books/Geografía de las regione.tsb"))));
    QVERIFY(!QFileInfo::exists(
        app.path(QStringLiteral("books/") + longName + QStringLiteral("xxxxx.tsb"))));
    QVERIFY(QFileInfo::exists(app.lib.entry(1).containerPath()));
}

void TestLibraryChanges::addedNamesCompareExactly() {
    Shelved app;
    app.shelve(QStringLiteral("Física"));
    QVERIFY(makeBook(app, QStringLiteral("other/Física.tsb")));
    QVERIFY(makeBook(app, QStringLiteral("other/FÍSICA.tsb")));
    QCOMPARE(addBookFile(app.ctx, app.lib, app.path(QStringLiteral("other/Física.tsb")), 0).change,
             LibraryChange::Taken);
    QCOMPARE(addBookFile(app.ctx, app.lib, app.path(QStringLiteral("other/FÍSICA.tsb")), 0).change,
             LibraryChange::Done);
    QCOMPARE(app.lib.countBooks(), 2);
}

void TestLibraryChanges::renameBook_data() {
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("change");
    QTest::newRow("new name") << "Química" << int(LibraryChange::Done);
    QTest::newRow("own name with accented capital") << "FÍSICA" << int(LibraryChange::Taken);
    QTest::newRow("other book's name in capitals") << "HISTORIA" << int(LibraryChange::Taken);
    QTest::newRow("blanks") << "   " << int(LibraryChange::BadName);
    QTest::newRow("climbs out of the folder") << "../Física" << int(LibraryChange::BadName);
    QTest::newRow("file system refuses") << "Física?" << int(LibraryChange::BadName);
}

void TestLibraryChanges::renameBook() {
    QFETCH(QString, newName);
    QFETCH(int, change);
    Shelved app;
    app.shelve(QStringLiteral("Física"));
    app.shelve(QStringLiteral("Historia"));
    QCOMPARE(int(tessera::renameBook(app.ctx, app.lib, QStringLiteral("Física"), newName)), change);
    const bool done = change == int(LibraryChange::Done);
    const QString now = done ? newName : QStringLiteral("Física");
    QCOMPARE(app.lib.booksOnShelf(0), QStringList({now, "Historia"}));
    QCOMPARE(app.lib.entry(1).name, now);
    QVERIFY(QFileInfo::exists(app.path(QStringLiteral("books/") + now + QStringLiteral(".tsb"))));
    QCOMPARE(QFileInfo::exists(app.path(QStringLiteral("books/Física.tsb"))), !done);
}

void TestLibraryChanges::renameThatFailsOnDiskChangesNothing() {
    Shelved app;
    app.shelve(QStringLiteral("Física"));
    QVERIFY(QFile::remove(app.path(QStringLiteral("books/Física.tsb"))));
    const Library before = app.lib;
    QCOMPARE(
        tessera::renameBook(app.ctx, app.lib, QStringLiteral("Física"), QStringLiteral("Química")),
        LibraryChange::FileFailed);
    QCOMPARE(app.lib.layout, before.layout);
    QCOMPARE(app.lib.entries, before.entries);
    // A stranger's file under the new name is not overwritten either.
    app.shelve(QStringLiteral("Historia"));
    app.write(QStringLiteral("books/Arte.tsb"), "ajeno");
    QCOMPARE(
        tessera::renameBook(app.ctx, app.lib, QStringLiteral("Historia"), QStringLiteral("Arte")),
        LibraryChange::FileExists);
    QCOMPARE(app.read(QStringLiteral("books/Arte.tsb")), QByteArray("ajeno"));
    QCOMPARE(app.lib.findBookEntry(QStringLiteral("Historia")), 2);
}

void TestLibraryChanges::moveBook() {
    Shelved app;
    app.shelve(QStringLiteral("Física"));
    const QByteArray content = app.read(QStringLiteral("books/Física.tsb"));
    QVERIFY(QDir().mkpath(app.path(QStringLiteral("moved"))));
    QCOMPARE(tessera::moveBook(app.ctx, app.lib, 1, app.path(QStringLiteral("moved"))),
             LibraryChange::Done);
    QCOMPARE(app.lib.entry(1).folder, bookFolder(app, QStringLiteral("moved")));
    QCOMPARE(app.read(QStringLiteral("moved/Física.tsb")), content);
    QVERIFY(!QFileInfo::exists(app.path(QStringLiteral("books/Física.tsb"))));
}

void TestLibraryChanges::moveToItsOwnFolderDoesNothing() {
    Shelved app;
    app.shelve(QStringLiteral("Física"));
    const QByteArray content = app.read(QStringLiteral("books/Física.tsb"));
    // The same folder, written another way.
    const QString sameFolder = app.path(QStringLiteral("books/../books/"));
    QCOMPARE(tessera::moveBook(app.ctx, app.lib, 1, sameFolder), LibraryChange::Unchanged);
    QCOMPARE(app.read(QStringLiteral("books/Física.tsb")), content);
    QCOMPARE(app.lib.entry(1).folder, app.books());
}

void TestLibraryChanges::deleteBookKeepsOrDeletesTheFile_data() {
    QTest::addColumn<bool>("deleteFile");
    QTest::newRow("box unticked keeps the file") << false;
    QTest::newRow("box ticked deletes the file") << true;
}

void TestLibraryChanges::deleteBookKeepsOrDeletesTheFile() {
    QFETCH(bool, deleteFile);
    Shelved app;
    app.shelve(QStringLiteral("Física"));
    app.shelve(QStringLiteral("Historia"));
    app.lib.setActiveShelf(2);
    QCOMPARE(tessera::deleteBook(app.lib, QStringLiteral("Física"), deleteFile),
             LibraryChange::Done);
    QCOMPARE(app.lib.booksOnShelf(0), QStringList({"Historia"}));
    QVERIFY(app.lib.entry(1).isFree());
    QCOMPARE(app.lib.activeShelf, 2);
    QCOMPARE(QFileInfo::exists(app.path(QStringLiteral("books/Física.tsb"))), !deleteFile);
    QCOMPARE(tessera::deleteBook(app.lib, QStringLiteral("Física"), deleteFile),
             LibraryChange::NotFound);
}

QTEST_GUILESS_MAIN(TestLibraryChanges)
#include "test_library_changes.moc"
