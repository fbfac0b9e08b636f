#include "bookfiles/container.h"
#include "bookfiles/fixture.h"
#include "bookfiles/questionrecord.h"
#include "support/tempapp.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
const QString Tool = QStringLiteral(TESSERA_APP_BUILD_DIR "/tessera-book");

struct Run {
    int exit = -1;
    QByteArray out;
    QString err;
};

Run tool(const QStringList& args, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(Tool, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray parameterFile() {
    QByteArray text = "10\r\n200\r\n";
    for (int i = 0; i < 406; ++i)
        text += QByteArray::number(i % 14 + 1) + "\r\n";
    return text;
}

QByteArray jpeg(int size, char seed) {
    QByteArray bytes("\xFF\xD8\xFF\xE0", 4);
    while (bytes.size() < size)
        bytes.append(char(seed + bytes.size() % 50));
    return bytes;
}

// Every field in use, quoting, a line break and a picture.
const QByteArray FullCsv =
    "Tema,Pregunta,Respuesta,Multiple,Opcion1,Opcion2,Opcion3,Opcion4,Opcion5,Opcion6,Nivel,"
    "PregTot,PregOK,ForzarRespuesta,Historico,HoraPregunta,VocBasico,VocExt,Novato,HoraNovato,"
    "NoPreguntar,Clasificacion,Comentario,YaEstudiado,MostrarImagen,Imagen\r\n"
    "Señales,\"¿Qué indica, esta señal?\",Ceda el paso,1,Ceda,\"Pare \"\"ya\"\"\",c,d,e,f,13,255,"
    "7,1,+=-0123___,05/03/2004 09:08:07,1,0,1,06/04/2005 10:11:12,0,Tráfico,0,1,1,pics/one.jpg\r\n"
    "Señales,\"Dos\r\nlíneas\",B,0,,,,,,,0,0,0,0,__________,01/01/2020 00:00:00,0,1,0,"
    "01/01/2020 00:00:00,1,,1,0,0,\r\n"
    "Normas,Tercera,C,0,,,,,,,2,3,1,0,_________-,31/12/2022 23:59:59,0,0,0,"
    "31/12/2022 23:59:59,0,,0,0,1,pics/two.jpg\r\n";

class Folder {
public:
    Folder() {
        write("param.dat", parameterFile());
        write("pics/one.jpg", jpeg(1500, 'a'));
        write("pics/two.jpg", jpeg(2048, 'b'));
        write("in.csv", FullCsv);
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void write(const QString& name, const QByteArray& content) const {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    Run run(const QStringList& args) const { return tool(args, dir.path()); }
    QTemporaryDir dir;
};

const QStringList CreateArgs = {"--params",         "param.dat", "--key",
                                "00ff10e0a1b2c3d4", "--now",     "11/12/2026 10:30:00"};

QJsonObject infoOf(const Folder& folder, const QString& book) {
    const Run run = folder.run({"info", book});
    return QJsonDocument::fromJson(run.out).object();
}
} // namespace

class TestTesseraBook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void createWritesEveryFieldAtItsOffset();
    void infoNamesEveryHeaderField();
    void exportCreateExportGivesTheSameRecords_data();
    void exportCreateExportGivesTheSameRecords();
    void readsAHandBuiltBook();
    void bookWithoutRecords_data();
    void bookWithoutRecords();
    void badInputNamesFileLineAndField_data();
    void badInputNamesFileLineAndField();
    void damagedContainersAreBadInput_data();
    void damagedContainersAreBadInput();
    void checkReportsEachProblem();
    void usageErrors_data();
    void usageErrors();
};

void TestTesseraBook::initTestCase() {
    QVERIFY2(QFileInfo::exists(Tool), "build the tessera-book target first");
}

void TestTesseraBook::createWritesEveryFieldAtItsOffset() {
    Folder folder;
    const Run run =
        folder.run(QStringList{"create", "b.tsb", "--from", "in.csv", "--title", "Título",
                               "--summary", "Línea 1\nLínea 2", "--choice-format", "4"} +
                   CreateArgs);
    QCOMPARE(run.exit, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QByteArray book = folder.read("b.tsb");
    const QByteArray plain = unscramble(book);
    QCOMPARE(book.mid(1075, 8), QByteArray::fromHex("00ff10e0a1b2c3d4"));
    QCOMPARE(plain.left(16), QByteArray("Tessera 5.0\0\0\0\0\0", 16));
    QCOMPARE(plain.mid(396, 7), QByteArray("T\xEDtulo\0", 7));
    QCOMPARE(plain.mid(578, 17), QByteArray("L\xEDnea 1\r\nL\xEDnea 2\0", 17));
    QCOMPARE(plain.mid(540, 19), QByteArray("11/12/2026 10:30:00"));
    QCOMPARE(quint8(plain[1092]), quint8(4));
    QCOMPARE(u32At(plain, 16), 3u * 2200);
    QCOMPARE(u32At(plain, 20), 1500u + 2048u);
    QCOMPARE(u32At(plain, 60), 4u);

    // Records start at the first block after the header.
    const QByteArray first = book.mid(2048, 2200);
    QCOMPARE(first.mid(0, 8), QByteArray("\x07Se\xF1"
                                         "ales"));
    const QByteArray question = "\xBFQu\xE9 indica, esta se\xF1"
                                "al?";
    QCOMPARE(first.mid(25, question.size() + 1), char(question.size()) + question);
    QCOMPARE(quint8(first[537]), quint8(1));
    QCOMPARE(first.mid(794, 10), QByteArray("\x09Pare \"ya\""));
    QCOMPARE(i32At(first, 2076), 13);
    QCOMPARE(i32At(first, 2080), 255);
    QCOMPARE(i32At(first, 2084), 7);
    QCOMPARE(first.mid(2089, 11), QByteArray("\x0A+=-0123___"));
    QCOMPARE(first.mid(2170, 8), QByteArray("\x07Tr\xE1"
                                            "fico"));
    QCOMPARE(i32At(first, 2192), 0);
    QCOMPARE(i32At(first, 2196), 2048);
    const QByteArray third = book.mid(2048 + 4400, 2200);
    QCOMPARE(i32At(third, 2192), 1500);
    QCOMPARE(i32At(third, 2196), 2048);
    const QByteArray second = book.mid(2048 + 2200, 2200);
    const QByteArray lines = "Dos\r\nl\xEDneas";
    QCOMPARE(second.mid(25, lines.size() + 1), char(lines.size()) + lines);
    QCOMPARE(i32At(second, 2196), 0);
    // The picture store follows the four record blocks.
    QCOMPARE(book.mid(2048 * 5, 1500 + 2048), jpeg(1500, 'a') + jpeg(2048, 'b'));
}

void TestTesseraBook::infoNamesEveryHeaderField() {
    Folder folder;
    QByteArray plain = plainHeader();
    const QList<QByteArray> members = {
        recordFixture(), jpeg(2048, 'x'), parameterFile(), {}, QByteArray(1, '\0'), {}, "BM12"};
    folder.write("h.tsb",
                 handBuiltContainer(plain, members, QByteArray::fromHex("050a0f14191e2328")));
    const Run run = folder.run({"info", "h.tsb"});
    QCOMPARE(run.exit, 0);
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    const QStringList keys = {
        "magic",           "size",         "members",          "author",       "authorData",
        "email",           "title",        "category",         "version",      "created",
        "lastPractice",    "summary",      "coverDesign",      "coverPicture", "coverColour",
        "titleBackground", "titleFont",    "titleTransparent", "key",          "protected",
        "password",        "choiceFormat", "records"};
    QCOMPARE(QStringList(info.keys()).size(), keys.size());
    // The keys come in the documented order.
    qsizetype last = -1;
    for (const QString& key : keys) {
        const qsizetype at = run.out.indexOf("\"" + key.toUtf8() + "\":");
        QVERIFY2(at > last, qPrintable(key));
        last = at;
    }
    QCOMPARE(info["magic"].toString(), QStringLiteral("Tessera 5.0"));
    QCOMPARE(info["size"].toInteger(), qint64(2048 * 7));
    const QJsonArray table = info["members"].toArray();
    QCOMPARE(table.size(), 7);
    QCOMPARE(table[0].toObject()["name"].toString(), QStringLiteral("database.db"));
    QCOMPARE(table[0].toObject()["length"].toInteger(), 2200);
    QCOMPARE(table[0].toObject()["blocks"].toInteger(), 2);
    QCOMPARE(table[3].toObject()["blocks"].toInteger(), 0);
    QCOMPARE(info["author"].toString(), QStringLiteral("Ana Pérez"));
    QCOMPARE(info["authorData"].toString(), QStringLiteral("Calle Mayor 1\r\nMadrid \u0080"));
    QCOMPARE(info["title"].toString(), QStringLiteral("Tabla periódica"));
    QCOMPARE(info["created"].toString(), QStringLiteral("05/03/2004 09:08:07"));
    QCOMPARE(info["summary"].toString(), QStringLiteral("Resumen ñ"));
    QCOMPARE(info["coverDesign"].toInt(), 7);
    QCOMPARE(info["coverPicture"].toBool(), false);
    QCOMPARE(info["coverColour"].toInteger(), 0x00FFFBF0);
    QCOMPARE(info["titleBackground"].toInteger(), 8421504);
    QCOMPARE(info["titleFont"].toInteger(), 128);
    QCOMPARE(info["titleTransparent"].toBool(), true);
    QCOMPARE(info["key"].toString(), QStringLiteral("050a0f14191e2328"));
    QCOMPARE(info["protected"].toBool(), true);
    QCOMPARE(info["password"].toString(), QStringLiteral("clave"));
    QCOMPARE(info["choiceFormat"].toInt(), 3);
    QCOMPARE(info["records"].toInt(), 1);
}

void TestTesseraBook::exportCreateExportGivesTheSameRecords_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("json") << QStringLiteral("json");
    QTest::newRow("csv") << QStringLiteral("csv");
}

void TestTesseraBook::exportCreateExportGivesTheSameRecords() {
    QFETCH(QString, format);
    Folder folder;
    QCOMPARE(folder.run(QStringList{"create", "a.tsb", "--from", "in.csv"} + CreateArgs).exit, 0);
    const QString out = "a." + format;
    const Run first = folder.run(
        {"export", "a.tsb", "--format", format, "--output", out, "--pictures", "pictures"});
    QCOMPARE(first.exit, 0);
    QCOMPARE(folder.read("pictures/record-00001.jpg").left(1500), jpeg(1500, 'a'));
    QCOMPARE(folder.run(QStringList{"create", "b.tsb", "--from", out} + CreateArgs).exit, 0);
    const Run again = folder.run({"export", "b.tsb", "--format", format});
    const Run original = folder.run({"export", "a.tsb", "--format", format});
    QCOMPARE(again.exit, 0);
    QCOMPARE(again.out, original.out);
    QVERIFY(original.out.contains(format == "csv"
                                      ? "Se\xC3\xB1"
                                        "ales,\"\xC2\xBFQu\xC3\xA9 indica, esta se\xC3\xB1"
                                        "al?\""
                                      : "\"Tema\": \"Se\xC3\xB1"
                                        "ales\""));
    if (format == "json") {
        const QJsonArray records = QJsonDocument::fromJson(original.out).array();
        QCOMPARE(records.size(), 3);
        const QJsonObject first = records[0].toObject();
        QCOMPARE(first["HoraPregunta"].toString(), QStringLiteral("05/03/2004 09:08:07"));
        QCOMPARE(first["Multiple"].toBool(), true);
        QCOMPARE(first["ImagenTam"].toInt(), 2048);
        QCOMPARE(records[1].toObject()["Pregunta"].toString(), QStringLiteral("Dos\r\nlíneas"));
        QCOMPARE(records[1].toObject()["NoPreguntar"].toBool(), true);
    }
    // The pictures come out of the new book as they came out of the first.
    QCOMPARE(folder.run({"export", "b.tsb", "--output", "b.out", "--pictures", "again"}).exit, 0);
    for (const char* name : {"record-00001.jpg", "record-00003.jpg"})
        QCOMPARE(folder.read(QStringLiteral("again/") + name),
                 folder.read(QStringLiteral("pictures/") + name));
    QVERIFY(!QFileInfo::exists(folder.path("again/record-00002.jpg")));
}

void TestTesseraBook::readsAHandBuiltBook() {
    Folder folder;
    QByteArray second = recordFixture();
    putShort(second, 0, "Otro");
    putI32(second, 2192, 0);
    putI32(second, 2196, 0);
    const QList<QByteArray> members = {recordFixture() + second,
                                       jpeg(4096 + 1100, 'q'),
                                       parameterFile(),
                                       {},
                                       QByteArray(1, '\0'),
                                       {},
                                       {}};
    folder.write("h.tsb", handBuiltContainer(plainHeader(), members,
                                             QByteArray::fromHex("ff00ff00ff00ff00")));
    const Run json = folder.run({"export", "h.tsb"});
    QCOMPARE(json.exit, 0);
    const QJsonArray records = QJsonDocument::fromJson(json.out).array();
    QCOMPARE(records.size(), 2);
    const QJsonObject r = records[0].toObject();
    QCOMPARE(r["Tema"].toString(), QStringLiteral("Tráfico"));
    QCOMPARE(r["Pregunta"].toString(), QStringLiteral("¿Qué indica?"));
    QCOMPARE(r["Opcion6"].toString(), QStringLiteral("Opción 6"));
    QCOMPARE(r["Nivel"].toInt(), 13);
    QCOMPARE(r["PregTot"].toInt(), 255);
    QCOMPARE(r["ForzarRespuesta"].toBool(), true);
    QCOMPARE(r["Historico"].toString(), QStringLiteral("+=-0123___"));
    QCOMPARE(r["HoraPregunta"].toString(), QStringLiteral("14/01/2004 12:00:00"));
    QCOMPARE(r["HoraNovato"].toString(), QStringLiteral("13/01/2004 06:00:00"));
    QCOMPARE(r["VocBasico"].toBool(), true);
    QCOMPARE(r["VocExt"].toBool(), false);
    QCOMPARE(r["Clasificacion"].toString(), QStringLiteral("Señales"));
    QCOMPARE(r["ImagenTam"].toInt(), 2048);
    QCOMPARE(records[1].toObject()["Tema"].toString(), QStringLiteral("Otro"));
    const Run csv = folder.run({"export", "h.tsb", "--format", "csv", "--pictures", "p"});
    QCOMPARE(csv.exit, 0);
    QVERIFY(csv.out.contains(",0,1,1,2048,p/record-00001.jpg\r\n"));
    // The picture at 4096 runs to the end of the store: 1100 bytes.
    QCOMPARE(folder.read("p/record-00001.jpg"), jpeg(4096 + 1100, 'q').mid(4096));
    QCOMPARE(folder.run({"check", "h.tsb"}).exit, 0);
}

void TestTesseraBook::bookWithoutRecords_data() {
    QTest::addColumn<bool>("headerOnlyCsv");
    QTest::newRow("no --from") << false;
    QTest::newRow("a CSV with just its header row") << true;
}

void TestTesseraBook::bookWithoutRecords() {
    QFETCH(bool, headerOnlyCsv);
    Folder folder;
    folder.write("empty.csv", "Tema,Pregunta,Respuesta\r\n");
    folder.write("image_p.bmp", "BM-thumbnail");
    QStringList args = {"create", "empty.ts_", "--image", "image_p.bmp", "--title", ""};
    if (headerOnlyCsv)
        args << "--from"
             << "empty.csv";
    QCOMPARE(folder.run(args + CreateArgs).exit, 0);
    const QJsonObject info = infoOf(folder, "empty.ts_");
    QCOMPARE(info["records"].toInt(), 0);
    QCOMPARE(info["members"].toArray()[0].toObject()["blocks"].toInt(), 0);
    QCOMPARE(folder.run({"export", "empty.ts_"}).out, QByteArray("[]\n"));
    QCOMPARE(folder.run({"check", "empty.ts_"}).exit, 0);

    // The program unpacks it as any book: empty record files, the parameters, the thumbnail.
    TempApp app;
    const auto book = unpackBook(app.ctx, folder.path("empty.ts_"), UnpackMode::Full);
    QVERIFY(book);
    QCOMPARE(app.read("database.db"), QByteArray());
    QCOMPARE(app.read("paramdb.dat"), parameterFile());
    QCOMPARE(app.read("image.bmp"), QByteArray("BM-thumbnail"));
    QCOMPARE(app.read("notepad.dat"), QByteArray(1, '\0'));
    QVERIFY(QFileInfo::exists(app.path("historic.db")));
}

void TestTesseraBook::badInputNamesFileLineAndField_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("inputName");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QStringList>("words");
    const QByteArray head = "Tema,Pregunta,Respuesta,Imagen\r\n";
    QByteArray many = "Tema,Pregunta,Respuesta\r\n";
    for (int i = 0; i <= 16768; ++i)
        many += "T,Q" + QByteArray::number(i) + ",R\r\n";
    QTest::newRow("text outside Windows-1252")
        << head + "T,Q,R,\r\nT,日本,R,\r\n"
        << "in.csv" << QStringList()
        << QStringList{"in.csv: line 3: field Pregunta", "Windows-1252"};
    QTest::newRow("topic over its 24 characters")
        << head + "TTTTTTTTTTTTTTTTTTTTTTTTT,Q,R,\r\n"
        << "in.csv" << QStringList() << QStringList{"in.csv: line 2: field Tema", "24"};
    QTest::newRow("missing picture")
        << head + "T,Q,R,\r\n\"T\",\"Q\",\"R\",gone.jpg\r\n"
        << "in.csv" << QStringList() << QStringList{"in.csv: line 3: field Imagen", "gone.jpg"};
    QTest::newRow("picture that is no JPEG")
        << head + "T,Q,R,param.dat\r\n"
        << "in.csv" << QStringList() << QStringList{"line 2: field Imagen", "not a JPEG"};
    QTest::newRow("more than 16768 records")
        << many << "in.csv" << QStringList() << QStringList{"in.csv", "16769 records", "16768"};
    QTest::newRow("CSV saved in Windows-1252")
        << QByteArray("Tema,Pregunta,Respuesta\r\nT,Q,R\r\nT,Se\xF1"
                      "al,R\r\n")
        << "in.csv" << QStringList() << QStringList{"in.csv: line 3", "UTF-8"};
    QTest::newRow("level out of range")
        << QByteArray("Tema,Pregunta,Respuesta,Nivel\r\nT,Q,R,14\r\n") << "in.csv" << QStringList()
        << QStringList{"line 2: field Nivel", "0..13"};
    QTest::newRow("flag that is not one")
        << QByteArray("Tema,Pregunta,Respuesta,VocExt\r\nT,Q,R,yes\r\n") << "in.csv"
        << QStringList() << QStringList{"line 2: field VocExt", "yes"};
    QTest::newRow("time that is not one")
        << QByteArray("Tema,Pregunta,Respuesta,HoraPregunta\r\nT,Q,R,31/02/2020 10:00:00\r\n")
        << "in.csv" << QStringList() << QStringList{"line 2: field HoraPregunta"};
    QTest::newRow("unknown column")
        << QByteArray("Tema,Pregunta,Respuesta,Pregunta2\r\n") << "in.csv" << QStringList()
        << QStringList{"in.csv: line 1", "Pregunta2"};
    QTest::newRow("required column missing")
        << QByteArray("Tema,Pregunta\r\nT,Q\r\n") << "in.csv" << QStringList()
        << QStringList{"in.csv: line 1", "Respuesta"};
    QTest::newRow("row of the wrong width")
        << QByteArray("Tema,Pregunta,Respuesta\r\nT,Q\r\n") << "in.csv" << QStringList()
        << QStringList{"in.csv: line 2", "2 fields", "3"};
    QTest::newRow("quote never closed")
        << QByteArray("Tema,Pregunta,Respuesta\r\nT,\"Q,R\r\nT,Q,R\r\n") << "in.csv"
        << QStringList() << QStringList{"in.csv: line 2", "never closed"};
    QTest::newRow("JSON of the wrong type")
        << QByteArray("[{\"Tema\":\"T\",\"Pregunta\":\"Q\",\"Respuesta\":\"R\"},\n "
                      "{\"Tema\":\"T\",\"Pregunta\":5,\"Respuesta\":\"R\"}]")
        << "in.json" << QStringList() << QStringList{"in.json: record 2: field Pregunta", "string"};
    QTest::newRow("JSON that does not parse")
        << QByteArray("[\n{\"Tema\": \"T\",\n\"Pregunta\" \"Q\"}]") << "in.json" << QStringList()
        << QStringList{"in.json: line 3"};
    QTest::newRow("title outside Windows-1252")
        << head << "in.csv" << QStringList{"--title", "Ωmega"}
        << QStringList{"--title", "Windows-1252"};
    QTest::newRow("summary beyond U+00FF")
        << head << "in.csv" << QStringList{"--summary", "5 €"} << QStringList{"--summary"};
}

void TestTesseraBook::badInputNamesFileLineAndField() {
    QFETCH(QByteArray, input);
    QFETCH(QString, inputName);
    QFETCH(QStringList, extra);
    QFETCH(QStringList, words);
    Folder folder;
    folder.write(inputName, input);
    const Run run =
        folder.run(QStringList{"create", "out.tsb", "--from", inputName} + extra + CreateArgs);
    QCOMPARE(run.exit, 1);
    for (const QString& word : words)
        QVERIFY2(run.err.contains(word), qPrintable(run.err));
    QCOMPARE(QDir(folder.dir.path()).entryList({"out.tsb*"}, QDir::Files), QStringList());

    // A book already there stays as it was.
    folder.write("out.tsb", "previous");
    QCOMPARE(
        folder.run(QStringList{"create", "out.tsb", "--from", inputName} + extra + CreateArgs).exit,
        1);
    QCOMPARE(folder.read("out.tsb"), QByteArray("previous"));
}

void TestTesseraBook::damagedContainersAreBadInput_data() {
    QTest::addColumn<int>("keep");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("words");
    QTest::newRow("missing file") << -1 << false << "cannot open";
    QTest::newRow("shorter than its header") << 100 << false << "truncated";
    QTest::newRow("last member cut short") << 2048 * 4 + 10 << false << "truncated";
    QTest::newRow("foreign header") << 0 << true << "not a Tessera book";
}

void TestTesseraBook::damagedContainersAreBadInput() {
    QFETCH(int, keep);
    QFETCH(bool, foreign);
    QFETCH(QString, words);
    Folder folder;
    QByteArray plain = plainHeader();
    if (foreign) putText(plain, 0, QByteArray("Another 1.0\0", 12));
    const QByteArray book = handBuiltContainer(
        plain, {recordFixture(), jpeg(5000, 'z'), parameterFile(), {}, {}, {}, {}},
        QByteArray::fromHex("0102030405060708"));
    if (keep >= 0) folder.write("d.tsb", keep > 0 ? book.left(keep) : book);
    for (const char* command : {"info", "export"}) {
        const Run run = folder.run({command, "d.tsb"});
        QCOMPARE(run.exit, 1);
        QVERIFY2(run.err.contains("d.tsb") && run.err.contains(words), qPrintable(run.err));
        QCOMPARE(run.out, QByteArray());
    }
    const Run check = folder.run({"check", "d.tsb"});
    QCOMPARE(check.exit, 1);
    QVERIFY2((check.out + check.err.toUtf8()).contains(words.toUtf8()), check.out.constData());
}

void TestTesseraBook::checkReportsEachProblem() {
    Folder folder;
    QByteArray record = recordFixture();
    putI32(record, 2076, 20);   // level
    record[2113] = 2;           // a flag byte
    putI32(record, 2192, 9000); // picture beyond the 5000-byte store
    record[281] = char(255);    // answer length over nothing
    QByteArray plain = plainHeader();
    plain[1092] = 0;
    putText(plain, 540, "yesterday          ");
    folder.write("c.tsb", handBuiltContainer(plain,
                                             {record + QByteArray(100, '\0'),
                                              jpeg(5000, 'z'),
                                              "1\r\n",
                                              QByteArray(70, '\0'),
                                              {},
                                              "nojpeg",
                                              {}},
                                             QByteArray::fromHex("1111111111111111")));
    const Run run = folder.run({"check", "c.tsb"});
    QCOMPARE(run.exit, 1);
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {"record 1: field Nivel",
                                  "record 1: field VocExt",
                                  "record 1: field ImagenPos",
                                  "database.db holds 2300 bytes",
                                  "multiple-choice format is 0",
                                  "creation date",
                                  "paramdb.dat",
                                  "historic.db holds 70 bytes",
                                  "cover.jpg"};
    for (const QString& words : expected)
        QVERIFY2(lines.filter(words).size() == 1, qPrintable(words + "\n" + run.out));
    for (const QString& line : lines)
        QVERIFY(line.startsWith("c.tsb: "));
    QVERIFY2(lines.filter("Respuesta").isEmpty(), "a length byte of 255 fits a capacity of 255");
}

void TestTesseraBook::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{"list", "a.tsb"} << 2;
    QTest::newRow("no book") << QStringList{"info"} << 2;
    QTest::newRow("unknown option") << QStringList{"info", "a.tsb", "--verbose", "1"} << 2;
    QTest::newRow("option without its value") << QStringList{"export", "a.tsb", "--format"} << 2;
    QTest::newRow("unknown format") << QStringList{"export", "a.tsb", "--format", "xml"} << 2;
    QTest::newRow("choice format out of range")
        << QStringList{"create", "n.tsb", "--choice-format", "6"} << 2;
    QTest::newRow("key of the wrong length") << QStringList{"create", "n.tsb", "--key", "abc"} << 2;
}

void TestTesseraBook::usageErrors() {
    QFETCH(QStringList, args);
    QFETCH(int, exit);
    Folder folder;
    const Run run = folder.run(args);
    QCOMPARE(run.exit, exit);
    if (exit == 0)
        QVERIFY(run.out.startsWith("Usage: tessera-book"));
    else
        QVERIFY2(run.err.startsWith("tessera-book: "), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(folder.path("n.tsb")));
}

QTEST_GUILESS_MAIN(TestTesseraBook)
#include "test_tessera_book.moc"
