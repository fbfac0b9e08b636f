#include "interface/tips.h"
#include "support/tempapp.h"

#include <QtTest>

using namespace tessera;
using namespace tessera::test;

class TestTips : public QObject {
    Q_OBJECT
private slots:
    void tipsAreTheNonEmptyLinesFromTheFifthCharacter();
    void choosing_data();
    void choosing();
    void unreadableFileStopsTheProgram_data();
    void unreadableFileStopsTheProgram();
    void shippedTipFiles_data();
    void shippedTipFiles();
};

void TestTips::tipsAreTheNonEmptyLinesFromTheFifthCharacter() {
    TempApp app;
    app.ctx.settings.currentLanguage = English;
    app.write(QStringLiteral("tip_eng.txt"), "001 First tip\r\n\r\n002 Second \xe1\r\n\r\n");
    QCOMPARE(countTips(app.ctx), std::optional<int>(2));
    QCOMPARE(readTip(app.ctx, 1), std::optional<QString>(QStringLiteral("First tip")));
    QCOMPARE(readTip(app.ctx, 2), std::optional<QString>(QStringLiteral("Second \u00e1")));
    QCOMPARE(readTip(app.ctx, 3), std::optional<QString>(QString()));
}

void TestTips::choosing_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("previous");
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QList<int>>("allowed");
    QTest::newRow("no tips") << 0 << 0 << false << QList<int>{0};
    QTest::newRow("one tip") << 1 << 1 << false << QList<int>{1};
    QTest::newRow("first start") << 30 << 0 << true << QList<int>{1};
    QTest::newRow("two tips alternate") << 2 << 1 << false << QList<int>{2};
    QTest::newRow("never the previous") << 3 << 2 << false << QList<int>{1, 3};
}

void TestTips::choosing() {
    QFETCH(int, count);
    QFETCH(int, previous);
    QFETCH(bool, firstStart);
    QFETCH(QList<int>, allowed);
    TempApp app;
    app.random.seed(7);
    QSet<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int tip = chooseTip(app.ctx, count, previous, firstStart);
        QVERIFY2(allowed.contains(tip), qPrintable(QString::number(tip)));
        seen << tip;
    }
    QCOMPARE(seen.size(), allowed.size());
}

void TestTips::unreadableFileStopsTheProgram_data() {
    QTest::addColumn<bool>("counting");
    QTest::addColumn<int>("error");
    QTest::newRow("counting") << true << 52;
    QTest::newRow("reading") << false << 51;
}

void TestTips::unreadableFileStopsTheProgram() {
    QFETCH(bool, counting);
    QFETCH(int, error);
    TempApp app;
    if (counting)
        QVERIFY(!countTips(app.ctx));
    else
        QVERIFY(!readTip(app.ctx, 1));
    QCOMPARE(app.ctx.settings.errorNumber, error);
    QVERIFY(app.ctx.settings.fatalError);
    QCOMPARE(app.feedback.messages.value(0).text, QStringLiteral("E1: %1").arg(error));
}

void TestTips::shippedTipFiles_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Spanish") << int(Spanish);
    QTest::newRow("English") << int(English);
    QTest::newRow("Portuguese") << int(Portuguese);
}

void TestTips::shippedTipFiles() {
    QFETCH(int, language);
    TempApp app;
    app.install({tipFileName(language)});
    app.ctx.settings.currentLanguage = language;
    const auto count = countTips(app.ctx);
    QVERIFY(count && *count >= 20);
    for (int n = 1; n <= *count; ++n) {
        const QString tip = readTip(app.ctx, n).value_or(QString());
        QVERIFY2(tip.size() > 20 && !tip.startsWith(QLatin1Char(' ')), qPrintable(tip));
    }
}

QTEST_GUILESS_MAIN(TestTips)
#include "test_tips.moc"
