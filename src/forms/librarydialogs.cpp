#include "forms/librarydialogs.h"

#include "forms/tesseraapp.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessera {

void fillShelfList(QComboBox& list, const Library& library) {
    const QSignalBlocker quiet(list);
    list.clear();
    for (int group : library.visibleShelves())
        list.addItem(library.layout.groups[group].caption, group);
    list.setCurrentIndex(list.count() > 0 ? 0 : -1);
}

int chosenGroup(const QComboBox& list) {
    return list.currentIndex() < 0 ? -1 : list.currentData().toInt();
}

void fillBookList(QComboBox& list, const Library& library, int group) {
    const QSignalBlocker quiet(list);
    list.clear();
    if (group >= 0) list.addItems(library.booksOnShelf(group));
    list.setCurrentIndex(list.count() > 0 ? 0 : -1);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* makeNameField(QWidget* parent, const char* name, int capacity) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(capacity);
    return field;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QComboBox* makeList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(24);
    return list;
}

QBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QString shortenedPath(const QString& path, const QLabel& label) {
    const int width = std::max(label.width(), label.minimumWidth()) - 4;
    return label.fontMetrics().elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                          std::max(width, 60));
}

void refuseName(QLineEdit& field, QPushButton& button) {
    field.selectAll();
    field.setFocus();
    button.setEnabled(false);
}

std::optional<QString> freeShelfName(TesseraApp& app, QLineEdit& field, QPushButton& button) {
    const QString name = trimBlanks(field.text());
    field.setText(name);
    bool refused = reportNameProblem(app, shelfNameProblem(name));
    if (!refused && app.library().shelfNameTaken(name)) {
        app.showMessage(app.ctx().entry(7), MessageKind::Error);
        refused = true;
    }
    if (!refused) return name;
    refuseName(field, button);
    return std::nullopt;
}

bool reportNameProblem(TesseraApp& app, NameProblem problem) {
    if (problem == NameProblem::None) return false;
    app.showMessage(nameProblemText(problem, app.ctx().settings.currentLanguage), MessageKind::Error);
    return true;
}

QString fileTroubleText(FileTrouble trouble, int language, const QString& path) {
    // Spanish, English, Portuguese; in the order of FileTrouble.
    static const char* const Texts[][3] = {
        {"No se ha podido eliminar el fichero del libro; el libro sigue en la librería.",
         "The book file could not be deleted; the book stays in the library.",
         "Não foi possível eliminar o ficheiro do livro; o livro continua na biblioteca."},
        {"El fichero no es un libro de Tessera: ", "The file is not a Tessera book: ",
         "O ficheiro não é um livro do Tessera: "},
        {"No se ha podido crear el libro: ", "The book could not be created: ", "Não foi possível criar o livro: "},
        {"No se ha podido mover el libro a la carpeta: ", "The book could not be moved to the folder: ",
         "Não foi possível mover o livro para a pasta: "},
        {"No se ha podido añadir el libro: ", "The book could not be added: ",
         "Não foi possível adicionar o livro: "},
    };
    return QString::fromUtf8(Texts[static_cast<int>(trouble)][std::clamp(language, 0, 2)]) +
           QDir::toNativeSeparators(path);
}

void reportFileTrouble(TesseraApp& app, FileTrouble trouble, const QString& path) {
    app.showMessage(fileTroubleText(trouble, app.ctx().settings.currentLanguage, path), MessageKind::Error);
}

} // namespace tessera
