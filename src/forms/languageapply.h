#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace tessera {

class LanguageTable;

// Gives every window its texts from the language table: captions, labels,
// buttons, menus and bar items, page tabs and list items, as the table of
// text targets says. Controls a window does not have are passed over.
void applyTexts(const LanguageTable& table, const QList<QWidget*>& forms);

// The named control of the window itself: the dialogs a window owns are its children
// too, and a control of theirs with the same name is not the window's.
QObject* ownControl(QWidget* form, const QString& name);
template <typename T> T* ownControl(QWidget* form, const QString& name) {
    return qobject_cast<T*>(ownControl(form, name));
}

// Shows or hides the hints of the parameters page's labels.
void applyHints(bool show, const QList<QWidget*>& forms);

} // namespace tessera
