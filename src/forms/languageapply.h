#pragma once

#include <QList>

class QWidget;

namespace tessera {

class LanguageTable;

// Gives every window its texts from the language table: captions, labels,
// buttons, menus and bar items, page tabs and list items, as the table of
// text targets says. Controls a window does not have are passed over.
void applyTexts(const LanguageTable& table, const QList<QWidget*>& forms);

// Shows or hides the hints of the parameters page's labels.
void applyHints(bool show, const QList<QWidget*>& forms);

} // namespace tessera
