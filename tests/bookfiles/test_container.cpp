#include "bookfiles/container.h"
#include "bookfiles/fixture.h"
#include "support/tempapp.h"

#include <QDir>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
const QStringList Members = {"database.db", "database.mb", "paramdb.dat", "historic.db",
                             "notepad.dat", "cover.jpg",   "image.bmp"};

QByteArray pattern(int size, int seed) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed * 7 + 1) & 0xFF);
    return bytes;
}

QList<QByteArray> sampleMembers() {
    return {pattern(4400, 1),
            pattern(3000, 2),
            QByteArray("1\r\n2\r\n"),
            pattern(64, 4),
            QByteArray("Hola\r\nmundo\0", 12),
            pattern(2048, 6),
            pattern(10, 7)};
}

void writeWorkingFiles(TempApp& app, const QList<QByteArray>& members) {
    for (int m = 0; m < 7; ++m)
        app.write(Members[m], members[m]);
}

BookHeader sampleHeader() {
    BookHeader h;
    h.author = QStringLiteral("Ana Pérez");
    h.authorData = QStringLiteral("Calle Mayor 1\r\nMadrid");
    h.email = QStringLiteral("ana@example.org");
    h.title = QStringLiteral("Tabla periódica");
    h.category = QStringLiteral("Química");
    h.version = QStringLiteral("2.1");
    h.created = QStringLiteral("05/03/2004 09:08:07");
    h.lastPractice = QStringLiteral("06/04/2005 10:11:12");
    h.summary = QStringLiteral("Los elementos");
    h.coverDesign = 7;
    h.coverPicture = false;
    h.coverColour = 0x00FFFBF0;
    h.titleBackground = 8421504;
    h.titleFont = 128;
    h.titleTransparent = false;
    h.key = {3, 250, 0, 17, 254, 99, 128, 1};
    h.isProtected = true;
    h.password = QStringLiteral("clave");
    h.choiceFormat = 4;
    return h;
}

QString bookPath(TempApp& app) {
    QDir().mkpath(app.path(QStringLiteral("books")));
    return app.path(QStringLiteral("books/Tabla periódica.tsb"));
}

QStringList decLines(const TempApp& app) {
    return app.logLines().filter(QRegularExpression(QStringLiteral("^DEC ")));
}
} // namespace

class TestContainer : public QObject {
    Q_OBJECT
private slots:
    void memberBlocksAndFileLength_data();
    void memberBlocksAndFileLength();
    void packedHeaderHoldsEveryFieldAtItsOffset();
    void unpackReadsAHandScrambledFixture();
    void packThenUnpackRoundTrips();
    void summaryKeepsAtMost482Characters_data();
    void summaryKeepsAtMost482Characters();
    void choiceFormatOutOfRangeReadsAsOne_data();
    void choiceFormatOutOfRangeReadsAsOne();
    void notepadMember_data();
    void notepadMember();
    void backupCopyOfThePreviousContainer_data();
    void backupCopyOfThePreviousContainer();
    void vanishedBackupFolderFallsBackToTheApplicationFolder();
    void interruptedPackLeavesTheOldOrTheNewBook();
    void packRefusesTextsTheContainerCannotHold_data();
    void packRefusesTextsTheContainerCannotHold();
    void packWithAMissingWorkingFileKeepsTheBook();
    void headerOnlyUnpackWritesTheThumbnailAlone();
    void damagedContainerIsError92_data();
    void damagedContainerIsError92();
    void readMagicUnscramblesTheHeader();
    void workingFilesThatStayAreLoggedNotFatal();
};

void TestContainer::memberBlocksAndFileLength_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<quint32>("blocks");
    QTest::newRow("empty member takes no block") << 0 << 0u;
    QTest::newRow("one byte") << 1 << 1u;
    QTest::newRow("exactly one block, no fill") << 2048 << 1u;
    QTest::newRow("one byte over a block") << 2049 << 2u;
}

void TestContainer::memberBlocksAndFileLength() {
    QFETCH(int, length);
    QFETCH(quint32, blocks);
    TempApp app;
    QList<QByteArray> members = sampleMembers();
    members[Cover] = pattern(length, 9);
    writeWorkingFiles(app, members);
    const QString path = bookPath(app);
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray plain = unscramble(bytes);
    QCOMPARE(u32At(plain, 36), quint32(length));
    QCOMPARE(u32At(plain, 80), blocks);
    quint32 total = 0;
    for (int m = 0; m < 7; ++m)
        total += u32At(plain, 60 + 4 * m);
    QCOMPARE(bytes.size(), qsizetype(2048) * (1 + total));
    // The cover sits after the blocks of the five members before it, then zero fill.
    qint64 offset = 2048;
    for (int m = 0; m < 5; ++m)
        offset += 2048 * qint64(u32At(plain, 60 + 4 * m));
    QCOMPARE(bytes.mid(offset, length), members[Cover]);
    QCOMPARE(bytes.mid(offset + length, blocks * 2048 - length),
             QByteArray(blocks * 2048 - length, '\0'));
    // Packing leaves no working file behind.
    for (const QString& name : Members)
        QVERIFY2(!QFile::exists(app.path(name)), qPrintable(name));
}

void TestContainer::packedHeaderHoldsEveryFieldAtItsOffset() {
    TempApp app;
    writeWorkingFiles(app, sampleMembers());
    const QString path = bookPath(app);
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QStringLiteral("Hola\nmundo")}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.read(2048);
    QCOMPARE(raw.mid(1075, 8), QByteArray("\x03\xFA\x00\x11\xFE\x63\x80\x01", 8));
    QCOMPARE(raw.mid(1093), QByteArray(2048 - 1093, '\0'));
    // Byte 0 was scrambled with key[0] = 3: 'T' + 3.
    QCOMPARE(quint8(raw[0]), quint8('T' + 3));

    const QByteArray plain = unscramble(raw);
    QCOMPARE(plain.mid(0, 16), QByteArray("Tessera 5.0\0\0\0\0\0", 16));
    const QList<int> lengths = {4400, 3000, 6, 64, 12, 2048, 10}; // notepad rewritten by pack
    for (int m = 0; m < 7; ++m) {
        QCOMPARE(u32At(plain, 16 + 4 * m), quint32(lengths[m]));
        QCOMPARE(u32At(plain, 60 + 4 * m), quint32((lengths[m] + 2047) / 2048));
    }
    QCOMPARE(plain.mid(44, 16), QByteArray(16, '\0'));
    QCOMPARE(plain.mid(88, 16), QByteArray(16, '\0'));
    QCOMPARE(plain.mid(104, 32), QByteArray("Ana P\xE9rez").leftJustified(32, '\0'));
    QCOMPARE(plain.mid(136, 196), QByteArray("Calle Mayor 1\r\nMadrid").leftJustified(196, '\0'));
    QCOMPARE(plain.mid(332, 64), QByteArray("ana@example.org").leftJustified(64, '\0'));
    QCOMPARE(plain.mid(396, 64), QByteArray("Tabla peri\xF3"
                                            "dica")
                                     .leftJustified(64, '\0'));
    QCOMPARE(plain.mid(460, 64), QByteArray("Qu\xEDmica").leftJustified(64, '\0'));
    QCOMPARE(plain.mid(524, 16), QByteArray("2.1").leftJustified(16, '\0'));
    QCOMPARE(plain.mid(540, 19), QByteArray("05/03/2004 09:08:07"));
    QCOMPARE(plain.mid(559, 19), QByteArray("06/04/2005 10:11:12"));
    QCOMPARE(plain.mid(578, 482), QByteArray("Los elementos").leftJustified(482, '\0'));
    QCOMPARE(quint8(plain[1060]), quint8(7));
    QCOMPARE(quint8(plain[1061]), quint8(0));
    QCOMPARE(u32At(plain, 1062), 0x00FFFBF0u);
    QCOMPARE(u32At(plain, 1066), 8421504u);
    QCOMPARE(u32At(plain, 1070), 128u);
    QCOMPARE(quint8(plain[1074]), quint8(0));
    QCOMPARE(quint8(plain[1083]), quint8(1));
    QCOMPARE(plain.mid(1084, 8), QByteArray("clave\0\0\0", 8));
    QCOMPARE(quint8(plain[1092]), quint8(4));
    // The notepad member is the text in Windows-1252 with CR LF and a closing zero.
    const qint64 notepadAt = 2048 * (1 + 3 + 2 + 1 + 1);
    QVERIFY(file.seek(notepadAt));
    QCOMPARE(file.read(13), QByteArray("Hola\r\nmundo\0\0", 13));
}

void TestContainer::unpackReadsAHandScrambledFixture() {
    TempApp app;
    const QList<QByteArray> members = sampleMembers();
    const QByteArray key("\x05\x10\xFE\x00\x80\x7F\x33\xC8", 8);
    const QByteArray container = handBuiltContainer(plainHeader(), members, key);
    app.write(QStringLiteral("books/Tabla periódica.tsb"), container);
    app.ctx.settings.eventsEnabled = 1;

    const auto book = unpackBook(app.ctx, app.path(QStringLiteral("books/Tabla periódica.tsb")),
                                 UnpackMode::Full);
    QVERIFY(book);
    for (int m = 0; m < 7; ++m)
        QCOMPARE(app.read(Members[m]), members[m]);
    const BookHeader& h = book->header;
    QCOMPARE(h.magic, QStringLiteral("Tessera 5.0"));
    QCOMPARE(h.author, QStringLiteral("Ana Pérez"));
    // Low-byte text: 0x80 is U+0080, not the Windows-1252 euro sign.
    QCOMPARE(h.authorData, QStringLiteral("Calle Mayor 1\r\nMadrid ") + QChar(0x80));
    QCOMPARE(h.email, QStringLiteral("ana@example.org"));
    QCOMPARE(h.title, QStringLiteral("Tabla periódica"));
    QCOMPARE(h.category, QStringLiteral("Química"));
    QCOMPARE(h.version, QStringLiteral("2.1"));
    QCOMPARE(h.created, QStringLiteral("05/03/2004 09:08:07"));
    QCOMPARE(h.lastPractice, QStringLiteral("06/04/2005 10:11:12"));
    QCOMPARE(h.summary, QStringLiteral("Resumen ñ"));
    QCOMPARE(h.coverDesign, quint8(7));
    QCOMPARE(h.coverPicture, false);
    QCOMPARE(h.coverColour, 0x00FFFBF0u);
    QCOMPARE(h.titleBackground, 8421504u);
    QCOMPARE(h.titleFont, 128u);
    QCOMPARE(h.titleTransparent, true);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(h.key.data()), 8), key);
    QCOMPARE(h.isProtected, true);
    QCOMPARE(h.password, QStringLiteral("clave"));
    QCOMPARE(h.choiceFormat, quint8(3));
    QCOMPARE(book->size, qint64(container.size()));
    QCOMPARE(book->notepad, QStringLiteral("Hola\nmundo"));
    QCOMPARE(app.ctx.settings.eventsEnabled, quint8(1));
    QCOMPARE(app.feedback.statusTexts.first(), QStringLiteral("E119"));
    QCOMPARE(app.feedback.statusTexts.last(), QString());
    QCOMPARE(app.feedback.progress.last(), 100);

    QStringList expected = {
        "DEC start",
        "DEC no_err",
        "DEC del files",
        "DEC del file: " + app.path(QStringLiteral("books/Tabla periódica.tsb")),
        "DEC FileExits: OK",
        "DEC rd head blk"};
    for (const QString& name : Members)
        expected << "DEC rw " + name + " blk";
    for (const QString& name : Members)
        expected << "DEC rs " + name + " blk";
    expected << "DEC rs notepad.dat blk";
    QCOMPARE(decLines(app), expected);
}

void TestContainer::packThenUnpackRoundTrips() {
    TempApp app;
    const QList<QByteArray> members = sampleMembers();
    writeWorkingFiles(app, members);
    const QString path = bookPath(app);
    const BookHeader header = sampleHeader();
    QVERIFY(packBook(app.ctx, {path, header, QStringLiteral("Línea 1\nLínea 2")}));
    const auto book = unpackBook(app.ctx, path, UnpackMode::Full);
    QVERIFY(book);
    BookHeader expected = header;
    expected.members = book->header.members;
    QCOMPARE(book->header, expected);
    QCOMPARE(book->notepad, QStringLiteral("Línea 1\nLínea 2"));
    for (int m = 0; m < 7; ++m)
        if (m != Notepad) QCOMPARE(app.read(Members[m]), members[m]);
    // The key read is the one the next pack uses: packing again gives the same bytes.
    QFile first(path);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray before = first.readAll();
    first.close();
    QVERIFY(packBook(app.ctx, {path, book->header, book->notepad}));
    QFile second(path);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), before);
}

void TestContainer::summaryKeepsAtMost482Characters_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept");
    QTest::newRow("481") << 481 << 481;
    QTest::newRow("exactly 482, no room for a terminator") << 482 << 482;
    QTest::newRow("483 is cut") << 483 << 482;
    QTest::newRow("600 is cut") << 600 << 482;
}

void TestContainer::summaryKeepsAtMost482Characters() {
    QFETCH(int, length);
    QFETCH(int, kept);
    TempApp app;
    writeWorkingFiles(app, sampleMembers());
    BookHeader header = sampleHeader();
    QString summary;
    for (int i = 0; i < length; ++i)
        summary.append(QChar(char16_t(u'a' + i % 26)));
    header.summary = summary;
    const QString path = bookPath(app);
    QVERIFY(packBook(app.ctx, {path, header, QString()}));
    const auto book = unpackBook(app.ctx, path, UnpackMode::HeaderOnly);
    QVERIFY(book);
    QCOMPARE(book->header.summary, summary.left(kept));
    // The field that follows the summary is untouched by a long one.
    QCOMPARE(book->header.coverDesign, quint8(7));
}

void TestContainer::choiceFormatOutOfRangeReadsAsOne_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("5") << 5 << 5;
    QTest::newRow("6") << 6 << 1;
    QTest::newRow("255") << 255 << 1;
}

void TestContainer::choiceFormatOutOfRangeReadsAsOne() {
    QFETCH(int, stored);
    QFETCH(int, read);
    TempApp app;
    QByteArray plain = plainHeader();
    plain[1092] = char(stored);
    app.write(
        QStringLiteral("b.tsb"),
        handBuiltContainer(plain, sampleMembers(), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08")));
    const auto book =
        unpackBook(app.ctx, app.path(QStringLiteral("b.tsb")), UnpackMode::HeaderOnly);
    QVERIFY(book);
    QCOMPARE(int(book->header.choiceFormat), read);
}

void TestContainer::notepadMember_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("member");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("empty is one zero byte") << QString() << QByteArray(1, '\0') << QString();
    QTest::newRow("a lone line break reads as empty")
        << QStringLiteral("\n") << QByteArray("\r\n\0", 3) << QString();
    QTest::newRow("lines end in CR LF")
        << QStringLiteral("uno\r\ndos\ntrés") << QByteArray("uno\r\ndos\r\ntr\xE9s\0", 15)
        << QStringLiteral("uno\ndos\ntrés");
}

void TestContainer::notepadMember() {
    QFETCH(QString, text);
    QFETCH(QByteArray, member);
    QFETCH(QString, readBack);
    QCOMPARE(encodeNotepad(text), std::optional<QByteArray>(member));
    QCOMPARE(decodeNotepad(member), readBack);
    // Without the closing zero the text runs to the end of the member.
    QCOMPARE(decodeNotepad(member.chopped(1)), readBack);
}

void TestContainer::backupCopyOfThePreviousContainer_data() {
    QTest::addColumn<bool>("otherFileSystem");
    QTest::newRow("backup folder beside the book") << false;
    QTest::newRow("backup folder on another file system, copied") << true;
}

void TestContainer::backupCopyOfThePreviousContainer() {
    QFETCH(bool, otherFileSystem);
    TempApp app;
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/tessera-backup-XXXXXX"));
    if (otherFileSystem) {
        if (!elsewhere.isValid()) QSKIP("no second file system at /dev/shm");
        app.ctx.settings.backupDir = elsewhere.path() + QDir::separator();
    }
    const QString path = bookPath(app);
    const QString backup =
        QDir(backupFolder(app.ctx)).filePath(QStringLiteral("Tabla periódica.bak"));
    writeWorkingFiles(app, sampleMembers());
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    QVERIFY2(!QFile::exists(backup), "a first pack has nothing to back up");

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    QList<QByteArray> changed = sampleMembers();
    changed[Records] = pattern(2200, 42);
    writeWorkingFiles(app, changed);
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    QFile bak(backup);
    QVERIFY(bak.open(QIODevice::ReadOnly));
    QCOMPARE(bak.readAll(), first);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() != first);
    // Only a copy shows the copy's progress.
    QCOMPARE(app.feedback.statusTexts.contains(QStringLiteral("E113")), otherFileSystem);
}

void TestContainer::vanishedBackupFolderFallsBackToTheApplicationFolder() {
    TempApp app;
    const QString path = bookPath(app);
    writeWorkingFiles(app, sampleMembers());
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    app.ctx.settings.backupDir = app.path(QStringLiteral("gone/")); // never created
    writeWorkingFiles(app, sampleMembers());
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    QVERIFY(QFile::exists(app.path(QStringLiteral("backup/Tabla periódica.bak"))));
    QCOMPARE(QDir::cleanPath(app.ctx.settings.backupDir), app.path(QStringLiteral("backup")));
    QVERIFY(app.ctx.settings.backupDir.endsWith(QDir::separator()));
    QVERIFY(!app.ctx.settings.fatalError);
}

void TestContainer::interruptedPackLeavesTheOldOrTheNewBook() {
    TempApp app;
    const QString path = bookPath(app);
    writeWorkingFiles(app, sampleMembers());
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QStringLiteral("old")}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    QList<QByteArray> changed = sampleMembers();
    changed[Records] = pattern(6600, 77);
    const qint64 newSize = 2048 * (1 + 4 + 2 + 1 + 1 + 1 + 1 + 1);
    // Every block boundary of the new container and a byte either side of it.
    QList<qint64> cuts;
    for (qint64 at = 0; at < newSize; at += 2048)
        cuts << at << at + 1 << at + 2047;
    for (qint64 cut : cuts) {
        Context& ctx = app.ctx;
        ctx.settings.fatalError = false;
        writeWorkingFiles(app, changed);
        QVERIFY(!packBook(ctx, {path, sampleHeader(), QStringLiteral("new"), cut}));
        QVERIFY(ctx.settings.errorNumber >= 77 && ctx.settings.errorNumber <= 84);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == old, qPrintable(QStringLiteral("cut at %1").arg(cut)));
        file.close();
        // Nothing half-written is left beside the book.
        QCOMPARE(QDir(app.path(QStringLiteral("books"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("Tabla periódica.tsb")});
    }
    app.ctx.settings.fatalError = false;
    const auto oldBook = unpackBook(app.ctx, path, UnpackMode::Full);
    QVERIFY(oldBook);
    QCOMPARE(oldBook->notepad, QStringLiteral("old"));
    QCOMPARE(app.read(QStringLiteral("database.db")), sampleMembers()[Records]);

    writeWorkingFiles(app, changed);
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QStringLiteral("new"), newSize}));
    const auto newBook = unpackBook(app.ctx, path, UnpackMode::Full);
    QVERIFY(newBook);
    QCOMPARE(newBook->notepad, QStringLiteral("new"));
    QCOMPARE(app.read(QStringLiteral("database.db")), changed[Records]);
}

void TestContainer::packRefusesTextsTheContainerCannotHold_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("notepad");
    QTest::newRow("title outside Windows-1252")
        << QStringLiteral("Ωmega") << QString() << QString();
    QTest::newRow("summary beyond U+00FF") << QString() << QStringLiteral("5 €") << QString();
    QTest::newRow("notepad outside Windows-1252") << QString() << QString() << QStringLiteral("Ω");
}

void TestContainer::packRefusesTextsTheContainerCannotHold() {
    QFETCH(QString, title);
    QFETCH(QString, summary);
    QFETCH(QString, notepad);
    TempApp app;
    const QString path = bookPath(app);
    writeWorkingFiles(app, sampleMembers());
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    const QByteArray old = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    writeWorkingFiles(app, sampleMembers());
    BookHeader header = sampleHeader();
    header.title = title;
    header.summary = summary;
    QVERIFY(!packBook(app.ctx, {path, header, notepad}));
    QCOMPARE(app.ctx.settings.errorNumber, 84);
    QCOMPARE(app.feedback.messages.last().text, QStringLiteral("E1: 84"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    QVERIFY2(QFile::exists(app.path(QStringLiteral("database.db"))), "working files are kept");
}

void TestContainer::packWithAMissingWorkingFileKeepsTheBook() {
    TempApp app;
    const QString path = bookPath(app);
    writeWorkingFiles(app, sampleMembers());
    QVERIFY(packBook(app.ctx, {path, sampleHeader(), QString()}));
    writeWorkingFiles(app, sampleMembers());
    QFile::remove(app.path(QStringLiteral("historic.db")));
    QVERIFY(!packBook(app.ctx, {path, sampleHeader(), QString()}));
    QCOMPARE(app.ctx.settings.errorNumber, 73); // member 4
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 73")));
    app.ctx.settings.fatalError = false;
    QVERIFY(unpackBook(app.ctx, path, UnpackMode::Full));
    QCOMPARE(app.read(QStringLiteral("historic.db")), sampleMembers()[History]);
}

void TestContainer::headerOnlyUnpackWritesTheThumbnailAlone() {
    TempApp app;
    const QList<QByteArray> members = sampleMembers();
    app.write(QStringLiteral("b.tsb"),
              handBuiltContainer(plainHeader(), members, QByteArray(8, '\x11')));
    app.write(QStringLiteral("database.db"), "left from before");
    const auto book =
        unpackBook(app.ctx, app.path(QStringLiteral("b.tsb")), UnpackMode::HeaderOnly);
    QVERIFY(book);
    QCOMPARE(app.read(QStringLiteral("image.bmp")), members[Thumbnail]);
    for (int m = 0; m < 6; ++m)
        QVERIFY2(!QFile::exists(app.path(Members[m])), qPrintable(Members[m]));
    QCOMPARE(book->header.title, QStringLiteral("Tabla periódica"));
    QCOMPARE(book->size, QFileInfo(app.path(QStringLiteral("b.tsb"))).size());
    QCOMPARE(book->notepad, QString());
    const QStringList lines = decLines(app);
    QCOMPARE(lines.filter(QStringLiteral("DEC rw ")).size(), 7);
    QCOMPARE(lines.filter(QStringLiteral("DEC rs ")), QStringList{"DEC rs image.bmp blk"});
}

void TestContainer::damagedContainerIsError92_data() {
    QTest::addColumn<int>("keep");
    QTest::addColumn<bool>("oddBlocks");
    QTest::newRow("missing file") << -1 << false;
    QTest::newRow("shorter than a header") << 1000 << false;
    QTest::newRow("header only") << 2048 << false;
    QTest::newRow("last block cut short") << 2048 * 9 - 1 << false;
    QTest::newRow("fewer blocks than the length needs") << 0 << true;
}

void TestContainer::damagedContainerIsError92() {
    QFETCH(int, keep);
    QFETCH(bool, oddBlocks);
    TempApp app;
    QByteArray plain = plainHeader();
    QByteArray container = handBuiltContainer(plain, sampleMembers(), QByteArray(8, '\x07'));
    if (oddBlocks) {
        // Member 1 says 4400 bytes in 1 block.
        QByteArray header = unscramble(container);
        putU32(header, 60, 1);
        container.replace(0, 2048, scramble(header, QByteArray(8, '\x07')));
    }
    if (keep >= 0) app.write(QStringLiteral("b.tsb"), keep > 0 ? container.left(keep) : container);
    QVERIFY(!unpackBook(app.ctx, app.path(QStringLiteral("b.tsb")), UnpackMode::Full));
    QCOMPARE(app.ctx.settings.errorNumber, 92);
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E1: 92"));
    QVERIFY(app.ctx.settings.fatalError);
    QCOMPARE(decLines(app).contains(QStringLiteral("DEC FileExits: Err")), keep < 0);
}

void TestContainer::readMagicUnscramblesTheHeader() {
    TempApp app;
    app.write(QStringLiteral("b.tsb"),
              handBuiltContainer(plainHeader(), sampleMembers(),
                                 QByteArray("\xFE\x01\x02\x03\x04\x05\x06\x07", 8)));
    QCOMPARE(readMagic(app.ctx, app.path(QStringLiteral("b.tsb"))), QStringLiteral("Tessera 5.0"));
    QByteArray foreign = plainHeader();
    putText(foreign, 0, QByteArray("Other\0v 2\0\0\0\0\0\0\0", 16));
    app.write(QStringLiteral("f.tsb"),
              handBuiltContainer(foreign, sampleMembers(), QByteArray(8, '\x09')));
    QCOMPARE(readMagic(app.ctx, app.path(QStringLiteral("f.tsb"))), QStringLiteral("Otherv 2"));
    QVERIFY(!app.ctx.settings.fatalError);
    QCOMPARE(readMagic(app.ctx, app.path(QStringLiteral("none.tsb"))), QString());
    QCOMPARE(app.ctx.settings.errorNumber, 85);
}

void TestContainer::workingFilesThatStayAreLoggedNotFatal() {
    TempApp app;
    writeWorkingFiles(app, sampleMembers());
    QFile::remove(app.path(QStringLiteral("database.mb")));
    // A folder with content in the place of two working files cannot be deleted.
    app.write(QStringLiteral("database.mb/inside"), "x");
    QFile::remove(app.path(QStringLiteral("historic.db")));
    app.write(QStringLiteral("historic.db/inside"), "x");
    deleteWorkingFiles(app.ctx);
    const QStringList errors = app.logLines().filter(QStringLiteral("ERR "));
    QCOMPARE(errors, (QStringList{QStringLiteral("ERR 98"), QStringLiteral("ERR 99")}));
    QVERIFY(!app.ctx.settings.fatalError);
    QVERIFY(app.feedback.messages.isEmpty());
    QVERIFY(!QFile::exists(app.path(QStringLiteral("image.bmp"))));
    QVERIFY(!QFile::exists(app.path(QStringLiteral("database.db"))));
}

QTEST_GUILESS_MAIN(TestContainer)
#include "test_container.moc"
