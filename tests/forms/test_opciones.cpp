#include "forms/barslayout.h"
#include "forms/tesseraapp.h"
#include "forms/tpopciones.h"
#include "forms/tpprincipal.h"
#include "support/program.h"
#include "support/tempapp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// A started program in its own installed application directory.
struct OptionsProgram : Program {
    Settings& settings() { return app->ctx().settings; }
    TPPrincipal& main() { return app->principal(); }
    TPOpciones& options() {
        for (QWidget* form : app->forms())
            if (auto* dialog = qobject_cast<TPOpciones*>(form)) return *dialog;
        qFatal("no options dialog");
    }
    // Opens the options dialog modally, as the menus do, and runs the steps
    // once its activation has filled it; true when they ran.
    bool withOptions(std::function<void(TPOpciones&)> steps) {
        auto ran = whenShown<TPOpciones>([steps](TPOpciones* dialog) {
            steps(*dialog);
            // A failed check leaves the steps early; the dialog must not stay open.
            if (dialog->isVisible()) dialog->done(QDialog::Rejected);
        });
        options().exec();
        return *ran;
    }

};

// The looks the dialog changes at once, as the program shows them.
struct Looks {
    int toolbarStyle, libraryStyle, transparency, barAlpha;
    QColor windowColour, shownColour;
    bool operator==(const Looks&) const = default;
};

Looks looks(OptionsProgram& p) {
    const Settings& s = p.settings();
    return {s.toolbarStyle,        s.libraryStyle,
            s.toolbarTransparency, barTransparency(*p.main().Barra_Tools),
            s.windowColour,        windowColour(p.main())};
}

char* describe(const Looks& l) {
    return QTest::toString(
        QStringLiteral("bars %1, shelves %2, transparency %3 (bars %4), colour %5 "
                       "(shown %6)")
            .arg(l.toolbarStyle)
            .arg(l.libraryStyle)
            .arg(l.transparency)
            .arg(l.barAlpha)
            .arg(l.windowColour.name(), l.shownColour.name()));
}

// Picks a colour in the colour dialog that the swatch opens.
void pickColour(TPOpciones& dialog, const QColor& colour) {
    whenShown<QColorDialog>([colour](QColorDialog* picker) {
        picker->setCurrentColor(colour);
        picker->accept();
    });
    dialog.Panel_ColorFondo->click();
}

const QColor Chosen(200, 30, 40);

// A click on the box itself, as a person aims it.
void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
} // namespace

namespace QTest {
template <> char* toString(const Looks& l) {
    return describe(l);
}
} // namespace QTest

class TestOpciones : public QObject {
    Q_OBJECT
private slots:
    void cancelAndEscape_data();
    void cancelAndEscape();
    void defaultsThenOk();
    void okTakesTheControls();
    void lastShownPageCannotBeUnticked();
    void opensOnTheOptionsPage();
    void protectionFillsThePassword();
    void barsLayoutRoundTrip();
    void badBarsLayoutChangesNothing_data();
    void badBarsLayoutChangesNothing();
    void placementComesBackOnAScreen();
};

void TestOpciones::cancelAndEscape_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("Cancel puts the looks back") << true;
    QTest::newRow("Escape keeps the looks") << false;
}

void TestOpciones::cancelAndEscape() {
    QFETCH(bool, cancel);
    OptionsProgram p;
    QVERIFY(p.started);
    Settings& s = p.settings();
    // The bars wear the stored transparency, as the interface style puts it on them.
    applyBarTransparency(p.main(), s.toolbarTransparency);
    const Looks before = looks(p);
    const int logLines = p.files.logLines().size();
    Looks during{};

    QVERIFY(p.withOptions([&](TPOpciones& d) {
        QVERIFY(d.Btn_Cancelar->isVisible());
        QVERIFY(!d.Btn_Cancelar->isEnabled());
        d.libraryStyles->button(2)->click();
        d.toolbarStyles->button(0)->click();
        d.TB_Transparencia->setValue(4);
        pickColour(d, Chosen);
        d.CB_DistinguirMayusculas->click();
        d.Ed_Nombre_Usuario->setText(QStringLiteral("Ana"));
        during = looks(p);
        QVERIFY(d.Btn_Cancelar->isEnabled());
        if (cancel)
            d.Btn_Cancelar->click();
        else
            QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
    }));

    QCOMPARE(during, (Looks{0, 2, 64, 64, Chosen, Chosen}));
    QCOMPARE(looks(p), cancel ? before : during);
    // The rest waits for OK and is dropped either way.
    QVERIFY(!s.distinguishCase);
    QVERIFY(s.userName.isEmpty());
    QVERIFY(inOrder(p.files.logLines().mid(logLines), {"ACT OPTS", "DES OPTS"}));
}

void TestOpciones::defaultsThenOk() {
    OptionsProgram p;
    Settings& s = p.settings();
    s.libraryStyle = 2;
    s.toolbarStyle = 0;
    s.toolbarTransparency = 64;
    s.tabWidth = 220;
    s.showTotalRecords = s.showLevel0Records = s.confirmRecordDeletion = false;
    s.backupDir = QStringLiteral("/elsewhere/");
    s.backupInterval = 60;
    s.showTipsAtStart = s.downloadNews = s.showHints = s.distinguishAccents = false;
    s.protectUserData = true;
    s.userDataPassword = QStringLiteral("clave");
    s.userName = QStringLiteral("Ana");
    s.showPage[3] = false;
    QCOMPARE(s.tabPosition, 3);
    QVERIFY(!s.distinguishCase);
    const QColor colour = windowColour(p.main());

    QVERIFY(p.withOptions([](TPOpciones& d) {
        d.Btn_Defecto->click();
        d.Btn_OK->click();
    }));

    QVERIFY(s.distinguishCase);
    QCOMPARE(s.tabPosition, 0);
    QCOMPARE(s.libraryStyle, 7);
    QCOMPARE(s.toolbarStyle, 3);
    QCOMPARE(s.toolbarTransparency, 208);
    QCOMPARE(barTransparency(*p.main().Barra_Interfaz), 208);
    QCOMPARE(s.tabWidth, 150);
    QVERIFY(s.showTotalRecords && s.showLevel0Records && s.confirmRecordDeletion);
    QCOMPARE(s.backupDir, s.appDir + QStringLiteral("backup/"));
    QCOMPARE(s.backupInterval, 15);
    QVERIFY(s.showTipsAtStart && s.downloadNews && s.showHints && s.distinguishAccents);
    QVERIFY(!s.protectUserData);
    QVERIFY(s.userDataPassword.isEmpty());
    QCOMPARE(s.interfaceStyle, 3);
    // The colour, the user data and the pages are not the defaults' business.
    QCOMPARE(windowColour(p.main()), colour);
    QCOMPARE(s.userName, QStringLiteral("Ana"));
    QVERIFY(!s.showPage[3]);
}

void TestOpciones::okTakesTheControls() {
    OptionsProgram p;
    Settings& s = p.settings();
    s.userDetails = QStringLiteral("uno\r\ndos");
    QVERIFY(p.withOptions([](TPOpciones& d) {
        d.Panel_Opciones->setCurrentIndex(3);
        d.Ed_Nombre_Usuario->setText(QString(40, QLatin1Char('n')));
        QTest::keyClicks(d.Ed_Email_Usuario, QStringLiteral("ana@example.org"));
        // Characters Windows-1252 lacks never reach the fields.
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("日本"));
        QApplication::sendEvent(d.Ed_Email_Usuario, &typed);
        d.Ed_Email_Usuario->insert(QStringLiteral("€日"));
        d.Ed_Datos_Usuario->appendPlainText(QStringLiteral("tres"));
        d.Ed_Datos_Usuario->appendPlainText(QStringLiteral("日本"));
        d.Ed_PosTabs->setCurrentIndex(0);
        d.Ed_AnchoTabs->setValue(230);
        d.SE_TiempoBackUp->setValue(40);
        d.Ed_MostrarReg0->click();
        d.CB_DistinguirAcentos->click();
        d.pageBoxes[6]->click();
        d.Btn_OK->click();
    }));
    QCOMPARE(s.userName, QString(32, QLatin1Char('n')));
    QCOMPARE(s.userEmail, QStringLiteral("ana@example.org"));
    QCOMPARE(s.userDetails, QStringLiteral("uno\r\ndos\r\ntres"));
    QCOMPARE(s.tabPosition, 0);
    QCOMPARE(s.tabWidth, 230);
    QCOMPARE(s.backupInterval, 40);
    QVERIFY(!s.showLevel0Records);
    QVERIFY(!s.distinguishAccents);
    QCOMPARE(s.showPage, (std::array<bool, 8>{true, true, true, true, true, true, false, true}));
}

void TestOpciones::lastShownPageCannotBeUnticked() {
    OptionsProgram p;
    // A user who shows only the practice page; the summary box is never changed here.
    p.settings().showPage = {false, false, false, true, false, false, false, false};
    QVERIFY(p.withOptions([](TPOpciones& d) {
        d.Panel_Opciones->setCurrentIndex(4);
        QCheckBox* practice = d.pageBoxes[3];
        QCheckBox* notes = d.pageBoxes[1];
        QVERIFY(!d.L_Resumen->isEnabled());
        QVERIFY(!practice->isEnabled());
        clickBox(practice);
        QVERIFY(practice->isChecked());

        clickBox(notes);
        QVERIFY(notes->isChecked());
        QVERIFY(practice->isEnabled() && notes->isEnabled());
        QVERIFY(!d.L_Resumen->isEnabled());

        clickBox(practice);
        QVERIFY(!practice->isChecked());
        QVERIFY(!notes->isEnabled());
        QVERIFY(practice->isEnabled());
        d.Btn_OK->click();
    }));
    QCOMPARE(p.settings().showPage,
             (std::array<bool, 8>{false, true, false, false, false, false, false, false}));
}

void TestOpciones::opensOnTheOptionsPage() {
    OptionsProgram p;
    p.settings().optionsPage = 2;
    int opened = -1;
    QVERIFY(p.withOptions([&](TPOpciones& d) {
        opened = d.Panel_Opciones->currentIndex();
        d.Panel_Opciones->setCurrentIndex(3);
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    QCOMPARE(opened, 1);
    QCOMPARE(p.settings().optionsPage, 4);
}

void TestOpciones::protectionFillsThePassword() {
    OptionsProgram p;
    Settings& s = p.settings();
    s.userDataPassword = QStringLiteral("clave");
    QVERIFY(p.withOptions([](TPOpciones& d) {
        QVERIFY(!d.Ed_Contrasenha->isEnabled());
        QVERIFY(d.Ed_Contrasenha->text().isEmpty());
        d.L_ProtegerDatos->click();
        QVERIFY(d.Ed_Contrasenha->isEnabled());
        QCOMPARE(d.Ed_Contrasenha->text(), QStringLiteral("clave"));
        d.L_ProtegerDatos->click();
        QVERIFY(!d.Ed_Contrasenha->isEnabled());
        QVERIFY(d.Ed_Contrasenha->text().isEmpty());
        d.L_ProtegerDatos->click();
        d.Ed_Contrasenha->setText(QStringLiteral("nueva-clave"));
        d.Btn_OK->click();
    }));
    QVERIFY(s.protectUserData);
    QCOMPARE(s.userDataPassword, QStringLiteral("nueva-cl"));
}

void TestOpciones::barsLayoutRoundTrip() {
    OptionsProgram p;
    TPPrincipal& main = p.main();
    const QString path = p.files.path(QStringLiteral("bars.dat"));
    main.Barra_Interfaz->hide();
    main.removeToolBar(main.Barra_Libreria);
    main.addToolBar(Qt::LeftToolBarArea, main.Barra_Libreria);
    main.Barra_Libreria->show();
    QVERIFY(saveBarsLayout(main, path));
    QVERIFY(p.files.read(QStringLiteral("bars.dat")).startsWith("[Bars]\r\n"));

    main.Barra_Interfaz->show();
    main.removeToolBar(main.Barra_Libreria);
    main.addToolBar(Qt::TopToolBarArea, main.Barra_Libreria);
    main.Barra_Libreria->show();
    QVERIFY(loadBarsLayout(main, path));
    QVERIFY(main.Barra_Interfaz->isHidden());
    QCOMPARE(main.toolBarArea(main.Barra_Libreria), Qt::LeftToolBarArea);
}

void TestOpciones::badBarsLayoutChangesNothing_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("another program's layout") << QByteArray("[Settings]\r\nSize=3\r\n");
    QTest::newRow("damaged state") << QByteArray("[Bars]\r\nVersion=1\r\nState=AAAA$$$\r\n");
    QTest::newRow("other version") << QByteArray("[Bars]\r\nVersion=9\r\nState=AAAA\r\n");
}

void TestOpciones::badBarsLayoutChangesNothing() {
    QFETCH(QByteArray, content);
    OptionsProgram p;
    TPPrincipal& main = p.main();
    if (!content.isEmpty()) p.files.write(QStringLiteral("bars.dat"), content);
    const QByteArray before = main.saveState(1);
    QVERIFY(!loadBarsLayout(main, p.files.path(QStringLiteral("bars.dat"))));
    QCOMPARE(main.saveState(1), before);
}

void TestOpciones::placementComesBackOnAScreen() {
    OptionsProgram p;
    TPPrincipal& main = p.main();
    Settings& s = p.settings();
    s.startMaximised = false;
    main.showNormal();
    s.mainWindowRect = QRect(40000, 40000, 900, 700);
    restoreWindowPlacement(main, s);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.intersects(main.geometry()));

    main.setGeometry(QRect(20, 30, 800, 600));
    recordWindowPlacement(main, s);
    QVERIFY(!s.mainWindowMaximised);
    QCOMPARE(s.mainWindowRect, QRect(20, 30, 800, 600));
}

QTEST_MAIN(TestOpciones)
#include "test_opciones.moc"
