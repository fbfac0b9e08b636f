#include "bookfiles/parameters.h"
#include "support/tempapp.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// A parameter file written by hand: pool 10 and 200, asks 1..14, promotion
// cell (r, t) = 100 + r * 14 + t cut to its low 8 bits, demotion cells all 3.
QByteArray fixtureFile(const QByteArray& firstPromotion = "100") {
    QByteArray text = "10\r\n200\r\n";
    for (int a = 1; a <= 14; ++a)
        text += QByteArray::number(a) + "\r\n";
    for (int cell = 0; cell < 196; ++cell)
        text += (cell == 0 ? firstPromotion : QByteArray::number(100 + cell)) + "\r\n";
    for (int cell = 0; cell < 196; ++cell)
        text += "3\r\n";
    return text;
}
} // namespace

class TestParameters : public QObject {
    Q_OBJECT
private slots:
    void fixtureReadsInFileOrder();
    void valuesKeepTheirLowBits_data();
    void valuesKeepTheirLowBits();
    void writeThenReadRoundTrips();
    void badFilesAreTheCallersError_data();
    void badFilesAreTheCallersError();
    void failedWriteIsError35();
};

void TestParameters::fixtureReadsInFileOrder() {
    TempApp app;
    app.write(QStringLiteral("paramdb.dat"), fixtureFile());
    const auto p = readParameters(app.ctx, app.path(QStringLiteral("paramdb.dat")), 31);
    QVERIFY(p);
    QCOMPARE(p->poolMin, quint16(10));
    QCOMPARE(p->poolMax, quint16(200));
    QCOMPARE(p->asks[0], quint8(1));
    QCOMPARE(p->asks[13], quint8(14));
    QCOMPARE(p->promote[0][0], quint8(100));
    QCOMPARE(p->promote[0][13], quint8(113));
    QCOMPARE(p->promote[1][0], quint8(114));
    QCOMPARE(p->promote[13][13], quint8((100 + 195) & 0xFF)); // line 212: 295 reads as 39
    QCOMPARE(p->demote[13][0], quint8(3));
    QCOMPARE(formatParameters(*p).size(), 408);
}

void TestParameters::valuesKeepTheirLowBits_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("read");
    QTest::newRow("300 reads as 44") << QByteArray("300") << 44;
    QTest::newRow("256 reads as 0") << QByteArray("256") << 0;
    QTest::newRow("-1 reads as 255") << QByteArray("-1") << 255;
    QTest::newRow("blanks around") << QByteArray(" 12 ") << 12;
}

void TestParameters::valuesKeepTheirLowBits() {
    QFETCH(QByteArray, text);
    QFETCH(int, read);
    TempApp app;
    app.write(QStringLiteral("param.dat"), fixtureFile(text));
    const auto p = readParameters(app.ctx, app.path(QStringLiteral("param.dat")), 34);
    QVERIFY(p);
    QCOMPARE(int(p->promote[0][0]), read);
}

void TestParameters::writeThenReadRoundTrips() {
    TempApp app;
    StudyParameters p;
    p.poolMin = 0;
    p.poolMax = 65535;
    for (int level = 0; level < 14; ++level) {
        p.asks[level] = quint8(level + 2);
        for (int target = 0; target < 14; ++target) {
            p.promote[level][target] = target > level ? quint8(level * 7 % 99) : 100;
            p.demote[level][target] = target < level ? quint8(target) : 100;
        }
    }
    const QString path = app.path(QStringLiteral("paramdb.dat"));
    QVERIFY(writeParameters(app.ctx, path, p, 35));
    const QByteArray text = app.read(QStringLiteral("paramdb.dat"));
    QVERIFY(text.startsWith("0\r\n65535\r\n2\r\n3\r\n"));
    QCOMPARE(text.count("\r\n"), 408);
    QCOMPARE(readParameters(app.ctx, path, 31), std::optional<StudyParameters>(p));
}

void TestParameters::badFilesAreTheCallersError_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::newRow("407 lines") << fixtureFile().left(fixtureFile().lastIndexOf("3\r\n")) << 31;
    QTest::newRow("a word among the numbers") << fixtureFile("many") << 34;
    QTest::newRow("empty file") << QByteArray() << 18;
}

void TestParameters::badFilesAreTheCallersError() {
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    TempApp app;
    app.write(QStringLiteral("paramdb.dat"), content);
    QVERIFY(!readParameters(app.ctx, app.path(QStringLiteral("paramdb.dat")), code));
    QCOMPARE(app.ctx.settings.errorNumber, code);
    QVERIFY(app.logLines().contains(QStringLiteral("ERR %1").arg(code)));
    QVERIFY(app.ctx.settings.fatalError);
}

void TestParameters::failedWriteIsError35() {
    TempApp app;
    const QString path = app.path(QStringLiteral("missing/paramdb.dat"));
    QVERIFY(!writeParameters(app.ctx, path, StudyParameters{}, 35));
    QCOMPARE(app.ctx.settings.errorNumber, 35);
    QCOMPARE(app.feedback.messages.last().text, QStringLiteral("E1: 35"));
}

QTEST_GUILESS_MAIN(TestParameters)
#include "test_parameters.moc"
