#pragma once

// Pieces shared by the dialogs that change the library.

#include "library/library.h"

#include <QString>
#include <optional>

class QBoxLayout;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tessera {

class TesseraApp;

// Fills the list with the names of the visible shelves in shelf order; each item keeps
// its group index. Selects the first shelf when there is one.
void fillShelfList(QComboBox& list, const Library& library);
// The group index of the chosen shelf, -1 when none.
int chosenGroup(const QComboBox& list);
// Fills the list with the books of the shelf in shelf order.
void fillBookList(QComboBox& list, const Library& library, int group);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
QLineEdit* makeNameField(QWidget* parent, const char* name, int capacity);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text);
QComboBox* makeList(QWidget* parent, const char* name);
// A row of buttons at the right, as every dialog ends.
QBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

// A folder or file shown in a label of the given width: the middle gives way first.
QString shortenedPath(const QString& path, const QLabel& label);

// A refused name stays in its field, selected, with the button that would use it disabled.
void refuseName(QLineEdit& field, QPushButton& button);
// Trims the name in the field and checks it as a shelf name (fit, and no visible shelf
// with the same comparison key). A refused name is reported with its reason and refused
// in the field; the name when it can be used.
std::optional<QString> freeShelfName(TesseraApp& app, QLineEdit& field, QPushButton& button);

// Tells the person why a name cannot be used; true when there was something to tell.
bool reportNameProblem(TesseraApp& app, NameProblem problem);

// Trouble with a book's file that the numbered interface texts do not cover.
enum class FileTrouble {
    NotDeleted, // the file stays, and so does the book
    NotABook,   // the chosen file is not a book of this program
    NotCreated, // the new book's folder is gone or unfit, or the template could not be copied
    NotMoved,   // the file could not be moved to the folder
    NotAdded,   // the file could not be renamed, copied or taken from its folder
};
// The message in the interface language (0 Spanish, 1 English, 2 Portuguese), followed
// by the file or folder it is about.
QString fileTroubleText(FileTrouble trouble, int language, const QString& path = QString());

// Shows that message as an error.
void reportFileTrouble(TesseraApp& app, FileTrouble trouble, const QString& path = QString());

} // namespace tessera
