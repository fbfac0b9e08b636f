#include "interface/languagetable.h"
#include "support/tempapp.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// A language file of n numbered entries "T1".."Tn" and, when given, a last line.
QByteArray numberedFile(int n, const QByteArray& last = QByteArray(">>>end<<<")) {
    QByteArray content;
    for (int i = 1; i <= n; ++i)
        content += "T" + QByteArray::number(i) + "\r\n";
    if (!last.isNull()) content += last + "\r\n";
    return content;
}
} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void entryRule_data();
    void entryRule();
    void fullFileLoads();
    void skippedLinesUseNoEntryNumber();
    void wrongEndMarkers_data();
    void wrongEndMarkers();
    void longLineIsCut();
    void missingFileFailsToOpen();
    void shippedFilesAreComplete_data();
    void shippedFilesAreComplete();
};

void TestLanguage::entryRule_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("entry");
    QTest::newRow("plain") << "Abrir"
                           << "Abrir";
    QTest::newRow("word, blank, @ keeps the blank") << "Libro @"
                                                    << "Libro ";
    QTest::newRow("only one @ dropped") << "a@@"
                                        << "a@";
    QTest::newRow("comment only") << "{ the shelf menu }"
                                  << "";
    QTest::newRow("comment between word and colon") << "Nombre {name label}:"
                                                    << "Nombre :";
    QTest::newRow("brace inside comment") << "a{ { }b"
                                          << "ab";
    QTest::newRow("closing brace outside comment stays") << "a}b"
                                                         << "a}b";
    QTest::newRow("unclosed comment runs to the end") << "a{bc"
                                                      << "a";
    QTest::newRow("lone @") << "@"
                            << "";
    QTest::newRow("@ after a comment") << "x {c}@"
                                       << "x ";
}

void TestLanguage::entryRule() {
    QFETCH(QString, line);
    QFETCH(QString, entry);
    QCOMPARE(LanguageTable::entryText(line), entry);
}

void TestLanguage::fullFileLoads() {
    TempApp app;
    app.write(QStringLiteral("txt.txt"), numberedFile(621));
    LanguageTable table;
    QCOMPARE(table.load(app.path(QStringLiteral("txt.txt"))), LanguageTable::LoadResult::Ok);
    QCOMPARE(table.entry(1), QStringLiteral("T1"));
    QCOMPARE(table.entry(621), QStringLiteral("T621"));
    QCOMPARE(table.entry(622), QStringLiteral(">>>end<<<"));
    QCOMPARE(table.entry(0), QString());
    QCOMPARE(table.entry(623), QString());
}

void TestLanguage::skippedLinesUseNoEntryNumber() {
    TempApp app;
    QByteArray content = "{ header comment }\r\n\r\nOne @\r\n@\r\n{c}\r\nTw\xf3{accent}\r\n";
    content += numberedFile(619).replace("T1\r\n", "T1\r\n\r\n");
    app.write(QStringLiteral("txt.txt"), content);
    LanguageTable table;
    QCOMPARE(table.load(app.path(QStringLiteral("txt.txt"))), LanguageTable::LoadResult::Ok);
    QCOMPARE(table.entry(1), QStringLiteral("One "));
    QCOMPARE(table.entry(2), QStringLiteral("Tw\u00f3"));
    QCOMPARE(table.entry(3), QStringLiteral("T1"));
    QCOMPARE(table.entry(621), QStringLiteral("T619"));
}

void TestLanguage::wrongEndMarkers_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("marker followed by a blank") << numberedFile(621, ">>>end<<< ");
    QTest::newRow("a 622nd ordinary entry") << numberedFile(622, QByteArray());
    QTest::newRow("file ends early") << numberedFile(300, QByteArray());
    QTest::newRow("marker too early") << numberedFile(620);
}

void TestLanguage::wrongEndMarkers() {
    QFETCH(QByteArray, content);
    TempApp app;
    app.write(QStringLiteral("txt.txt"), content);
    LanguageTable table;
    QCOMPARE(table.load(app.path(QStringLiteral("txt.txt"))),
             LanguageTable::LoadResult::BadEndMarker);
    QCOMPARE(table.entry(1), QStringLiteral("T1")); // what was read stays
}

void TestLanguage::longLineIsCut() {
    TempApp app;
    app.write(QStringLiteral("txt.txt"), QByteArray(300, 'w') + "\r\n" + numberedFile(620));
    LanguageTable table;
    QCOMPARE(table.load(app.path(QStringLiteral("txt.txt"))), LanguageTable::LoadResult::Ok);
    QCOMPARE(table.entry(1), QString(255, QLatin1Char('w')));
}

void TestLanguage::missingFileFailsToOpen() {
    TempApp app;
    LanguageTable table;
    QCOMPARE(table.load(app.path(QStringLiteral("txt_esp.txt"))),
             LanguageTable::LoadResult::OpenFailed);
    QCOMPARE(LanguageTable::fileName(3), QString());
    QCOMPARE(LanguageTable::fileName(1), QStringLiteral("txt_eng.txt"));
}

void TestLanguage::shippedFilesAreComplete_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("exitQuestion");
    QTest::newRow("Spanish") << int(Spanish) << QStringLiteral("¿Quieres salir de Tessera?");
    QTest::newRow("English") << int(English) << QStringLiteral("Do you want to quit Tessera?");
    QTest::newRow("Portuguese") << int(Portuguese) << QStringLiteral("Queres sair do Tessera?");
}

void TestLanguage::shippedFilesAreComplete() {
    QFETCH(int, language);
    QFETCH(QString, exitQuestion);
    LanguageTable table;
    const QString path = QStringLiteral(TESSERA_DATA_DIR "/") + LanguageTable::fileName(language);
    QCOMPARE(table.load(path), LanguageTable::LoadResult::Ok);
    for (int n = 1; n <= LanguageTable::Entries; ++n)
        QVERIFY2(!table.entry(n).isEmpty(), qPrintable(QString::number(n)));
    QCOMPARE(table.entry(57), exitQuestion);
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
