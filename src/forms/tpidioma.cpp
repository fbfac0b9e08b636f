#include "forms/tpidioma.h"

#include "forms/flags.h"
#include "forms/tesseraapp.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessera {

TPIdioma::TPIdioma(TesseraApp& app, QWidget* parent) : TPForm(app, QStringLiteral("LNG"), parent) {
    setObjectName(QStringLiteral("TPIdioma"));
    setWindowTitle(QStringLiteral("Idioma / Language"));
    setFixedSize(300, 230);

    struct Row {
        int language;
        const char* box;
        const char* button;
        const char* label;
        QString text;
        QCheckBox** slot;
    };
    const Row rows[] = {{Spanish, "CB_Espanhol", "B_Espanhol", "L_Espanhol", QStringLiteral("Español"), &CB_Espanhol},
                        {English, "CB_Ingles", "B_Ingles", "L_Ingles", QStringLiteral("English"), &CB_Ingles},
                        {Portuguese, "CB_Portugues", "B_Portugues", "L_Portugues", QStringLiteral("Português"),
                         &CB_Portugues}};
    auto* grid = new QGridLayout;
    int line = 0;
    for (const Row& row : rows) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QLatin1String(row.box));
        auto* flagButton = new QToolButton(this);
        flagButton->setObjectName(QLatin1String(row.button));
        flagButton->setIcon(languageFlag(row.language));
        flagButton->setIconSize(QSize(48, 32));
        flagButton->setAutoRaise(true);
        auto* label = new QLabel(row.text, this);
        label->setObjectName(QLatin1String(row.label));
        const int language = row.language;
        connect(check, &QCheckBox::clicked, this, [this, language] { mark(language); });
        connect(flagButton, &QToolButton::clicked, this, [this, language] { mark(language); });
        grid->addWidget(check, line, 0);
        grid->addWidget(flagButton, line, 1);
        grid->addWidget(label, line, 2);
        ++line;
        *row.slot = check;
    }
    grid->setColumnStretch(2, 1);

    Btn_OK = new QPushButton(QStringLiteral("Ok"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setDefault(true);
    Btn_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Btn_Cancelar->setObjectName(QStringLiteral("Btn_Cancelar"));
    connect(Btn_OK, &QPushButton::clicked, this, &TPIdioma::Btn_OKClick);
    connect(Btn_Cancelar, &QPushButton::clicked, this, &TPIdioma::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

QCheckBox* TPIdioma::box(int language) const {
    return language == English ? CB_Ingles : language == Portuguese ? CB_Portugues : CB_Espanhol;
}

void TPIdioma::mark(int language) {
    marked_ = language;
    for (int l : {Spanish, English, Portuguese}) box(l)->setChecked(l == language);
}

void TPIdioma::formActivate() {
    mark(std::clamp(ctx().settings.currentLanguage, 0, 2));
}

void TPIdioma::keyPressEvent(QKeyEvent* event) {
    // Indexed by the marked language: Up goes English, Portuguese, Spanish, English...
    static constexpr int Up[] = {English, Portuguese, Spanish};
    static constexpr int Down[] = {Portuguese, Spanish, English};
    if (event->key() == Qt::Key_Up) {
        mark(Up[marked_]);
    } else if (event->key() == Qt::Key_Down) {
        mark(Down[marked_]);
    } else {
        TPForm::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TPIdioma::Btn_OKClick() {
    app().changeLanguage(marked_, true);
    accept();
}

} // namespace tessera
