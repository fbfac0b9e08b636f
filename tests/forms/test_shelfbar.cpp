#include "forms/shelfbar.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace tessera;

namespace {
const QString Folder = QStringLiteral("/books/");

// Shelves Uno, Dos, Tres, Cuatro. Uno holds E; Dos holds F and G; Tres holds B, C and D,
// where D took the slot A left free, so Tres lists its books in slot order D, B, C but
// stands them in shelf order B, C, D. Cuatro is empty.
Library sampleLibrary() {
    Library lib;
    for (const char* name : {"Uno", "Dos", "Tres", "Cuatro"})
        lib.addShelf(QString::fromLatin1(name));
    lib.enterBook(QStringLiteral("A"), Folder, 0);
    lib.enterBook(QStringLiteral("B"), Folder, 2);
    lib.enterBook(QStringLiteral("C"), Folder, 2);
    lib.removeBook(QStringLiteral("A"));
    lib.enterBook(QStringLiteral("D"), Folder, 2);
    lib.enterBook(QStringLiteral("E"), Folder, 0);
    lib.enterBook(QStringLiteral("F"), Folder, 1);
    lib.enterBook(QStringLiteral("G"), Folder, 1);
    for (ShelfGroup& group : lib.layout.groups)
        group.expanded = false;
    lib.setActiveShelf(1);
    return lib;
}

QStringList captions(const Library& lib, const QList<int>& listed) {
    QStringList names;
    for (int slot : listed)
        names << lib.layout.bookSlots[slot].caption;
    return names;
}

QList<int> openShelves(const ShelfBar& bar) {
    QList<int> open;
    for (int shelf = 1; shelf <= shelves::ShelfCount; ++shelf)
        if (bar.isShelfExpanded(shelf)) open << shelf;
    return open;
}

void clickHeader(ShelfBar& bar, int shelf) {
    QTest::mouseClick(bar.band(shelf)->header(), Qt::LeftButton);
}

// Drops the book of the slot on the band at a point of the band, as a drag's end does.
bool drop(ShelfBar& bar, int slot, int shelf, QPoint at) {
    ShelfBand* band = bar.band(shelf);
    QMimeData* data = ShelfBar::bookMimeData(slot);
    QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(band, &enter);
    if (!enter.isAccepted()) {
        delete data;
        return false;
    }
    QDropEvent dropped(QPointF(at), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(band, &dropped);
    delete data;
    return dropped.isAccepted();
}

QPoint onHeader(ShelfBar& bar, int shelf) {
    return bar.band(shelf)->header()->geometry().center();
}

// A point on the band just inside the top of the shelf's book at that position.
QPoint onTopOfBook(ShelfBar& bar, int shelf, int position) {
    ShelfBand* band = bar.band(shelf);
    QWidget* book = band->bodyLayout()->itemAt(position)->widget();
    return band->body()->mapTo(band, book->geometry().topLeft() + QPoint(4, 1));
}

QColor iconCentre(const BookTile* tile) {
    const QImage image = tile->icon().pixmap(tile->iconSize()).toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

class TestShelfBar : public QObject {
    Q_OBJECT
private slots:
    void oneShelfStyleOpensTheClickedShelf_data();
    void oneShelfStyleOpensTheClickedShelf();
    void treeStyleKeepsSeveralShelvesOpen_data();
    void treeStyleKeepsSeveralShelvesOpen();
    void droppingABookMovesItsLink_data();
    void droppingABookMovesItsLink();
    void clickingABookNamesIt();
    void smallIconsShowTheSmallCovers();
    void rebuildFollowsTheModel();
    void everyStyleLooksDifferent();
};

void TestShelfBar::oneShelfStyleOpensTheClickedShelf_data() {
    QTest::addColumn<int>("style");
    for (int style = 0; style < shelves::TreeStylesFrom; ++style)
        QTest::addRow("%s", qPrintable(ShelfBar::styleNames()[style])) << style;
}

void TestShelfBar::oneShelfStyleOpensTheClickedShelf() {
    QFETCH(int, style);
    Library lib = sampleLibrary();
    lib.layout.view = style;
    ShelfBar bar(lib);
    bar.show();
    QCOMPARE(openShelves(bar), QList<int>{1});
    QSignalSpy active(&bar, &ShelfBar::activeShelfChanged);

    clickHeader(bar, 3);
    QCOMPARE(lib.activeShelf, 3);
    QCOMPARE(lib.layout.activeGroup, 2);
    QCOMPARE(active.count(), 1);
    QCOMPARE(active.at(0).at(0).toInt(), 3);
    QCOMPARE(openShelves(bar), QList<int>{3});
    QCOMPARE(bar.shownBooks(), QStringList({"B", "C", "D"}));
    QCOMPARE(captions(lib, ShelfBar::listedSlots(lib)), QStringList({"D", "B", "C"}));
    QVERIFY(bar.band(3)->header()->property("marked").toBool());
    QVERIFY(!bar.band(1)->header()->property("marked").toBool());
    for (int shelf = 1; shelf <= shelves::ShelfCount; ++shelf)
        QCOMPARE(lib.layout.groups[shelf - 1].expanded, shelf == 3);

    // A second click on the open shelf keeps it open: one shelf always stands open.
    clickHeader(bar, 3);
    QCOMPARE(openShelves(bar), QList<int>{3});
    QCOMPARE(active.count(), 1);
    clickHeader(bar, 2);
    QCOMPARE(openShelves(bar), QList<int>{2});
    QCOMPARE(bar.shownBooks(), QStringList({"F", "G"}));

    // Expanding all is a tree's menu item; here it leaves the one open shelf alone.
    bar.expandAll();
    QCOMPARE(openShelves(bar), QList<int>{2});
}

void TestShelfBar::treeStyleKeepsSeveralShelvesOpen_data() {
    QTest::addColumn<int>("style");
    for (int style = shelves::TreeStylesFrom; style < ShelfBar::StyleCount; ++style)
        QTest::addRow("%s", qPrintable(ShelfBar::styleNames()[style])) << style;
}

void TestShelfBar::treeStyleKeepsSeveralShelvesOpen() {
    QFETCH(int, style);
    Library lib = sampleLibrary();
    lib.layout.view = style;
    ShelfBar bar(lib);
    bar.show();
    QCOMPARE(openShelves(bar), QList<int>{});
    QSignalSpy expanded(&bar, &ShelfBar::shelfExpanded);

    clickHeader(bar, 1);
    clickHeader(bar, 2);
    QCOMPARE(openShelves(bar), QList<int>({1, 2}));
    QCOMPARE(bar.shownBooks(), QStringList({"E", "F", "G"}));
    QCOMPARE(captions(lib, ShelfBar::listedSlots(lib)), QStringList({"E", "F", "G"}));
    QVERIFY(lib.layout.groups[0].expanded && lib.layout.groups[1].expanded);
    QVERIFY(!lib.layout.groups[2].expanded);
    QCOMPARE(lib.activeShelf, 2);
    QCOMPARE(expanded.count(), 2);
    QCOMPARE(expanded.at(1), QVariantList({2, true}));
    for (int shelf = 1; shelf <= 3; ++shelf) {
        QCOMPARE(bar.band(shelf)->header()->property("marked").toBool(), shelf < 3);
        QCOMPARE(bar.band(shelf)->header()->arrowType(),
                 shelf < 3 ? Qt::DownArrow : Qt::RightArrow);
    }

    clickHeader(bar, 1);
    QCOMPARE(openShelves(bar), QList<int>{2});
    QCOMPARE(expanded.at(2), QVariantList({1, false}));

    bar.expandAll();
    QCOMPARE(openShelves(bar), QList<int>({1, 2, 3, 4}));
    QCOMPARE(bar.shownBooks(), QStringList({"E", "F", "G", "B", "C", "D"}));
    bar.collapseAll();
    QCOMPARE(openShelves(bar), QList<int>{});
    QCOMPARE(bar.shownBooks(), QStringList{});
    QCOMPARE(ShelfBar::listedSlots(lib), QList<int>{});
}

void TestShelfBar::droppingABookMovesItsLink_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("toShelf");
    QTest::addColumn<int>("onBook"); // -1: on the header
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QStringList>("fromShelfAfter");
    QTest::addColumn<QStringList>("toShelfAfter");
    QTest::addRow("header of a closed shelf, one-shelf style")
        << 0 << "E" << 2 << -1 << true << QStringList{} << QStringList({"F", "G", "E"});
    QTest::addRow("header of a closed shelf, tree style")
        << 8 << "E" << 2 << -1 << true << QStringList{} << QStringList({"F", "G", "E"});
    QTest::addRow("before the first book of an open shelf")
        << 9 << "B" << 2 << 0 << true << QStringList({"C", "D"}) << QStringList({"B", "F", "G"});
    QTest::addRow("to the front of its own shelf")
        << 10 << "D" << 3 << 0 << true << QStringList({"D", "B", "C"})
        << QStringList({"D", "B", "C"});
    QTest::addRow("further down its own shelf")
        << 9 << "B" << 3 << 2 << true << QStringList({"C", "B", "D"})
        << QStringList({"C", "B", "D"});
    QTest::addRow("to the end of its own shelf")
        << 8 << "B" << 3 << -1 << true << QStringList({"C", "D", "B"})
        << QStringList({"C", "D", "B"});
    QTest::addRow("to the place it already has")
        << 11 << "B" << 3 << 0 << false << QStringList({"B", "C", "D"})
        << QStringList({"B", "C", "D"});
}

void TestShelfBar::droppingABookMovesItsLink() {
    QFETCH(int, style);
    QFETCH(QString, book);
    QFETCH(int, toShelf);
    QFETCH(int, onBook);
    const bool onHeader = onBook < 0;
    QFETCH(bool, moved);
    QFETCH(QStringList, fromShelfAfter);
    QFETCH(QStringList, toShelfAfter);
    Library lib = sampleLibrary();
    lib.layout.view = style;
    if (lib.isTreeStyle())
        for (ShelfGroup& group : lib.layout.groups)
            group.expanded = !onHeader;
    ShelfBar bar(lib);
    bar.show();
    const int slot = lib.findBookSlot(book);
    const int fromShelf = lib.shelfOfSlot(slot) + 1;
    QSignalSpy moves(&bar, &ShelfBar::bookMoved);

    const QPoint at = onHeader ? ::onHeader(bar, toShelf) : onTopOfBook(bar, toShelf, onBook);
    QCOMPARE(drop(bar, slot, toShelf, at), moved);

    QCOMPARE(lib.shelfOfSlot(slot), (moved ? toShelf : fromShelf) - 1);
    QCOMPARE(lib.booksOnShelf(fromShelf - 1), fromShelfAfter);
    QCOMPARE(lib.booksOnShelf(toShelf - 1), toShelfAfter);
    QCOMPARE(moves.count(), moved ? 1 : 0);
    if (!moved) return;
    QCOMPARE(moves.at(0), QVariantList({book, fromShelf, toShelf}));
    QCOMPARE(lib.activeShelf, toShelf);
    QVERIFY(bar.isShelfExpanded(toShelf));
    QCOMPARE(bar.tile(slot)->parentWidget(), bar.band(toShelf)->body());
}

void TestShelfBar::clickingABookNamesIt() {
    Library lib = sampleLibrary();
    lib.layout.view = 8;
    lib.layout.groups[2].expanded = true;
    ShelfBar bar(lib);
    bar.show();
    QSignalSpy clicked(&bar, &ShelfBar::bookClicked);
    BookTile* tile = bar.findChild<BookTile*>(
        QStringLiteral("Libro_%1")
            .arg(lib.findBookSlot(QStringLiteral("C")) + 1, 3, 10, QLatin1Char('0')));
    QVERIFY(tile);
    QCOMPARE(tile->text(), QStringLiteral("C"));
    QTest::mouseClick(tile, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("C"));
}

void TestShelfBar::smallIconsShowTheSmallCovers() {
    Library lib = sampleLibrary();
    QImage cover(64, 64, QImage::Format_RGB32);
    cover.fill(Qt::red);
    lib.setCovers(QStringLiteral("E"), cover);
    ShelfBar bar(lib);
    bar.resize(180, 400);
    bar.show();
    BookTile* covered = bar.tile(lib.findBookSlot(QStringLiteral("E")));

    QCOMPARE(covered->iconSize(), QSize(32, 32));
    QCOMPARE(covered->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(iconCentre(covered), QColor(Qt::red));
    const int largeHeight = covered->sizeHint().height();

    bar.setSmallIcons(true);
    QVERIFY(bar.smallIcons());
    QCOMPARE(covered->iconSize(), QSize(16, 16));
    QCOMPARE(covered->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QCOMPARE(iconCentre(covered), QColor(Qt::red));
    QVERIFY(covered->sizeHint().height() < largeHeight);
    for (const ShelfGroup& group : lib.layout.groups)
        QVERIFY(group.linksUseSmallImages);

    // A book without a cover still shows a picture of the chosen size.
    const BookTile* bare = bar.tile(lib.findBookSlot(QStringLiteral("F")));
    QCOMPARE(bare->iconSize(), QSize(16, 16));

    bar.setSmallIcons(false);
    QCOMPARE(covered->iconSize(), QSize(32, 32));
}

void TestShelfBar::rebuildFollowsTheModel() {
    Library lib = sampleLibrary();
    ShelfBar bar(lib);
    bar.show();
    QVERIFY(bar.band(4)->isVisible());
    QVERIFY(bar.band(5)->isHidden());

    lib.renameShelf(0, QStringLiteral("Primera"));
    lib.enterBook(QStringLiteral("H"), Folder, 0);
    lib.deleteShelf(3);
    const QString longName = QStringLiteral("Vocabulario de la cocina");
    lib.enterBook(longName, Folder, 1);
    bar.rebuild();
    QCOMPARE(bar.band(1)->header()->text(), QStringLiteral("Primera"));
    QCOMPARE(bar.shownBooks(), QStringList({"E", "H"}));
    // A name too long for the bar is cut short on the tile and kept whole in its tip.
    bar.clickShelf(2);
    QCOMPARE(bar.shownBooks(), QStringList({"F", "G", longName}));
    const BookTile* longTile = bar.tile(lib.findBookSlot(longName));
    QVERIFY(longTile->text().endsWith(QChar(0x2026)));
    QCOMPARE(longTile->toolTip(), longName);
    QVERIFY(longTile->sizeHint().width() <= 160);
    QVERIFY(bar.band(4)->isHidden());
    // Unused slots stay out of the bands.
    int onBands = 0;
    for (int slot = 0; slot < shelves::SlotCount; ++slot)
        if (bar.tile(slot)->parentWidget() != nullptr &&
            qobject_cast<ShelfBand*>(bar.tile(slot)->parentWidget()->parentWidget()))
            ++onBands;
    QCOMPARE(onBands, lib.countBooks());
}

void TestShelfBar::everyStyleLooksDifferent() {
    Library lib = sampleLibrary();
    ShelfBar bar(lib);
    bar.resize(180, 360);
    bar.show();
    QList<QImage> pictures;
    for (int style = 0; style < ShelfBar::StyleCount; ++style) {
        bar.setViewStyle(style);
        QCOMPARE(bar.viewStyle(), style);
        const QImage picture = bar.grab().toImage();
        for (int earlier = 0; earlier < style; ++earlier)
            QVERIFY2(pictures[earlier] != picture,
                     qPrintable(QStringLiteral("style %1 looks like %2").arg(style).arg(earlier)));
        pictures << picture;
    }
}

QTEST_MAIN(TestShelfBar)
#include "test_shelfbar.moc"
