#include "library/books.h"
#include "library/libraryfiles.h"
#include "shell/textfile.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// Shelves "Uno", "Dos", "Tres"; books A and C on Uno (C first), B on Tres.
Library sampleLibrary(const QString& folder) {
    Library lib;
    lib.addShelf(QStringLiteral("Uno"));
    lib.addShelf(QStringLiteral("Dos"));
    lib.addShelf(QStringLiteral("Tres"));
    lib.enterBook(QStringLiteral("C"), folder, 0);
    lib.enterBook(QStringLiteral("A"), folder, 0);
    lib.enterBook(QStringLiteral("B"), folder, 2);
    lib.layout.view = 9;
    lib.layout.groups[0].expanded = true;
    lib.layout.groups[2].selectedLinkIndex = 0;
    lib.layout.groups[1].useSmallImages = true;
    return lib;
}

// Three containers A, B, C in books/ and the sample library saved beside them.
struct SavedLibrary : TempApp {
    SavedLibrary() {
        install({QStringLiteral("image_p.bmp")});
        for (const char* name : {"A", "B", "C"})
            makeBook(*this, QStringLiteral("books/%1.tsb").arg(name));
        original = sampleLibrary(bookFolder(*this));
        saved = saveLibrary(ctx, original, {});
    }
    Library original;
    bool saved = false;
};

QStringList section(const QStringList& lines, const QString& name) {
    const qsizetype start = lines.indexOf(QLatin1Char('[') + name + QLatin1Char(']'));
    if (start < 0) return {};
    const qsizetype end = lines.indexOf(QString(), start);
    return lines.mid(start, end - start + 1);
}
} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
private slots:
    void emptyLibraryValues();
    void layoutFileHasItsExactForm();
    void handWrittenLayoutReads();
    void layoutWithWrongCountsIsRejected_data();
    void layoutWithWrongCountsIsRejected();
    void damagedLinksAreLeftOut();
    void savedLibraryReadsBackToTheSameModel();
    void defaultLibrariesShowOneShelf_data();
    void defaultLibrariesShowOneShelf();
    void oneFileAloneReadsNothing_data();
    void oneFileAloneReadsNothing();
    void readingLogsEveryStep();
    void longNameIsCutTo24();
    void firstEmptyLineIsAnEmptyList();
    void missingBookIsDroppedAndOthersCloseRanks();
    void unreadableBookListIsError26();
    void saveFailures_data();
    void saveFailures();
    void bookListFileCheck();
    void lookupEdgeValues();
    void removeBook();
};

void TestLibrary::emptyLibraryValues() {
    const Library lib;
    QCOMPARE(lib.layout.groups[0].caption, QStringLiteral("Estanteria_01"));
    QCOMPARE(lib.layout.groups[10].caption, QStringLiteral("Estanteria_11"));
    QCOMPARE(lib.layout.bookSlots[0].caption, QStringLiteral("Libro_001"));
    QCOMPARE(lib.layout.bookSlots[49].caption, QStringLiteral("Libro_050"));
    QCOMPARE(lib.countShelves(), 0);
    QCOMPARE(lib.countBooks(), 0);
    QVERIFY(lib.layout.bookSlots[7].enabled);
    QCOMPARE(lib.layout.bookSlots[7].largeImageIndex, -1);
    QVERIFY(std::all_of(lib.entries.begin(), lib.entries.end(),
                        [](const BookEntry& e) { return e.isFree(); }));
}

void TestLibrary::layoutFileHasItsExactForm() {
    SavedLibrary app;
    QVERIFY(app.saved);
    const QByteArray bytes = app.read(QStringLiteral("library.dat"));
    QVERIFY(bytes.startsWith(
        crlf({"[Layout]", "View=9", "StyleCount=0", "ItemCount=50", "GroupCount=11", "", "[Item0]",
              "Caption=C", "Enabled=1", "Hint=", "LargeImageIndex=-1", "SmallImageIndex=-1",
              "Tag=1", "Visible=1", "", "[Item1]"})));
    const QStringList lines = *readTextLines(app.path(QStringLiteral("library.dat")));
    QCOMPARE(section(lines, QStringLiteral("Group0")),
             QStringList({"[Group0]", "Caption=Uno", "Expanded=1", "Hint=", "LargeImageIndex=-1",
                          "LinkCount=2", "Link0ItemIndex=0", "Link1ItemIndex=1",
                          "LinksUseSmallImages=0", "SelectedLinkIndex=-1", "ShowAsIconView=0",
                          "ShowExpandButton=1", "SmallImageIndex=-1", "Tag=1",
                          "TopVisibleLinkIndex=0", "UseSmallImages=0", "Visible=1", ""}));
    QCOMPARE(section(lines, QStringLiteral("Group10")).value(1),
             QStringLiteral("Caption=Estanteria_11"));
    QCOMPARE(lines.size(), 6 + 50 * 9 + 11 * 16 + 3); // three links
    QVERIFY(bytes.endsWith("Visible=0\r\n\r\n"));
}

void TestLibrary::handWrittenLayoutReads() {
    const QStringList lines = {"[Layout]",
                               "View=3",
                               "StyleCount=0",
                               "ItemCount=50",
                               "GroupCount=11",
                               "",
                               "[Item4]",
                               "Caption=Álgebra",
                               "Enabled=0",
                               "Hint=",
                               "LargeImageIndex=7",
                               "SmallImageIndex=7",
                               "Tag=5",
                               "Visible=1",
                               "",
                               "[Item9]",
                               "Caption=Latín",
                               "Enabled=1",
                               "Hint=",
                               "Tag=10",
                               "Visible=1",
                               "",
                               "[Group1]",
                               "Caption=Ciencias",
                               "Expanded=1",
                               "Hint=",
                               "LargeImageIndex=-1",
                               "LinkCount=2",
                               "Link0ItemIndex=9",
                               "Link1ItemIndex=4",
                               "LinksUseSmallImages=1",
                               "SelectedLinkIndex=1",
                               "ShowAsIconView=1",
                               "ShowExpandButton=1",
                               "SmallImageIndex=-1",
                               "Tag=2",
                               "TopVisibleLinkIndex=0",
                               "UseSmallImages=1",
                               "Visible=1",
                               ""};
    const auto layout = parseLayout(lines);
    QVERIFY(layout);
    QCOMPARE(layout->view, 3);
    const BookSlot& algebra = layout->bookSlots[4];
    QCOMPARE(algebra.caption, QStringLiteral("Álgebra"));
    QVERIFY(algebra.visible);
    QVERIFY(!algebra.enabled);
    QCOMPARE(algebra.largeImageIndex, -1); // given again only from the book's cover
    const ShelfGroup& shelf = layout->groups[1];
    QCOMPARE(shelf.caption, QStringLiteral("Ciencias"));
    QCOMPARE(shelf.links, QList<int>({9, 4}));
    QVERIFY(shelf.expanded && shelf.visible && shelf.linksUseSmallImages && shelf.showAsIconView);
    QCOMPARE(shelf.selectedLinkIndex, 1);
    // Sections left out keep the empty-library values.
    QCOMPARE(layout->groups[0], ShelfLayout::empty().groups[0]);
    QCOMPARE(layout->bookSlots[0], ShelfLayout::empty().bookSlots[0]);
}

void TestLibrary::layoutWithWrongCountsIsRejected_data() {
    QTest::addColumn<QStringList>("head");
    QTest::newRow("49 items") << QStringList{"[Layout]", "ItemCount=49", "GroupCount=11"};
    QTest::newRow("12 groups") << QStringList{"[Layout]", "ItemCount=50", "GroupCount=12"};
    QTest::newRow("counts missing") << QStringList{"[Layout]", "View=1"};
    QTest::newRow("no layout section") << QStringList{"[Item0]", "Caption=X", "Visible=1"};
    QTest::newRow("not a number") << QStringList{"[Layout]", "ItemCount=cincuenta",
                                                 "GroupCount=11"};
}

void TestLibrary::layoutWithWrongCountsIsRejected() {
    QFETCH(QStringList, head);
    QVERIFY(!parseLayout(head + QStringList{"", "[Group0]", "Caption=X", "Visible=1", ""}));
}

void TestLibrary::damagedLinksAreLeftOut() {
    const auto layout =
        parseLayout({"[Layout]", "ItemCount=50", "GroupCount=11", "", "[Group0]", "LinkCount=4",
                     "Link0ItemIndex=3", "Link1ItemIndex=50", "Link2ItemIndex=x",
                     "Link3ItemIndex=-1", "Visible=1", "", "[Group1]", "LinkCount=99",
                     "Link0ItemIndex=3", "Link1ItemIndex=5", "Visible=1", ""});
    QVERIFY(layout);
    QCOMPARE(layout->groups[0].links, QList<int>({3}));
    // A slot stands on one shelf only.
    QCOMPARE(layout->groups[1].links, QList<int>({5}));
}

void TestLibrary::savedLibraryReadsBackToTheSameModel() {
    SavedLibrary app;
    QVERIFY(app.saved);
    QCOMPARE(app.read(QStringLiteral("books.dat")),
             crlf({"C", bookFolder(app), "A", bookFolder(app), "B", bookFolder(app)}));
    Library read;
    readLibrary(app.ctx, read);
    QVERIFY(app.feedback.messages.isEmpty());
    QCOMPARE(read.entries, app.original.entries);
    QCOMPARE(read.layout.groups, app.original.layout.groups);
    QCOMPARE(read.layout.view, 9);
    for (int s = 0; s < shelves::SlotCount; ++s) {
        QCOMPARE(read.layout.bookSlots[s].caption, app.original.layout.bookSlots[s].caption);
        QCOMPARE(read.layout.bookSlots[s].visible, app.original.layout.bookSlots[s].visible);
    }
    // Each book got its cover, in entry order.
    QCOMPARE(read.largeCovers.size(), 3);
    QCOMPARE(read.layout.bookSlots[2].largeImageIndex, 2);
    QCOMPARE(read.smallCovers.value(2).size(), QSize(16, 16));
    QVERIFY(!read.largeCovers[0].isNull());
    QCOMPARE(read.currentBook, 3);
}

void TestLibrary::defaultLibrariesShowOneShelf_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shelf");
    QTest::newRow("Spanish") << "library_esp.dat"
                             << "Estantería";
    QTest::newRow("English") << "library_eng.dat"
                             << "Shelf";
    QTest::newRow("Portuguese") << "library_por.dat"
                                << "Estante";
}

void TestLibrary::defaultLibrariesShowOneShelf() {
    QFETCH(QString, file);
    QFETCH(QString, shelf);
    TempApp app;
    app.install({file});
    QVERIFY(QFile::rename(app.path(file), app.path(QStringLiteral("library.dat"))));
    app.write(QStringLiteral("books.dat"), QByteArray());
    bool defaultShelfMade = false;
    Library lib;
    LibraryHooks hooks;
    hooks.defaultShelfMade = [&] { defaultShelfMade = true; };
    readLibrary(app.ctx, lib, hooks);
    QCOMPARE(lib.countShelves(), 1);
    QCOMPARE(lib.countBooks(), 0);
    QCOMPARE(lib.layout.groups[lib.visibleShelves().first()].caption, shelf);
    QVERIFY(!defaultShelfMade);
    QVERIFY(app.feedback.messages.isEmpty());
}

void TestLibrary::oneFileAloneReadsNothing_data() {
    QTest::addColumn<QString>("present");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shelf");
    QTest::newRow("books.dat alone, Spanish") << "books.dat" << 0 << "Estantería";
    QTest::newRow("books.dat alone, English") << "books.dat" << 1 << "Shelf";
    QTest::newRow("books.dat alone, Portuguese") << "books.dat" << 2 << "Estante";
    QTest::newRow("library.dat alone") << "library.dat" << 0 << "Estantería";
}

void TestLibrary::oneFileAloneReadsNothing() {
    QFETCH(QString, present);
    QFETCH(int, language);
    QFETCH(QString, shelf);
    SavedLibrary app;
    QVERIFY(QFile::remove(app.path(present == QLatin1String("books.dat")
                                       ? QStringLiteral("library.dat")
                                       : QStringLiteral("books.dat"))));
    app.ctx.settings.currentLanguage = language;
    bool defaultShelfMade = false;
    bool rebuilt = false;
    Library lib;
    LibraryHooks hooks;
    hooks.rebuildView = [&] { rebuilt = true; };
    hooks.defaultShelfMade = [&] { defaultShelfMade = true; };
    readLibrary(app.ctx, lib, hooks);
    QCOMPARE(lib.countBooks(), 0);
    QCOMPARE(lib.findBookEntry(QStringLiteral("A")), 0);
    QCOMPARE(lib.countShelves(), 1);
    QCOMPARE(lib.layout.groups[0].caption, shelf);
    QVERIFY(lib.layout.groups[0].visible);
    QVERIFY(defaultShelfMade && rebuilt);
    QVERIFY(!app.logLines().contains(QStringLiteral("MIN op books.dat")));
}

void TestLibrary::readingLogsEveryStep() {
    SavedLibrary app;
    QVERIFY(QFile::remove(app.path(QStringLiteral("books/B.tsb"))));
    app.ctx.settings.eventsEnabled = 1;
    Library lib;
    quint8 eventsWhileRebuilding = 9;
    LibraryHooks hooks;
    hooks.rebuildView = [&] { eventsWhileRebuilding = app.ctx.settings.eventsEnabled; };
    readLibrary(app.ctx, lib, hooks);
    QStringList lines = app.logLines().filter(QRegularExpression(QStringLiteral("^MIN")));
    const QString folder = bookFolder(app);
    QCOMPARE(lines,
             QStringList({"MIN rd lib", "MIN rd lib ok", "MIN op books.dat", "MIN op rd: C",
                          "MIN op rd: " + folder, "MIN op rd: A", "MIN bk exists", "MIN bk pos0",
                          "MIN op rd: " + folder, "MIN op rd: B", "MIN bk exists", "MIN bk pos1",
                          "MIN op rd: " + folder, "MIN op rd: ", "MIN bk nexists"}));
    QCOMPARE(eventsWhileRebuilding, quint8(0));
    QCOMPARE(app.ctx.settings.eventsEnabled, quint8(1));
    // The layout step shows entry 126 and runs its bar to 100 in 28 steps.
    QVERIFY(app.feedback.statusTexts.contains(QStringLiteral("E126")));
    QCOMPARE(app.feedback.progress.mid(0, 6), QList<int>({0, 3, 7, 10, 14, 17}));
    QCOMPARE(app.feedback.progress.mid(26, 3), QList<int>({92, 96, 100}));
    QCOMPARE(app.feedback.progress.value(29), 0);
}

void TestLibrary::longNameIsCutTo24() {
    TempApp app;
    const QString longName = QStringLiteral("Historia de la península"); // 24 characters
    const QString line = longName + QStringLiteral(" ibérica");          // 32 characters
    QVERIFY(makeBook(app, QStringLiteral("books/") + longName + QStringLiteral(".tsb")));
    Library lib;
    lib.addShelf(QStringLiteral("Uno"));
    QCOMPARE(lib.enterBook(longName, bookFolder(app), 0), LibraryChange::Done);
    QVERIFY(writeLayoutFile(app.path(QStringLiteral("library.dat")), lib.layout));
    QVERIFY(
        writeTextLines(app.path(QStringLiteral("books.dat")), {line.left(30), bookFolder(app)}));
    Library read;
    readLibrary(app.ctx, read);
    QCOMPARE(read.entry(1).name, longName);
    QCOMPARE(read.countBooks(), 1);
    QVERIFY(app.feedback.messages.isEmpty());
}

void TestLibrary::firstEmptyLineIsAnEmptyList() {
    SavedLibrary app;
    app.write(QStringLiteral("books.dat"), crlf({"", "A", bookFolder(app)}));
    Library lib = app.original;
    readLibrary(app.ctx, lib);
    QCOMPARE(lib.findBookEntry(QStringLiteral("A")), 0);
    QVERIFY(app.feedback.messages.isEmpty());
}

void TestLibrary::missingBookIsDroppedAndOthersCloseRanks() {
    SavedLibrary app;
    QVERIFY(QFile::remove(app.path(QStringLiteral("books/A.tsb"))));
    Library lib;
    readLibrary(app.ctx, lib);
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E53\"A\""));
    QCOMPARE(app.feedback.messages[0].kind, MessageKind::Error);
    QCOMPARE(lib.findBookEntry(QStringLiteral("A")), 0);
    QVERIFY(lib.nameIsFree(QStringLiteral("A")));
    QCOMPARE(lib.booksOnShelf(0), QStringList({"C"}));
    QCOMPARE(lib.countBooks(), 2);
    QVERIFY(saveLibrary(app.ctx, lib));
    QCOMPARE(app.read(QStringLiteral("books.dat")),
             crlf({"C", bookFolder(app), "B", bookFolder(app)}));
    Library again;
    readLibrary(app.ctx, again);
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(again.entry(2).name, QStringLiteral("B"));
}

void TestLibrary::unreadableBookListIsError26() {
    SavedLibrary app;
    QVERIFY(QFile::remove(app.path(QStringLiteral("books.dat"))));
    QVERIFY(QDir().mkpath(app.path(QStringLiteral("books.dat"))));
    Library lib;
    readLibrary(app.ctx, lib);
    QVERIFY(app.ctx.settings.fatalError);
    QCOMPARE(app.ctx.settings.errorNumber, 26);
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 26")));
}

void TestLibrary::saveFailures_data() {
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("error");
    QTest::newRow("books.dat cannot be written: error 94") << "books.dat" << false << 94;
    QTest::newRow("library.dat cannot be written: ignored") << "library.dat" << true << 0;
}

void TestLibrary::saveFailures() {
    QFETCH(QString, blocked);
    QFETCH(bool, saved);
    QFETCH(int, error);
    TempApp app;
    // A folder in the file's place makes its replacement fail.
    QVERIFY(QDir().mkpath(app.path(blocked)));
    const Library lib = sampleLibrary(bookFolder(app));
    QStringList steps;
    LibraryHooks hooks;
    hooks.savePreferences = [&] { steps << QStringLiteral("prefs"); };
    const bool result = saveLibrary(app.ctx, lib, hooks);
    QCOMPARE(result, saved);
    QCOMPARE(app.ctx.settings.fatalError, !saved);
    QCOMPARE(app.ctx.settings.errorNumber, error);
    QCOMPARE(steps, QStringList({"prefs"}));
    if (saved) {
        QCOMPARE(app.read(QStringLiteral("books.dat")).count('\n'), 6);
    } else {
        QCOMPARE(app.feedback.messages.value(0).text, QStringLiteral("E1: 94"));
        QVERIFY(app.read(QStringLiteral("library.dat")).startsWith("[Layout]\r\n"));
    }
}

void TestLibrary::bookListFileCheck() {
    SavedLibrary app;
    QVERIFY(bookInBookListFile(app.ctx, QStringLiteral("A")));
    QVERIFY(!bookInBookListFile(app.ctx, QStringLiteral("a")));
    QVERIFY(!bookInBookListFile(app.ctx, QStringLiteral("Uno")));
    QVERIFY(!app.ctx.settings.fatalError);
    QVERIFY(QFile::remove(app.path(QStringLiteral("books.dat"))));
    QVERIFY(!bookInBookListFile(app.ctx, QStringLiteral("A")));
    QCOMPARE(app.ctx.settings.errorNumber, 25);
    QVERIFY(app.ctx.settings.fatalError);
}

void TestLibrary::lookupEdgeValues() {
    Library lib = sampleLibrary(QStringLiteral("/x/"));
    QCOMPARE(lib.findBookSlot(QStringLiteral("A")), 1);
    QCOMPARE(lib.findBookSlot(QStringLiteral("Z")), 49);
    QCOMPARE(lib.findBookSlot(QStringLiteral("a")), 49);
    QCOMPARE(lib.findBookEntry(QStringLiteral("B")), 3);
    QCOMPARE(lib.findBookEntry(QStringLiteral("Z")), 0);
    lib.entry(50).name = QStringLiteral("B"); // two entries of one name: the higher number
    QCOMPARE(lib.findBookEntry(QStringLiteral("B")), 50);
    QVERIFY(lib.nameIsFree(QStringLiteral("Z")));
    QVERIFY(!lib.nameIsFree(QStringLiteral("C")));
    QCOMPARE(lib.countShelves(), 3);
    QCOMPARE(lib.countBooks(), 3);
    lib.layout.groups[10].visible = true; // the spare group never counts
    QCOMPARE(lib.countShelves(), 3);
    lib.layout.bookSlots[1].visible = false; // a hidden slot is not found by its caption
    QCOMPARE(lib.findBookSlot(QStringLiteral("A")), 49);
    QVERIFY(lib.nameIsFree(QStringLiteral("A")));
    QCOMPARE(lib.countBooks(), 2);
}

void TestLibrary::removeBook() {
    Library lib = sampleLibrary(QStringLiteral("/x/"));
    lib.setActiveShelf(3);
    lib.removeBook(QStringLiteral("C"));
    QCOMPARE(lib.booksOnShelf(0), QStringList({"A"}));
    QCOMPARE(lib.layout.groups[0].links, QList<int>({1}));
    QVERIFY(!lib.layout.bookSlots[0].visible);
    QVERIFY(lib.entry(1).isFree());
    QCOMPARE(lib.entry(2).name, QStringLiteral("A"));
    QCOMPARE(lib.activeShelf, 1);
    QCOMPARE(lib.layout.activeGroup, 0);
    QCOMPARE(lib.countBooks(), 2);
    // An unknown name takes nothing away from the shelves.
    lib.removeBook(QStringLiteral("Z"));
    QCOMPARE(lib.countBooks(), 2);
    QCOMPARE(lib.booksOnShelf(2), QStringList({"B"}));
    // The freed slot and entry are taken by the next book.
    QCOMPARE(lib.enterBook(QStringLiteral("D"), QStringLiteral("/x/"), 1), LibraryChange::Done);
    QCOMPARE(lib.findBookSlot(QStringLiteral("D")), 0);
    QCOMPARE(lib.findBookEntry(QStringLiteral("D")), 1);
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "test_library.moc"
