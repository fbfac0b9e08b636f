#include "bookfiles/fixture.h"
#include "library/books.h"
#include "library/librarybooks.h"
#include "network/registers.h"
#include "shell/textfile.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
QByteArray netBook(int number, const QByteArray& name, bool inactive = false) {
    QByteArray record(40, '\x5A'); // undefined bytes must not matter
    record[0] = inactive ? 1 : 0;
    putI32(record, 4, number);
    putShort(record, 8, name);
    putI32(record, 36, 100 + number);
    return record;
}

QByteArray assignment(int user, const QList<int>& books) {
    QByteArray record(132, '\0');
    putI32(record, 0, user);
    for (const int n : books)
        record[3 + n] = 1;
    return record;
}

// A users folder with four network books, two of them in books\, and user 5 logged in
// with Historia, a book once assigned, on his first shelf.
struct Network : TempApp {
    explicit Network(const QList<int>& assigned) {
        install({QStringLiteral("image_p.bmp")});
        ctx.settings.netDataDir = bookFolder(*this, QStringLiteral("t_users"));
        ctx.settings.singleUser = false;
        ctx.settings.userFolder = QStringLiteral("user_000005");
        write(QStringLiteral("t_users/admin/netbooks.dat"),
              netBook(1, "F\xEDsica") + netBook(2, "Qu\xEDmica") + netBook(3, "Historia") +
                  netBook(7, "Arte"));
        write(QStringLiteral("t_users/admin/books_user.dat"),
              assignment(3, {1, 2, 3, 7}) + assignment(5, assigned));
        makeBook(*this, QStringLiteral("t_users/books/Física.tsb"));
        makeBook(*this, QStringLiteral("t_users/books/Química.tsb"));
        makeBook(*this, QStringLiteral("t_users/user_000005/Historia.tsb"));
        lib.addShelf(QStringLiteral("Mis libros"));
        lib.enterBook(QStringLiteral("Historia"), userDir(), 0);
        saveLibrary(ctx, lib);
    }
    QString userDir() const { return bookFolder(*this, QStringLiteral("t_users/user_000005")); }
    Library lib;
};
} // namespace

class TestRegistersSync : public QObject {
    Q_OBJECT
private slots:
    void netBookRecordAtItsOffsets();
    void assignmentRecordAtItsOffsets();
    void readAssignment();
    void readNetBook();
    void synchronise_data();
    void synchronise();
    void adminIsNotSynchronised();
};

void TestRegistersSync::netBookRecordAtItsOffsets() {
    const NetBookRecord book = NetBookRecord::decode(netBook(12,
                                                             "Geograf\xED"
                                                             "a",
                                                             true));
    QCOMPARE(book.number, 12);
    QCOMPARE(book.name, QStringLiteral("Geografía"));
    QCOMPARE(book.recordCount, 112);
    QVERIFY(book.inactive);
    const auto encoded = book.encode();
    QVERIFY(encoded);
    QCOMPARE(NetBookRecord::decode(*encoded), book);
    QCOMPARE(encoded->mid(8, 10), QByteArray("\x09Geograf\xED"
                                             "a"));
    QVERIFY(!(NetBookRecord{false, 1, QString(28, QLatin1Char('x')), 0}.encode()));
}

void TestRegistersSync::assignmentRecordAtItsOffsets() {
    const AssignmentRecord record = AssignmentRecord::decode(assignment(9, {1, 6, 128}));
    QCOMPARE(record.userNumber, 9);
    QVERIFY(record.isAssigned(1) && record.isAssigned(6) && record.isAssigned(128));
    QVERIFY(!record.isAssigned(2) && !record.isAssigned(0) && !record.isAssigned(129));
    QCOMPARE(record.encode(), assignment(9, {1, 6, 128}));
}

void TestRegistersSync::readAssignment() {
    Network app({2});
    const auto five = ReadAssignment(app.ctx, 5);
    QVERIFY(five);
    QVERIFY(five->isAssigned(2) && !five->isAssigned(1));
    QVERIFY(!ReadAssignment(app.ctx, 4));
    QVERIFY(!app.ctx.settings.fatalError);
    QVERIFY(QFile::remove(app.path(QStringLiteral("t_users/admin/books_user.dat"))));
    QVERIFY(!ReadAssignment(app.ctx, 5));
    QCOMPARE(app.ctx.settings.errorNumber, 42);
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 42")));
}

void TestRegistersSync::readNetBook() {
    Network app({});
    QCOMPARE(ReadNetBook(app.ctx, 3).name, QStringLiteral("Historia"));
    QCOMPARE(ReadNetBook(app.ctx, 7).number, 7);
    QVERIFY(ReadNetBook(app.ctx, 4).name.isEmpty());
    // Without the admin folder the lookup ends at once with an empty record.
    app.ctx.settings.netDataDir = app.path(QStringLiteral("nowhere/"));
    QVERIFY(ReadNetBook(app.ctx, 3).name.isEmpty());
    QCOMPARE(app.feedback.connectionLosses, 0);
}

void TestRegistersSync::synchronise_data() {
    QTest::addColumn<QList<int>>("assigned");
    QTest::addColumn<QStringList>("books");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("added");
    QTest::newRow("two books gained, one lost")
        << QList<int>{1, 2} << QStringList{"Física", "Química"} << QStringList{"E49"} << 2;
    QTest::newRow("one book gained, one kept")
        << QList<int>{2, 3} << QStringList{"Historia", "Química"} << QStringList{"E48"} << 1;
    QTest::newRow("one book lost, no message")
        << QList<int>{} << QStringList{} << QStringList{} << 0;
}

void TestRegistersSync::synchronise() {
    QFETCH(QList<int>, assigned);
    QFETCH(QStringList, books);
    QFETCH(QStringList, messages);
    QFETCH(int, added);
    Network app(assigned);
    QCOMPARE(synchroniseAssignedBooks(app.ctx, app.lib, 5), added);
    QStringList shown;
    for (const ShownMessage& m : app.feedback.messages) {
        QCOMPARE(m.kind, MessageKind::Information);
        shown << m.text;
    }
    QCOMPARE(shown, messages);
    QCOMPARE(app.lib.booksOnShelf(0), books);
    QStringList listed;
    for (const QString& book : books)
        listed << book << app.userDir();
    QCOMPARE(*readTextLines(app.path(QStringLiteral("books.dat"))), listed);
    for (const QString& book : books)
        QVERIFY(QFileInfo::exists(app.userDir() + book + QStringLiteral(".tsb")));
    // The lost book's private copy stays on disk; only the library lets it go.
    QVERIFY(QFileInfo::exists(app.userDir() + QStringLiteral("Historia.tsb")));
    const QStringList log = app.logLines();
    QVERIFY(log.indexOf(QStringLiteral("LOG login lib ch")) <
            log.indexOf(QStringLiteral("LOG login lib ch ok")));
    QVERIFY(!app.ctx.settings.fatalError);

    // A second login finds everything in line.
    QCOMPARE(synchroniseAssignedBooks(app.ctx, app.lib, 5), 0);
    QCOMPARE(app.feedback.messages.size(), messages.size());
    QCOMPARE(app.lib.booksOnShelf(0), books);
}

void TestRegistersSync::adminIsNotSynchronised() {
    Network app({1, 2});
    app.ctx.settings.userFolder = QStringLiteral("admin");
    QCOMPARE(synchroniseAssignedBooks(app.ctx, app.lib, 0), 0);
    QCOMPARE(app.lib.booksOnShelf(0), QStringList({"Historia"}));
    QVERIFY(!app.logLines().contains(QStringLiteral("LOG login lib ch")));
}

QTEST_GUILESS_MAIN(TestRegistersSync)
#include "test_registers_sync.moc"
