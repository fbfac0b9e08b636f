#include "forms/tpconfiguracion.h"

#include "forms/flags.h"
#include "forms/tesseraapp.h"
#include "network/registers.h"
#include "shell/configuration.h"
#include "shell/paths.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessera {

namespace {
enum Page { LanguagePage, SingleUserPage, LocalPage, ServerPage, WorkingModePage, BooksPage };
enum Choice { NoLanguage = 0, ChoiceEnglish = 1, ChoiceSpanish = 2, ChoicePortuguese = 3 };

// The language a choice selects, in the coding of the settings.
int languageOfChoice(int choice) {
    static constexpr int Languages[] = {-1, English, Spanish, Portuguese};
    return Languages[choice];
}

// The band beside the pages: the program's mosaic on a deep blue ground.
QPixmap bannerPicture() {
    QPixmap picture(110, 250);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, picture.height());
    ground.setColorAt(0, QColor(28, 58, 94));
    ground.setColorAt(1, QColor(12, 28, 48));
    p.fillRect(picture.rect(), ground);
    static const QColor Tiles[] = {QColor(230, 180, 60), QColor(200, 90, 60), QColor(90, 160, 120),
                                   QColor(80, 130, 200), QColor(240, 230, 210)};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            if ((row + col) % 4 == 3) continue;
            p.setBrush(Tiles[(row * 3 + col * 2) % 5]);
            p.drawRoundedRect(QRectF(17 + col * 20, 30 + row * 20, 17, 17), 3, 3);
        }
    p.setPen(QColor(245, 240, 225));
    QFont font = p.font();
    font.setPointSize(15);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 130, picture.width(), 40), Qt::AlignCenter, QStringLiteral("Tessera"));
    return picture;
}

// A closed book seen from the front, for the sample books page.
QPixmap bookPicture(const QColor& colour, const QString& title) {
    QPixmap picture(90, 120);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(140));
    p.drawRoundedRect(QRectF(4, 2, 84, 116), 4, 4);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(2, 0, 84, 116), 4, 4);
    p.setBrush(colour.darker(120));
    p.drawRect(QRectF(2, 0, 10, 116));
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(QRectF(18, 30, 62, 40), 3, 3);
    p.setPen(QColor(40, 40, 40));
    QFont font = p.font();
    font.setPointSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(20, 32, 58, 36), Qt::AlignCenter | Qt::TextWordWrap, title);
    return picture;
}

QLabel* textLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// Waits after each step of the folder-creation progress run: slower in a few
// stretches so the bar looks like work being done.
int progressWait(int step) {
    if (step >= 16 && step <= 24) return 35;
    if (step >= 31 && step <= 39) return 30;
    if (step >= 61 && step <= 64) return 100;
    if (step >= 81 && step <= 84) return 60;
    return 15;
}
} // namespace

TPConfiguracion::TPConfiguracion(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("CONFIG"), parent) {
    setObjectName(QStringLiteral("TPConfiguracion"));
    setWindowTitle(QStringLiteral("Configuration/Configuración/configuração"));
    // No close box: the wizard ends through its pages (or the system's close keystroke).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(560, 345);

    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(
            this, QString(), start.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) : start);
    };

    Paginas = new QStackedWidget(this);
    Paginas->setObjectName(QStringLiteral("Paginas"));
    Paginas->addWidget(buildLanguagePage());
    Paginas->addWidget(buildChoicePage(
        "TS2_ModoMonousuario",
        {QStringLiteral("Elije el modo en el que quieres trabajar:"),
         QStringLiteral("En modo \"monousuario\" Tessera tan solo mantiene una librería y una única configuración. "
                        "Si quieres que cada usuario tenga una librería y configuración propia, deberás trabajar en "
                        "modo \"multiusuario\".")},
        CB_ModoMonousuario, CB_ModoMultiusuario, "CB_ModoMonousuario", QStringLiteral("Modo monousuario"),
        "CB_ModoMultiusuario", QStringLiteral("Modo multiusuario")));
    Paginas->addWidget(buildChoicePage(
        "TS3_ModoLocal",
        {QStringLiteral("Elije el modo en el que quieres trabajar:"),
         QStringLiteral("En el modo \"local\" tanto los libros como la configuración de los usuarios se mantiene en "
                        "este ordenador."),
         QStringLiteral("En el modo \"de red\" estos datos se mantienen en un servidor de usuarios, lo que permite "
                        "conectarse desde cualquier equipo y trabajar con la configuración personal.")},
        CB_ModoLocal, CB_ModoRed, "CB_ModoLocal", QStringLiteral("Modo local"), "CB_ModoRed",
        QStringLiteral("Modo de red")));
    Paginas->addWidget(buildServerPage());
    Paginas->addWidget(buildChoicePage(
        "TS5_ModoBasico",
        {QStringLiteral("Tessera 5 puede funcionar según dos modos de trabajo: básico y avanzado. En el modo básico "
                        "algunas opciones se encuentran inhabilitadas, con lo que el manejo del programa resulta más "
                        "sencillo."),
         QStringLiteral("Elije el modo en el que quieres trabajar inicialmente:"),
         QStringLiteral("Se podrá volver a cambiar el modo de trabajo más adelante, si lo deseas, en el menú "
                        "\"Interfaz/Modo\".")},
        CB_Modo_Basico, CB_Modo_Avanzado, "CB_Modo_Basico", QStringLiteral("Modo básico"), "CB_Modo_Avanzado",
        QStringLiteral("Modo avanzado")));
    Paginas->addWidget(buildBooksPage());

    // The focus holder lies behind "Ok", so arrow keys reach the wizard and not a check box.
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setFixedWidth(16);
    Edit->setFrame(false);
    Edit->setReadOnly(true);
    Edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: transparent; }"));
    Btn_OK = new QPushButton(QStringLiteral("Ok"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setDefault(true);
    Btn_OK->setMinimumWidth(90);
    connect(Btn_OK, &QPushButton::clicked, this, &TPConfiguracion::Btn_OKClick);

    Panel_Accion = new QLabel(this);
    Panel_Accion->setObjectName(QStringLiteral("Panel_Accion"));
    Panel_Accion->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bar = new QProgressBar(this);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, 100);
    Bar->setMaximumWidth(160);
    Bar->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Edit);
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    auto* status = new QHBoxLayout;
    status->addWidget(Panel_Accion, 1);
    status->addWidget(Bar);
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Banner"));
    banner->setPixmap(bannerPicture());
    auto* pages = new QHBoxLayout;
    pages->addWidget(banner);
    pages->addWidget(Paginas, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
    layout->addLayout(status);
    Edit->lower();
}

QWidget* TPConfiguracion::buildLanguagePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS1_Idioma"));
    auto* layout = new QVBoxLayout(page);
    layout->addStretch(1);
    struct Row {
        const char* button;
        const char* box;
        QString text;
        int choice;
        QToolButton** buttonSlot;
        QCheckBox** boxSlot;
    };
    const Row rows[] = {{"B_Ingles", "CB_Ingles", QStringLiteral("English"), ChoiceEnglish, &B_Ingles, &CB_Ingles},
                        {"B_Espanhol", "CB_Espanhol", QStringLiteral("Español"), ChoiceSpanish, &B_Espanhol,
                         &CB_Espanhol},
                        {"B_Portugues", "CB_Portugues", QStringLiteral("Português"), ChoicePortuguese, &B_Portugues,
                         &CB_Portugues}};
    for (const Row& row : rows) {
        auto* button = new QToolButton(page);
        button->setObjectName(QLatin1String(row.button));
        button->setIcon(languageFlag(languageOfChoice(row.choice)));
        button->setIconSize(QSize(48, 32));
        button->setText(row.text);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setMinimumWidth(180);
        auto* box = checkBox(page, row.box, QString());
        const int choice = row.choice;
        connect(button, &QToolButton::clicked, this, [this, choice] { chooseLanguage(choice); });
        connect(box, &QCheckBox::clicked, this, [this, choice] { chooseLanguage(choice); });
        auto* line = new QHBoxLayout;
        line->addStretch(1);
        line->addWidget(box);
        line->addWidget(button);
        line->addStretch(1);
        layout->addLayout(line);
        *row.buttonSlot = button;
        *row.boxSlot = box;
    }
    layout->addStretch(1);
    return page;
}

QWidget* TPConfiguracion::buildChoicePage(const char* name, const QStringList& texts, QCheckBox*& first,
                                          QCheckBox*& second, const char* firstName, const QString& firstText,
                                          const char* secondName, const QString& secondText) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(page);
    int n = 1;
    for (const QString& text : texts) {
        const QByteArray labelName = QByteArray("L_") + name + "_" + QByteArray::number(n++);
        layout->addWidget(textLabel(page, labelName.constData(), text));
    }
    first = checkBox(page, firstName, firstText);
    second = checkBox(page, secondName, secondText);
    layout->addSpacing(8);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch(1);
    for (QCheckBox* box : {first, second})
        connect(box, &QCheckBox::clicked, this, [this, box] { chooseMode(box); });
    return page;
}

QWidget* TPConfiguracion::buildServerPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS4_Servidor"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(textLabel(page, "L_Servidor1",
                                QStringLiteral("You have to select the users server ('t_users'), or if it doesn't exits "
                                               "(if this is your first installation) you have to choose the directory "
                                               "where you want to create it")));
    layout->addWidget(textLabel(page, "L_Servidor2",
                                QStringLiteral("(it should be a directory visible from any computer in the local "
                                               "network, usually a network server).")));
    L_DBUsuarios2 = textLabel(page, "L_DBUsuarios2", QString());
    L_DirectorioServidorUsuarios = textLabel(page, "L_DirectorioServidorUsuarios", QString());
    L_DirectorioServidorUsuarios->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    L_DirectorioServidorUsuarios->setWordWrap(false);
    Btn_Cambiar = new QPushButton(QStringLiteral("Cambiar"), page);
    Btn_Cambiar->setObjectName(QStringLiteral("Btn_Cambiar"));
    connect(Btn_Cambiar, &QPushButton::clicked, this, &TPConfiguracion::Btn_CambiarClick);
    auto* line = new QHBoxLayout;
    line->addWidget(L_DirectorioServidorUsuarios, 1);
    line->addWidget(Btn_Cambiar);
    layout->addWidget(L_DBUsuarios2);
    layout->addLayout(line);
    layout->addStretch(1);
    return page;
}

QWidget* TPConfiguracion::buildBooksPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS6_Libros"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(textLabel(page, "L_Libros1",
                                QStringLiteral("Tessera 5 incluye varios libros de muestra. Podrás descargar")));
    layout->addWidget(
        textLabel(page, "L_Libros2", QStringLiteral("las versiones completas de los mismos desde la librería pública.")));
    auto* books = new QHBoxLayout;
    const char* const names[] = {"Libro1", "Libro2", "Libro3"};
    const QString defaults[] = {QStringLiteral("Banderas del mundo"), QStringLiteral("Países del mundo"),
                                QStringLiteral("Tabla periódica")};
    for (int i = 0; i < 3; ++i) {
        auto* column = new QVBoxLayout;
        LibroImagen[i] = new QLabel(page);
        LibroImagen[i]->setObjectName(QStringLiteral("ImagenLibro%1").arg(i + 1));
        LibroImagen[i]->setAlignment(Qt::AlignCenter);
        LibroImagen[i]->setFixedSize(96, 124);
        Libro[i] = textLabel(page, names[i], defaults[i]);
        Libro[i]->setAlignment(Qt::AlignCenter);
        LibroImagen[i]->hide();
        Libro[i]->hide();
        column->addWidget(LibroImagen[i], 0, Qt::AlignHCenter);
        column->addWidget(Libro[i]);
        books->addLayout(column);
    }
    layout->addLayout(books);
    layout->addStretch(1);
    return page;
}

void TPConfiguracion::formActivate() {
    ctx().log(QStringLiteral("ACT config no_err"));
    if (ctx().settings.fatalError) {
        close();
        return;
    }
    languageChoice_ = NoLanguage;
    guard_ = false;
    for (QCheckBox* box : {CB_Ingles, CB_Espanhol, CB_Portugues}) box->setChecked(false);
    if (Edit->isVisible() && Edit->isEnabled()) Edit->setFocus();
    stage_ = 1;
    ctx().log(QStringLiteral("ACT STAGE=1"));
    showPage(LanguagePage);
    Btn_OK->setEnabled(false);
    Settings& s = ctx().settings;
    s.netDataDir = subdirectory(s.appDir, QStringLiteral("t_users"));
    s.singleUser = true;
    s.localMode = true;
    CB_ModoMonousuario->setChecked(true);
    CB_ModoLocal->setChecked(true);
    CB_Modo_Basico->setChecked(s.workingMode == 1);
    CB_Modo_Avanzado->setChecked(s.workingMode == 0);
}

void TPConfiguracion::showPage(int page) {
    Paginas->setCurrentIndex(page);
}

void TPConfiguracion::chooseLanguage(int choice) {
    languageChoice_ = choice;
    CB_Ingles->setChecked(choice == ChoiceEnglish);
    CB_Espanhol->setChecked(choice == ChoiceSpanish);
    CB_Portugues->setChecked(choice == ChoicePortuguese);
    Btn_OK->setEnabled(true);
    Edit->setFocus();
}

void TPConfiguracion::chooseMode(QCheckBox* chosen) {
    if (guard_) return;
    guard_ = true;
    Settings& s = ctx().settings;
    struct Pair {
        QCheckBox* box;
        QCheckBox* twin;
    };
    const Pair pairs[] = {{CB_ModoMonousuario, CB_ModoMultiusuario}, {CB_ModoMultiusuario, CB_ModoMonousuario},
                          {CB_ModoLocal, CB_ModoRed},                {CB_ModoRed, CB_ModoLocal},
                          {CB_Modo_Basico, CB_Modo_Avanzado},        {CB_Modo_Avanzado, CB_Modo_Basico}};
    for (const Pair& pair : pairs)
        if (pair.box == chosen) {
            pair.box->setChecked(true);
            pair.twin->setChecked(false);
        }
    s.singleUser = CB_ModoMonousuario->isChecked();
    s.localMode = CB_ModoLocal->isChecked();
    s.workingMode = CB_Modo_Basico->isChecked() ? 1 : 0;
    if (chosen == CB_ModoRed) Btn_OK->setText(QStringLiteral("Ok"));
    Btn_OK->setEnabled(true);
    guard_ = false;
}

void TPConfiguracion::keyPressEvent(QKeyEvent* event) {
    const bool up = event->key() == Qt::Key_Up;
    const bool down = event->key() == Qt::Key_Down;
    if (!up && !down) {
        TPForm::keyPressEvent(event);
        return;
    }
    if (stage_ == 1) {
        static constexpr int Next[] = {ChoiceEnglish, ChoiceSpanish, ChoicePortuguese, ChoiceEnglish};
        static constexpr int Previous[] = {ChoiceEnglish, ChoicePortuguese, ChoiceEnglish, ChoiceSpanish};
        chooseLanguage(down ? Next[languageChoice_] : Previous[languageChoice_]);
    } else if (stage_ == 2) {
        chooseMode(CB_ModoMonousuario->isChecked() ? CB_ModoMultiusuario : CB_ModoMonousuario);
    } else if (stage_ == 3) {
        chooseMode(CB_ModoLocal->isChecked() ? CB_ModoRed : CB_ModoLocal);
    }
    event->accept();
}

void TPConfiguracion::Btn_OKClick() {
    Settings& s = ctx().settings;
    Btn_OK->setEnabled(false);
    ++stage_;
    ctx().log(QStringLiteral("ACT STAGE=") + QString::number(stage_));
    switch (stage_) {
    case 2:
        if (languageChoice_ != NoLanguage) s.currentLanguage = languageOfChoice(languageChoice_);
        s.installLanguage = s.currentLanguage;
        app().loadInterfaceTexts();
        showPage(SingleUserPage);
        break;
    case 3:
        if (s.singleUser) {
            stage_ += 2;
            showPage(WorkingModePage);
        } else {
            showPage(LocalPage);
        }
        break;
    case 4:
        if (s.localMode) {
            ctx().log(QStringLiteral("ACT Local mode=true"));
            s.netDataDir = subdirectory(s.appDir, QStringLiteral("t_users"));
            setNetworkChoicesEnabled(false);
            if (prepareLocalUsersFolder()) {
                ctx().log(QStringLiteral("ACT computer add"));
                registerThisComputer(ctx());
                ctx().log(QStringLiteral("ACT computer add ok"));
                stage_ = 5;
                Btn_OK->setEnabled(true);
            } else {
                ctx().log(QStringLiteral("ACT local str err"));
                L_DBUsuarios2->clear();
                showServerPage();
            }
        } else {
            ctx().log(QStringLiteral("ACT Local mode=false"));
            showServerPage();
        }
        break;
    case 5:
        registerThisComputer(ctx());
        showPage(BooksPage);
        presentSampleBooks();
        stage_ = 6;
        break;
    case 6:
        showPage(BooksPage);
        presentSampleBooks();
        break;
    default:
        s.configurationCompleted = true;
        accept();
        break;
    }
}

void TPConfiguracion::showServerPage() {
    showPage(ServerPage);
    const QString dir = withoutTrailingSeparator(ctx().settings.appDir);
    L_DirectorioServidorUsuarios->setText(
        L_DirectorioServidorUsuarios->fontMetrics().elidedText(dir, Qt::ElideMiddle, 320));
    L_DirectorioServidorUsuarios->setToolTip(dir);
    Btn_OK->setEnabled(false);
    Btn_Cambiar->setEnabled(true);
}

void TPConfiguracion::setNetworkChoicesEnabled(bool enabled) {
    CB_ModoLocal->setEnabled(enabled);
    CB_ModoRed->setEnabled(enabled);
}

void TPConfiguracion::progressRun(int entry) {
    Panel_Accion->setText(ctx().entry(entry));
    Bar->setValue(0);
    Bar->show();
    for (int step = 0; step <= 100; ++step) {
        Bar->setValue(step);
        ctx().delay(progressWait(step));
    }
    Panel_Accion->clear();
    Bar->hide();
}

bool TPConfiguracion::prepareLocalUsersFolder() {
    Settings& s = ctx().settings;
    progressRun(135);
    if (!createUsersFolder(ctx(), withoutTrailingSeparator(s.appDir))) {
        if (!s.fatalError) ctx().feedback().showMessage(ctx().entry(31), MessageKind::Information);
        return false;
    }
    s.netDataDir = subdirectory(s.appDir, QStringLiteral("t_users"));
    ctx().feedback().showMessage(ctx().entry(63), MessageKind::Information);
    Btn_Cambiar->setEnabled(false);
    ensureAdministrator(ctx());
    setNetworkChoicesEnabled(false);
    return !s.fatalError;
}

void TPConfiguracion::Btn_CambiarClick() {
    Settings& s = ctx().settings;
    Btn_OK->setEnabled(false);
    const QString chosen = chooseFolder ? chooseFolder(QString()) : QString();
    if (chosen.isEmpty()) {
        Btn_Cambiar->setEnabled(true);
        return;
    }
    L_DirectorioServidorUsuarios->setText(
        L_DirectorioServidorUsuarios->fontMetrics().elidedText(chosen, Qt::ElideMiddle, 320));
    L_DirectorioServidorUsuarios->setToolTip(chosen);

    bool ready = false;
    if (QFileInfo(filePath(chosen, QStringLiteral("admin"))).isDir()) {
        s.netDataDir = withTrailingSeparator(chosen);
        ready = true;
    } else if (ctx().feedback().showMessage(ctx().entry(62), MessageKind::Question) == AnswerYes) {
        Btn_Cambiar->setEnabled(false);
        progressRun(135);
        if (createUsersFolder(ctx(), chosen)) {
            s.netDataDir = subdirectory(chosen, QStringLiteral("t_users"));
            ctx().feedback().showMessage(ctx().entry(63), MessageKind::Information);
            ensureAdministrator(ctx());
            ready = !s.fatalError;
        } else if (!s.fatalError) {
            ctx().feedback().showMessage(ctx().entry(31), MessageKind::Information);
        }
    }
    if (ready) {
        setNetworkChoicesEnabled(false);
        Btn_OK->setEnabled(true);
        Btn_OK->setFocus();
        Btn_Cambiar->setEnabled(false);
    } else {
        Btn_Cambiar->setEnabled(true);
    }
}

void TPConfiguracion::presentSampleBooks() {
    static const QColor Colours[] = {QColor(52, 101, 164), QColor(78, 154, 6), QColor(204, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        Libro[i]->setText(ctx().entry(448 + i));
        LibroImagen[i]->setPixmap(bookPicture(Colours[i], Libro[i]->text()));
    }
    Btn_OK->setEnabled(false);
    Panel_Accion->setText(ctx().entry(133));
    Bar->setValue(1);
    Bar->show();
    ctx().delay(200);
    for (int step = 1; step <= 100; ++step) {
        Bar->setValue(step);
        static constexpr int RevealAt[] = {20, 50, 80};
        for (int i = 0; i < 3; ++i)
            if (step == RevealAt[i]) {
                LibroImagen[i]->show();
                Libro[i]->show();
            }
        ctx().delay(18);
    }
    Bar->hide();
    Panel_Accion->clear();
    Btn_OK->setText(ctx().entry(92));
    Btn_OK->setEnabled(true);
}

} // namespace tessera
