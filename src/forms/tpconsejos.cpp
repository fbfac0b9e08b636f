#include "forms/tpconsejos.h"

#include "forms/flags.h"
#include "forms/tesseraapp.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace tessera {

namespace {
constexpr QSize WindowSize(540, 380);

// A pale page with the language's flag as a faint ribbon in the corner.
QPixmap background(int language) {
    QPixmap picture(WindowSize);
    QPainter p(&picture);
    QLinearGradient page(0, 0, 0, WindowSize.height());
    page.setColorAt(0, QColor(253, 251, 244));
    page.setColorAt(1, QColor(240, 233, 214));
    p.fillRect(picture.rect(), page);
    p.setOpacity(0.18);
    p.translate(WindowSize.width() - 70, 40);
    p.rotate(35);
    p.drawPixmap(QRect(-60, -24, 150, 100), languageFlag(language));
    return picture;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, bool heading) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    if (heading) {
        QFont font = l->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 1);
        l->setFont(font);
        l->setStyleSheet(QStringLiteral("color: #5a3a12;"));
    }
    return l;
}
} // namespace

TPConsejos::TPConsejos(TesseraApp& app, QWidget* parent) : TPForm(app, QString(), parent) {
    setObjectName(QStringLiteral("TPConsejos"));
    setWindowTitle(QStringLiteral("Tessera"));
    setFixedSize(WindowSize);

    const char* const names[] = {"Fondo_esp", "Fondo_ing", "Fondo_por"};
    for (int language = 0; language < 3; ++language) {
        Fondo[language] = new QLabel(this);
        Fondo[language]->setObjectName(QLatin1String(names[language]));
        Fondo[language]->setPixmap(background(language));
        Fondo[language]->setGeometry(QRect(QPoint(0, 0), WindowSize));
        Fondo[language]->lower();
    }

    L_Titulo = label(this, "L_Titulo", QStringLiteral("Recuerda..."), true);
    QFont title = L_Titulo->font();
    title.setPointSize(title.pointSize() + 5);
    L_Titulo->setFont(title);
    L_Texto1 = label(this, "L_Texto1",
                     QStringLiteral("Para abrir un libro de tu librería personal (situada por defecto a la izquierda "
                                    "de la pantalla) haz un clic en el libro. Se mostrará (aunque cerrado) en tu "
                                    "escritorio. Para abrirlo puedes hacer clic en su portada, pulsar la tecla ENTER "
                                    "o AvPAG."),
                     false);
    Btn_OK = new QPushButton(QStringLiteral("Ok"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, &TPConsejos::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(28, 20, 28, 16);
    grid->setVerticalSpacing(6);
    grid->addWidget(L_Titulo, 0, 0, 1, 2);
    grid->addWidget(label(this, "L_Consejo1", QStringLiteral("Para abrir un libro..."), true), 1, 0, 1, 2);
    grid->addWidget(L_Texto1, 2, 0, 1, 2);
    grid->addWidget(label(this, "L_Consejo2", QStringLiteral("Para cerrarlo..."), true), 3, 0, 1, 2);
    grid->addWidget(label(this, "L_Texto2", QStringLiteral("Pulsa la tecla ESCAPE varias veces."), false), 4, 0, 1, 2);
    grid->addWidget(
        label(this, "L_Consejo3", QStringLiteral("Para añadir un libro a tu librería personal..."), true), 5, 0, 1, 2);
    grid->addWidget(label(this, "L_Texto3", QStringLiteral("Haz clic en el menú 'Libro/Añadir libro'."), false), 6,
                    0, 1, 2);
    grid->addWidget(label(this, "L_Ayuda", QString(), false), 7, 0);
    grid->addWidget(Btn_OK, 7, 1, Qt::AlignRight);
    grid->setRowStretch(8, 1);
}

void TPConsejos::applyLanguage() {
    // The first hint is two entries joined, too long for one.
    L_Texto1->setText(ctx().entry(602) + QLatin1Char(' ') + ctx().entry(603));
}

void TPConsejos::formActivate() {
    const int language = std::clamp(ctx().settings.currentLanguage, 0, 2);
    for (int l = 0; l < 3; ++l) Fondo[l]->setVisible(l == language);
    Btn_OK->setFocus();
}

} // namespace tessera
