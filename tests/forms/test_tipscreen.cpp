#include "forms/tesseraapp.h"
#include "forms/tpprincipal.h"
#include "forms/tptipscreen.h"
#include "support/gui.h"
#include "support/tempapp.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

class TestTipScreen : public QObject {
    Q_OBJECT
private slots:
    void nextAlternatesBetweenTwoTipsAndTheChoiceIsKept();
};

void TestTipScreen::nextAlternatesBetweenTwoTipsAndTheChoiceIsKept() {
    TempApp files;
    files.install(programFiles());
    files.write(QStringLiteral("net.dat"), "0\r\n/unused/\r\ntrue\r\ntrue\r\n");
    files.write(QStringLiteral("tip_esp.txt"), "001 Uno\r\n002 Dos\r\n");
    QStringList atStart;
    whenShown<TPTipScreen>([&](TPTipScreen* tips) {
        atStart << tips->L_Tip->text();
        tips->Btn_Cerrar->click();
    });
    TesseraApp app(files.dir.path(), QUuid::createUuid().toString(), 0.0);
    QVERIFY(app.startUp());
    QCOMPARE(atStart.size(), 1);
    QVERIFY(atStart[0] == QLatin1String("Uno") || atStart[0] == QLatin1String("Dos"));
    QVERIFY(app.ctx().settings.showTipsAtStart);

    QStringList shown;
    bool nextEnabled = false;
    whenShown<TPTipScreen>([&](TPTipScreen* tips) {
        nextEnabled = tips->Btn_Siguiente->isEnabled();
        shown << tips->L_Tip->text();
        for (int i = 0; i < 3; ++i) {
            tips->Btn_Siguiente->click();
            shown << tips->L_Tip->text();
        }
        QTest::mouseClick(tips->L_Mostrar, Qt::LeftButton); // the label toggles the box
        QVERIFY(!tips->CB_Mostrar->isChecked());
        tips->Btn_Cerrar->click();
    });
    app.principal().findChild<QAction*>(QStringLiteral("Submenu_Ayuda_Tip"))->trigger();
    QVERIFY(nextEnabled);
    QCOMPARE(shown.size(), 4);
    QVERIFY(shown[0] != atStart[0]); // a new showing never repeats the last tip
    for (int i = 1; i < 4; ++i) QVERIFY(shown[i] != shown[i - 1]);
    QCOMPARE(shown[0], shown[2]);
    QVERIFY(!app.ctx().settings.showTipsAtStart);
    QVERIFY(inOrder(files.logLines(), {"MIN sht", "ACT TIP", "DES TIP", "MIN sc hf", "ACT TIP", "DES TIP"}));
}

QTEST_MAIN(TestTipScreen)
#include "test_tipscreen.moc"
