#include "forms/languageapply.h"
#include "forms/tesseraapp.h"
#include "forms/tpmensaje.h"
#include "support/gui.h"
#include "support/tempapp.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QUuid>
#include <QtTest>

using namespace tessera;
using namespace tessera::test;

namespace {
// A message box over a fresh application whose language table holds "E<n>".
struct Box {
    Box() : app(files.dir.path(), QUuid::createUuid().toString(), 0.0), box(app, nullptr) {
        for (int n = 1; n <= 621; ++n)
            app.ctx().language.setEntry(n, QStringLiteral("E%1").arg(n));
        app.ctx().eventLog().setEnabled(true);
        applyTexts(app.ctx().language, {&box});
    }
    TempApp files;
    TesseraApp app;
    TPMensaje box;
};
} // namespace

class TestMessage : public QObject {
    Q_OBJECT
private slots:
    void lineBreaksByLength_data();
    void lineBreaksByLength();
    void answers_data();
    void answers();
    void kindsShowTheirPictureCaptionAndButtons_data();
    void kindsShowTheirPictureCaptionAndButtons();
    void noticeIsReplacedByTheNextMessage();
    void nothingShowsAfterAFatalStop();
};

void TestMessage::lineBreaksByLength_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("39") << 39 << "\n\n";
    QTest::newRow("40") << 40 << "\n";
    QTest::newRow("59") << 59 << "\n";
    QTest::newRow("60") << 60 << "";
}

void TestMessage::lineBreaksByLength() {
    QFETCH(int, length);
    QFETCH(QString, prefix);
    const QString text(length, QLatin1Char('m'));
    QCOMPARE(TPMensaje::layoutText(text), prefix + text);
}

// How the person answers: a button, Escape, or the close box of the title bar.
void TestMessage::answers_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::newRow("question, Si") << int(MessageKind::Question) << "Btn_Si" << int(AnswerYes);
    QTest::newRow("question, No") << int(MessageKind::Question) << "Btn_No" << int(AnswerNo);
    QTest::newRow("question, Escape") << int(MessageKind::Question) << "escape" << int(AnswerNo);
    QTest::newRow("question, close box") << int(MessageKind::Question) << "close" << int(AnswerNo);
    QTest::newRow("error, Ok") << int(MessageKind::Error) << "Btn_OK" << int(AnswerOk);
    QTest::newRow("error, close box") << int(MessageKind::Error) << "close" << int(AnswerOk);
    QTest::newRow("information, Escape")
        << int(MessageKind::Information) << "escape" << int(AnswerOk);
}

void TestMessage::answers() {
    QFETCH(int, kind);
    QFETCH(QString, how);
    QFETCH(int, expected);
    Box b;
    QWidget* focused = nullptr;
    whenShown<TPMensaje>([&](TPMensaje* box) {
        focused = box->focusWidget();
        if (how == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            box->close();
        else
            box->findChild<QPushButton*>(how)->click();
    });
    QCOMPARE(b.box.showMessage(QStringLiteral("Seguro?"), static_cast<MessageKind>(kind)),
             expected);
    QVERIFY(!b.box.isVisible());
    QCOMPARE(focused, kind == int(MessageKind::Question) ? b.box.Btn_No : b.box.Btn_OK);
    QCOMPARE(b.files.logLines(),
             (QStringList{QStringLiteral("ACT MSS"), QStringLiteral("DES MSS")}));
}

void TestMessage::kindsShowTheirPictureCaptionAndButtons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("picture");
    QTest::newRow("error") << int(MessageKind::Error) << "E1"
                           << "Img_Error";
    QTest::newRow("information") << int(MessageKind::Information) << "E308"
                                 << "Img_Informacion";
    QTest::newRow("question") << int(MessageKind::Question) << "E426"
                              << "Img_Confirmacion";
}

void TestMessage::kindsShowTheirPictureCaptionAndButtons() {
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, picture);
    Box b;
    QStringList seen;
    whenShown<TPMensaje>([&](TPMensaje* box) {
        seen << box->windowTitle();
        for (QLabel* image : {box->Img_Error, box->Img_Informacion, box->Img_Confirmacion})
            if (image->isVisible()) seen << image->objectName();
        for (QPushButton* button : {box->Btn_OK, box->Btn_Si, box->Btn_No})
            if (button->isVisible()) seen << button->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    b.box.showMessage(QStringLiteral("x"), static_cast<MessageKind>(kind));
    const QStringList buttons =
        kind == int(MessageKind::Question) ? QStringList{"E422", "E423"} : QStringList{"Ok"};
    QCOMPARE(seen, QStringList{caption} << picture << buttons);
    QCOMPARE(b.box.size(), QSize(249, 139));
}

void TestMessage::noticeIsReplacedByTheNextMessage() {
    Box b;
    b.box.showNotice(QStringLiteral("E134\n\nE60"), MessageKind::Information);
    QVERIFY(b.box.isVisible());
    QVERIFY(!b.box.Btn_OK->isEnabled());
    QTest::keyClick(&b.box, Qt::Key_Escape); // Escape cannot dismiss a notice
    QVERIFY(b.box.isVisible());

    QString text;
    whenShown<TPMensaje>([&](TPMensaje* box) {
        text = box->L_Mensaje->text();
        QVERIFY(box->Btn_Si->isVisible());
        box->Btn_Si->click();
    });
    QCOMPARE(b.box.showMessage(QStringLiteral("Next?"), MessageKind::Question), int(AnswerYes));
    QCOMPARE(text, QStringLiteral("\n\nNext?"));
    QVERIFY(!b.box.isVisible());
}

void TestMessage::nothingShowsAfterAFatalStop() {
    Box b;
    b.app.ctx().settings.fatalError = true;
    b.app.ctx().settings.terminateRequested = true;
    QCOMPARE(b.box.showMessage(QStringLiteral("late"), MessageKind::Question), int(AnswerOk));
    QVERIFY(!b.box.isVisible());
    QVERIFY(b.files.logLines().isEmpty());
}

QTEST_MAIN(TestMessage)
#include "test_message.moc"
