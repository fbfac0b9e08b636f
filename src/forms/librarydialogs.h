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

// The book's file could not be deleted, in the interface language.
QString fileNotDeletedText(int language);
// The file chosen to be added is not a book of this program.
QString notABookText(int language, const QString& file);
// The new book could not be made at that path (its folder is gone or unfit, or the
// template could not be copied).
QString bookNotCreatedText(int language, const QString& path);
// The book's file could not be moved to the folder.
QString fileNotMovedText(int language, const QString& folder);
// The file could not be taken into the library (renamed, copied or its folder unfit).
QString fileNotAddedText(int language, const QString& file);

} // namespace tessera
