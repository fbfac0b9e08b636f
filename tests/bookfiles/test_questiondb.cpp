#include "bookfiles/fixture.h"
#include "bookfiles/questiondb.h"
#include "shell/datetext.h"
#include "support/tempapp.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
QuestionRecord named(const QString& topic, const QString& question) {
    QuestionRecord r = newRecord(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    r.Tema = topic;
    r.Pregunta = question;
    return r;
}

QByteArray pictureBytes(int size, char seed) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i % 97);
    return bytes;
}

// Working files of a book whose records carry the given pictures (empty: none),
// stored one after another as a fresh store is.
void writeBook(TempApp& app, const QList<QuestionRecord>& records,
               const QList<QByteArray>& pictures) {
    QByteArray db;
    QByteArray mb;
    for (int i = 0; i < records.size(); ++i) {
        QuestionRecord r = records[i];
        const QByteArray picture = i < pictures.size() ? pictures[i] : QByteArray();
        r.ImagenPos = int(mb.size());
        r.ImagenTam = pictureBlocksBytes(picture.size());
        mb += picture;
        db += encodeRecord(r);
    }
    app.write(QStringLiteral("database.db"), db);
    app.write(QStringLiteral("database.mb"), mb);
}

QStringList questions(TempApp& app) {
    const QByteArray db = app.read(QStringLiteral("database.db"));
    QStringList result;
    for (int at = 0; at + 2200 <= db.size(); at += 2200)
        result << decodeRecord(db.mid(at, 2200)).Pregunta;
    return result;
}

QList<QuestionRecord> threeRecords() {
    return {named("A", "q1"), named("A", "q2"), named("B", "q3")};
}
} // namespace

class TestQuestionDb : public QObject {
    Q_OBJECT
private slots:
    void recordFixtureReadsAtItsOffsets();
    void recordRoundTripsAndZeroesGaps();
    void newRecordValues();
    void recordProblemsNameTheField_data();
    void recordProblemsNameTheField();
    void readingMovesThePosition();
    void readingRecordZeroChangesNothing();
    void insertPlaces_data();
    void insertPlaces();
    void insertIntoAFullBookIsRefused();
    void pictureSizesRoundUpToWholeBlocks_data();
    void pictureSizesRoundUpToWholeBlocks();
    void replaceRebuildsTheStoreInRecordOrder();
    void replaceWithAMissingPictureIsError62();
    void deleteTheOnlyRecordEmptiesBothFiles();
    void deleteLowersTheSessionCounters();
    void writeBackInPlaceEqualsTheTwinRewrite();
    void writeBackOfAnUnfitTextIsError59();
    void extractPictureTakesTheStoredBlocks();
    void topicNumberLeavesTheBufferAlone();
    void failedRewriteKeepsTheWorkingFiles_data();
    void failedRewriteKeepsTheWorkingFiles();
    void operationsStopOnceFatal();
};

void TestQuestionDb::recordFixtureReadsAtItsOffsets() {
    const QuestionRecord r = decodeRecord(recordFixture());
    QCOMPARE(r.Tema, QStringLiteral("Tráfico"));
    QCOMPARE(r.Pregunta, QStringLiteral("¿Qué indica?"));
    QCOMPARE(r.Respuesta, QStringLiteral("Ceda el paso"));
    QCOMPARE(r.Multiple, true);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(r.Opcion[i], QStringLiteral("Opción %1").arg(i + 1));
    QCOMPARE(r.Nivel, 13);
    QCOMPARE(r.PregTot, 255);
    QCOMPARE(r.PregOK, 7);
    QCOMPARE(r.ForzarRespuesta, true);
    QCOMPARE(r.Historico, QStringLiteral("+=-0123___"));
    QCOMPARE(r.HoraPregunta, 38000.5);
    QCOMPARE(r.VocBasico, true);
    QCOMPARE(r.VocExt, false);
    QCOMPARE(r.Novato, true);
    QCOMPARE(r.HoraNovato, 37999.25);
    QCOMPARE(r.NoPreguntar, true);
    QCOMPARE(r.Clasificacion, QStringLiteral("Señales"));
    QCOMPARE(r.Comentario, false);
    QCOMPARE(r.YaEstudiado, true);
    QCOMPARE(r.MostrarImagen, true);
    QCOMPARE(r.ImagenPos, 4096);
    QCOMPARE(r.ImagenTam, 2048);
    QCOMPARE(encodeRecord(r), recordFixture());
}

void TestQuestionDb::recordRoundTripsAndZeroesGaps() {
    // Bytes after a string's length and in the gaps are undefined: readers ignore them.
    QByteArray dirty = recordFixture();
    dirty[0] = 3;             // "Tr\xE1" only
    dirty[2075] = char(0xAA); // gap before Nivel
    dirty[2101] = char(0xBB); // gap before HoraPregunta
    dirty[2117] = char(0xCC); // gap before HoraNovato
    dirty[2128] = 5;          // reserved string, always written empty
    dirty[2191] = char(0xDD); // gap before ImagenPos
    const QuestionRecord r = decodeRecord(dirty);
    QCOMPARE(r.Tema, QStringLiteral("Trá"));
    const QByteArray clean = encodeRecord(r);
    QCOMPARE(quint8(clean[2075]), quint8(0));
    QCOMPARE(quint8(clean[2101]), quint8(0));
    QCOMPARE(quint8(clean[2117]), quint8(0));
    QCOMPARE(quint8(clean[2128]), quint8(0));
    QCOMPARE(quint8(clean[2191]), quint8(0));
    QCOMPARE(clean.mid(4, 21), QByteArray(21, '\0'));
    QCOMPARE(decodeRecord(clean), r);
}

void TestQuestionDb::newRecordValues() {
    const QDateTime now(QDate(2026, 12, 11), QTime(10, 30, 0));
    const QByteArray r = encodeRecord(newRecord(now));
    QCOMPARE(r.mid(2089, 11), QByteArray("\x0A__________"));
    QCOMPARE(quint8(r[0]), quint8(0));
    for (int flag : {537, 2088, 2112, 2113, 2114, 2169, 2187, 2188, 2189})
        QCOMPARE(quint8(r[flag]), quint8(0));
    for (int integer : {2076, 2080, 2084, 2192, 2196})
        QCOMPARE(i32At(r, integer), 0);
    QCOMPARE(fromDayCount(decodeRecord(r).HoraPregunta), now);
    QCOMPARE(fromDayCount(decodeRecord(r).HoraNovato), now);
}

void TestQuestionDb::recordProblemsNameTheField_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("field");
    QTest::newRow("topic of 25 characters") << 0 << QStringLiteral("Tema");
    QTest::newRow("answer outside Windows-1252") << 1 << QStringLiteral("Respuesta");
    QTest::newRow("option 6 of 256 characters") << 2 << QStringLiteral("Opcion6");
    QTest::newRow("classification of 17 characters") << 3 << QStringLiteral("Clasificacion");
}

void TestQuestionDb::recordProblemsNameTheField() {
    QFETCH(int, which);
    QFETCH(QString, field);
    QuestionRecord r = named("T", "Q");
    QVERIFY(!recordProblem(r));
    r.Tema = QString(24, QLatin1Char('x')); // exactly full is fine
    QVERIFY(!recordProblem(r));
    switch (which) {
    case 0:
        r.Tema = QString(25, QLatin1Char('x'));
        break;
    case 1:
        r.Respuesta = QStringLiteral("π");
        break;
    case 2:
        r.Opcion[5] = QString(256, QLatin1Char('x'));
        break;
    case 3:
        r.Clasificacion = QString(17, QLatin1Char('x'));
        break;
    }
    const auto problem = recordProblem(r);
    QVERIFY(problem);
    QCOMPARE(problem->field, field);
}

void TestQuestionDb::readingMovesThePosition() {
    TempApp app;
    writeBook(app, threeRecords(), {});
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QCOMPARE(db.count(), 3);
    QCOMPARE(db.position(), 0);
    QVERIFY(db.readFirst());
    QCOMPARE(db.buffer().Pregunta, QStringLiteral("q1"));
    QVERIFY(db.readNext());
    QVERIFY(db.readNext());
    QCOMPARE(db.position(), 3);
    QCOMPARE(db.buffer().Pregunta, QStringLiteral("q3"));
    QVERIFY(!db.readNext()); // end of file
    QCOMPARE(db.position(), 3);
    QVERIFY(db.read(2));
    QCOMPARE(db.buffer().Pregunta, QStringLiteral("q2"));
    QVERIFY(!db.read(4));
    QCOMPARE(db.position(), 2);
}

void TestQuestionDb::readingRecordZeroChangesNothing() {
    TempApp app;
    writeBook(app, threeRecords(), {});
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(2));
    db.buffer().Respuesta = QStringLiteral("edited");
    QVERIFY(!db.read(0));
    QCOMPARE(db.position(), 2);
    QCOMPARE(db.buffer().Respuesta, QStringLiteral("edited"));
}

void TestQuestionDb::insertPlaces_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("expected");
    const int before = int(InsertPlace::Before);
    const int after = int(InsertPlace::After);
    QTest::newRow("empty book, before") << 0 << 0 << before << QStringList{"new"};
    QTest::newRow("empty book, after") << 0 << 0 << after << QStringList{"new"};
    QTest::newRow("before record 1") << 3 << 1 << before << QStringList{"new", "q1", "q2", "q3"};
    QTest::newRow("after record 1") << 3 << 1 << after << QStringList{"q1", "new", "q2", "q3"};
    QTest::newRow("before the last") << 3 << 3 << before << QStringList{"q1", "q2", "new", "q3"};
    QTest::newRow("after the last appends")
        << 3 << 3 << after << QStringList{"q1", "q2", "q3", "new"};
    QTest::newRow("nothing read yet goes first")
        << 3 << 0 << after << QStringList{"new", "q1", "q2", "q3"};
}

void TestQuestionDb::insertPlaces() {
    QFETCH(int, records);
    QFETCH(int, current);
    QFETCH(int, place);
    QFETCH(QStringList, expected);
    TempApp app;
    writeBook(app, threeRecords().mid(0, records), {pictureBytes(1500, 'a')});
    const QByteArray store = app.read(QStringLiteral("database.mb"));
    SessionCounters session;
    QuestionDatabase db(app.ctx);
    db.setSession(&session);
    QVERIFY(db.open());
    if (current > 0) QVERIFY(db.read(current));
    QVERIFY(db.insert(named("N", "new"), static_cast<InsertPlace>(place)));
    QCOMPARE(questions(app), expected);
    QCOMPARE(db.count(), records + 1);
    QCOMPARE(db.position(), 0);
    QCOMPARE(session.recordsAdded, 1);
    QCOMPARE(app.read(QStringLiteral("database.mb")), store);
    // The first record keeps its picture wherever the new one went.
    if (records > 0) {
        const int first = expected.indexOf(QStringLiteral("q1")) + 1;
        QVERIFY(db.read(first));
        QCOMPARE(db.buffer().ImagenTam, 2048);
    }
}

void TestQuestionDb::insertIntoAFullBookIsRefused() {
    TempApp app;
    writeBook(app, {named("A", "q1")}, {});
    QFile file(app.path(QStringLiteral("database.db")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(qint64(16768) * 2200));
    file.close();
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QCOMPARE(db.count(), 16768);
    QVERIFY(db.read(1));
    QVERIFY(!db.insert(named("N", "new"), InsertPlace::After));
    QCOMPARE(QFileInfo(app.path(QStringLiteral("database.db"))).size(), qint64(16768) * 2200);
    QVERIFY(!app.ctx.settings.fatalError);
}

void TestQuestionDb::pictureSizesRoundUpToWholeBlocks_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("stored");
    QTest::newRow("1 byte") << 1 << 1024;
    QTest::newRow("1024 bytes") << 1024 << 1024;
    QTest::newRow("1025 bytes") << 1025 << 2048;
    QTest::newRow("exactly 2048 bytes") << 2048 << 2048;
}

void TestQuestionDb::pictureSizesRoundUpToWholeBlocks() {
    QFETCH(int, size);
    QFETCH(int, stored);
    TempApp app;
    writeBook(app, threeRecords(), {});
    const QByteArray picture = pictureBytes(size, 'p');
    app.write(QStringLiteral("imagen.jpg"), picture);
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(2));
    QuestionRecord edited = db.buffer();
    edited.MostrarImagen = true;
    QVERIFY(db.replaceWithPicture(edited, app.path(QStringLiteral("imagen.jpg"))));
    QCOMPARE(db.position(), 2);
    QCOMPARE(db.buffer().ImagenTam, stored);
    QCOMPARE(db.buffer().MostrarImagen, true);
    QCOMPARE(app.read(QStringLiteral("database.mb")), picture);
    QVERIFY(db.extractPicture());
    QCOMPARE(app.read(QStringLiteral("imagen.jpg")), picture);
}

void TestQuestionDb::replaceRebuildsTheStoreInRecordOrder() {
    TempApp app;
    // Pictures of records 1 and 3, 1500 and 700 bytes; record 2 has none.
    const QByteArray p1 = pictureBytes(1500, 'a');
    const QByteArray p3 = pictureBytes(700, 'c');
    writeBook(app, threeRecords(), {p1, QByteArray(), p3});
    const QByteArray p2 = pictureBytes(3000, 'b');
    app.write(QStringLiteral("new.jpg"), p2);
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(2));
    QVERIFY(db.replaceWithPicture(db.buffer(), app.path(QStringLiteral("new.jpg"))));

    // Record 1's stored picture is two whole blocks taken from the old store,
    // reaching into what followed it: record 3's picture.
    const QByteArray oldStore = p1 + p3;
    const QByteArray store = app.read(QStringLiteral("database.mb"));
    QCOMPARE(store, oldStore.left(2048) + p2 + p3);
    QList<QPair<int, int>> places;
    for (int n = 1; n <= 3; ++n) {
        QVERIFY(db.read(n));
        places.append({db.buffer().ImagenPos, db.buffer().ImagenTam});
    }
    QCOMPARE(places, (QList<QPair<int, int>>{{0, 2048}, {2048, 3072}, {5048, 1024}}));

    // Taking the picture away gives ImagenTam 0 and drops its bytes.
    QVERIFY(db.read(2));
    QVERIFY(db.replaceWithPicture(db.buffer(), QString()));
    QCOMPARE(db.buffer().ImagenTam, 0);
    QCOMPARE(app.read(QStringLiteral("database.mb")), oldStore.left(2048) + p3);
    QVERIFY(db.read(3));
    QCOMPARE(db.buffer().ImagenPos, 2048);
    QVERIFY(!QFile::exists(app.path(QStringLiteral("database2.db"))));
}

void TestQuestionDb::replaceWithAMissingPictureIsError62() {
    TempApp app;
    writeBook(app, threeRecords(), {pictureBytes(100, 'a')});
    const QByteArray db1 = app.read(QStringLiteral("database.db"));
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(1));
    QVERIFY(!db.replaceWithPicture(db.buffer(), app.path(QStringLiteral("missing.jpg"))));
    QCOMPARE(app.ctx.settings.errorNumber, 62);
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 62")));
    QCOMPARE(app.read(QStringLiteral("database.db")), db1);
}

void TestQuestionDb::deleteTheOnlyRecordEmptiesBothFiles() {
    TempApp app;
    writeBook(app, {named("A", "only")}, {pictureBytes(900, 'z')});
    SessionCounters session;
    QuestionDatabase db(app.ctx);
    db.setSession(&session);
    QVERIFY(db.open());
    QVERIFY(db.read(1));
    QVERIFY(db.remove());
    QCOMPARE(db.count(), 0);
    QCOMPARE(db.position(), 0);
    QCOMPARE(app.read(QStringLiteral("database.db")), QByteArray());
    QCOMPARE(app.read(QStringLiteral("database.mb")), QByteArray());
    QCOMPARE(session.recordsAdded, -1);
    QVERIFY(!db.readFirst());
}

void TestQuestionDb::deleteLowersTheSessionCounters() {
    TempApp app;
    QList<QuestionRecord> records = threeRecords();
    records[1].VocBasico = true;
    records[1].VocExt = true;
    records[2].VocBasico = true;
    writeBook(app, records,
              {pictureBytes(1100, 'a'), pictureBytes(200, 'b'), pictureBytes(300, 'c')});
    SessionCounters session;
    QuestionDatabase db(app.ctx);
    db.setSession(&session);
    QVERIFY(db.open());
    QVERIFY(db.read(2));
    QVERIFY(db.remove());
    QCOMPARE(session.basicChange, -1);
    QCOMPARE(session.extendedChange, -1);
    QCOMPARE(session.recordsAdded, -1);
    QCOMPARE(questions(app), (QStringList{"q1", "q3"}));
    // Record 1's two blocks ran short at the end of the old store (1600 bytes),
    // so record 3's picture follows at 1600.
    QVERIFY(db.read(1));
    QCOMPARE(db.buffer().ImagenTam, 2048);
    QVERIFY(db.read(2));
    QCOMPARE(db.buffer().ImagenPos, 1600);
    QVERIFY(db.extractPicture());
    QCOMPARE(app.read(QStringLiteral("imagen.jpg")), pictureBytes(300, 'c'));
}

void TestQuestionDb::writeBackInPlaceEqualsTheTwinRewrite() {
    TempApp app;
    writeBook(app, threeRecords(), {pictureBytes(10, 'a')});
    // Undefined bytes in the other records are kept as they are.
    QByteArray before = app.read(QStringLiteral("database.db"));
    before[2200 * 2 + 2075] = char(0x5A);
    app.write(QStringLiteral("database.db"), before);
    const QByteArray store = app.read(QStringLiteral("database.mb"));
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(2));
    db.buffer().Nivel = 5;
    db.buffer().Historico = QStringLiteral("_________+");
    QVERIFY(db.writeBack());
    QCOMPARE(db.position(), 2);
    QByteArray expected = before;
    expected.replace(2200, 2200, encodeRecord(db.buffer()));
    QCOMPARE(app.read(QStringLiteral("database.db")), expected);
    QCOMPARE(app.read(QStringLiteral("database.mb")), store);
    QVERIFY(db.readNext());
    QCOMPARE(db.buffer().Pregunta, QStringLiteral("q3"));
}

void TestQuestionDb::writeBackOfAnUnfitTextIsError59() {
    TempApp app;
    writeBook(app, threeRecords(), {});
    const QByteArray before = app.read(QStringLiteral("database.db"));
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(1));
    db.buffer().Pregunta = QStringLiteral("日本");
    QVERIFY(!db.writeBack());
    QCOMPARE(app.ctx.settings.errorNumber, 59);
    QCOMPARE(app.read(QStringLiteral("database.db")), before);
}

void TestQuestionDb::extractPictureTakesTheStoredBlocks() {
    TempApp app;
    const QByteArray p1 = pictureBytes(1500, 'a');
    const QByteArray p2 = pictureBytes(700, 'b');
    writeBook(app, threeRecords(), {p1, p2});
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(1));
    QVERIFY(db.extractPicture());
    // 2048 stored bytes: the picture and what follows it in the store.
    QCOMPARE(app.read(QStringLiteral("imagen.jpg")), (p1 + p2).left(2048));
    QVERIFY(db.read(2));
    QVERIFY(db.extractPicture());
    QCOMPARE(app.read(QStringLiteral("imagen.jpg")), p2); // fewer at the end of the store
    db.buffer().ImagenPos = 1 << 30;
    QVERIFY(!db.extractPicture());
    QCOMPARE(app.ctx.settings.errorNumber, 61);
}

void TestQuestionDb::topicNumberLeavesTheBufferAlone() {
    TempApp app;
    writeBook(app, threeRecords(), {});
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(1));
    db.buffer().Respuesta = QStringLiteral("unsaved edit");
    const QStringList topics = {"B", "A", "b", "A"};
    QCOMPARE(db.topicNumber(2, topics), 4); // the last equal name
    QCOMPARE(db.topicNumber(3, topics), 1);
    QCOMPARE(db.topicNumber(3, {"a", "c"}), 0); // case counts
    QCOMPARE(db.topicNumber(9, topics), 0);
    QCOMPARE(db.position(), 1);
    QCOMPARE(db.buffer().Respuesta, QStringLiteral("unsaved edit"));
}

void TestQuestionDb::failedRewriteKeepsTheWorkingFiles_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("code");
    QTest::newRow("replace") << 0 << 64;
    QTest::newRow("insert") << 1 << 65;
    QTest::newRow("delete") << 2 << 68;
}

void TestQuestionDb::failedRewriteKeepsTheWorkingFiles() {
    QFETCH(int, operation);
    QFETCH(int, code);
    TempApp app;
    QList<QuestionRecord> records = threeRecords();
    records[1].VocBasico = true;
    writeBook(app, records, {pictureBytes(1500, 'a'), pictureBytes(300, 'b')});
    const QByteArray db1 = app.read(QStringLiteral("database.db"));
    const QByteArray mb1 = app.read(QStringLiteral("database.mb"));
    // A folder in the twin's place cannot be written.
    app.write(QStringLiteral("database2.db/inside"), "x");
    SessionCounters session;
    QuestionDatabase db(app.ctx);
    db.setSession(&session);
    QVERIFY(db.open());
    QVERIFY(db.read(2));
    switch (operation) {
    case 0:
        QVERIFY(!db.replaceWithPicture(db.buffer(), QString()));
        break;
    case 1:
        QVERIFY(!db.insert(named("N", "new"), InsertPlace::Before));
        break;
    case 2:
        QVERIFY(!db.remove());
        break;
    }
    QCOMPARE(app.ctx.settings.errorNumber, code);
    QCOMPARE(app.feedback.messages.last().text, QStringLiteral("E1: %1").arg(code));
    QCOMPARE(app.read(QStringLiteral("database.db")), db1);
    QCOMPARE(app.read(QStringLiteral("database.mb")), mb1);
    QCOMPARE(session.recordsAdded, 0);
    QCOMPARE(session.basicChange, 0);
}

void TestQuestionDb::operationsStopOnceFatal() {
    TempApp app;
    writeBook(app, threeRecords(), {});
    const QByteArray before = app.read(QStringLiteral("database.db"));
    QuestionDatabase db(app.ctx);
    QVERIFY(db.open());
    QVERIFY(db.read(1));
    app.ctx.settings.fatalError = true;
    QVERIFY(!db.read(2));
    QVERIFY(!db.writeBack());
    QVERIFY(!db.insert(named("N", "n"), InsertPlace::After));
    QVERIFY(!db.remove());
    QCOMPARE(db.position(), 1);
    QCOMPARE(app.read(QStringLiteral("database.db")), before);
    QVERIFY(app.logLines().filter(QStringLiteral("ERR")).isEmpty());
}

QTEST_GUILESS_MAIN(TestQuestionDb)
#include "test_questiondb.moc"
