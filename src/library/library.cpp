#include "library/library.h"

#include "shell/codepage.h"
#include "shell/paths.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace tessera {

using namespace shelves;

ShelfLayout ShelfLayout::empty() {
    ShelfLayout layout;
    for (int g = 0; g < GroupCount; ++g)
        layout.groups[g].caption =
            QStringLiteral("Estanteria_%1").arg(g + 1, 2, 10, QLatin1Char('0'));
    for (int s = 0; s < SlotCount; ++s)
        layout.bookSlots[s].caption =
            QStringLiteral("Libro_%1").arg(s + 1, 3, 10, QLatin1Char('0'));
    return layout;
}

QString trimBlanks(const QString& name) {
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && name[first] == QLatin1Char(' '))
        ++first;
    while (last > first && name[last - 1] == QLatin1Char(' '))
        --last;
    return name.mid(first, last - first);
}

namespace {
bool capitalised(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= 224 && c <= 228) || (c >= 231 && c <= 239) ||
           (c >= 241 && c <= 246) || (c >= 249 && c <= 252);
}

bool hasControlCharacter(const QString& name) {
    for (const QChar c : name)
        if (c.unicode() < 32) return true;
    return false;
}

// Names that Windows keeps for its devices, whatever extension follows.
bool deviceName(const QString& name) {
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (devices.contains(base)) return true;
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           base[3] >= QLatin1Char('1') && base[3] <= QLatin1Char('9');
}

NameProblem commonProblem(const QString& name) {
    if (trimBlanks(name).isEmpty()) return NameProblem::Blank;
    if (name.size() > NameCapacity) return NameProblem::TooLong;
    if (!isCp1252(name)) return NameProblem::NotWindows1252;
    if (hasControlCharacter(name)) return NameProblem::ForbiddenCharacter;
    return NameProblem::None;
}
} // namespace

QString nameKey(const QString& name) {
    QString key = name;
    for (QChar& c : key)
        if (capitalised(c.unicode())) c = QChar(c.unicode() - 32);
    return key;
}

NameProblem shelfNameProblem(const QString& name) {
    return commonProblem(name);
}

NameProblem bookNameProblem(const QString& name) {
    const NameProblem common = commonProblem(name);
    if (common != NameProblem::None) return common;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return NameProblem::PathSeparator;
    if (name.contains(QLatin1String(".."))) return NameProblem::ParentFolder;
    static const QString refused = QStringLiteral("<>:\"|?*");
    for (const QChar c : name)
        if (refused.contains(c)) return NameProblem::ForbiddenCharacter;
    // Windows drops a trailing dot or space, so the file would not carry the book's name.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')) || deviceName(name))
        return NameProblem::ForbiddenCharacter;
    return NameProblem::None;
}

QString nameProblemText(NameProblem problem, int language) {
    // Spanish, English, Portuguese.
    static const char* const Texts[][3] = {
        {"", "", ""},
        {"El nombre está vacío o sólo tiene espacios.", "The name is empty or made only of blanks.",
         "O nome está vazio ou só tem espaços."},
        {"El nombre tiene más de 24 caracteres.", "The name is longer than 24 characters.",
         "O nome tem mais de 24 caracteres."},
        {"El nombre tiene un carácter que los ficheros de la librería no pueden guardar.",
         "The name holds a character that the library files cannot store.",
         "O nome tem um carácter que os ficheiros da biblioteca não podem guardar."},
        {"El nombre de un libro no puede contener \"/\" ni \"\\\".",
         "A book name cannot contain \"/\" or \"\\\".",
         "O nome de um livro não pode conter \"/\" nem \"\\\"."},
        {"El nombre de un libro no puede contener \"..\".", "A book name cannot contain \"..\".",
         "O nome de um livro não pode conter \"..\"."},
        {"El nombre tiene un carácter o una forma que un nombre de fichero no admite "
         "(< > : \" | ? *, un carácter de control, un punto o espacio final, o un nombre de dispositivo).",
         "The name holds a character or has a form that file names cannot have "
         "(< > : \" | ? *, a control character, a trailing dot or blank, or a device name).",
         "O nome tem um carácter ou uma forma que um nome de ficheiro não admite "
         "(< > : \" | ? *, um carácter de controlo, um ponto ou espaço final, ou um nome de dispositivo)."},
    };
    const int row = static_cast<int>(problem);
    if (row < 0 || row >= int(std::size(Texts))) return QString();
    return QString::fromUtf8(Texts[row][std::clamp(language, 0, 2)]);
}

void Library::clear() {
    layout = ShelfLayout::empty();
    clearBookList();
    largeCovers.clear();
    smallCovers.clear();
    currentBook = 0;
    activeShelf = 0;
}

void Library::clearBookList() {
    entries.fill(BookEntry{});
}

int Library::findBookEntry(const QString& name) const {
    for (int n = EntryCount; n >= 1; --n)
        if (entry(n).name == name) return n;
    return 0;
}

int Library::findBookSlot(const QString& name) const {
    for (int s = 0; s < SlotCount; ++s)
        if (layout.bookSlots[s].visible && layout.bookSlots[s].caption == name) return s;
    return NoSlotFound;
}

bool Library::nameIsFree(const QString& name) const {
    return !bookNameTaken(name);
}

int Library::countShelves() const {
    return int(visibleShelves().size());
}

int Library::countBooks() const {
    int count = 0;
    for (const BookSlot& slot : layout.bookSlots)
        count += slot.visible ? 1 : 0;
    return count;
}

int Library::shelfOfSlot(int slot) const {
    for (int g = 0; g < ShelfCount; ++g)
        if (layout.groups[g].visible && layout.groups[g].links.contains(slot)) return g;
    return -1;
}

QList<int> Library::visibleShelves() const {
    QList<int> shelves;
    for (int g = 0; g < ShelfCount; ++g)
        if (layout.groups[g].visible) shelves << g;
    return shelves;
}

QStringList Library::booksOnShelf(int group) const {
    QStringList names;
    if (group < 0 || group >= GroupCount) return names;
    for (const int s : layout.groups[group].links)
        if (s >= 0 && s < SlotCount && layout.bookSlots[s].visible)
            names << layout.bookSlots[s].caption;
    return names;
}

bool Library::shelfNameTaken(const QString& name) const {
    const QString key = nameKey(name);
    for (const int g : visibleShelves())
        if (nameKey(layout.groups[g].caption) == key) return true;
    return false;
}

bool Library::bookNameTaken(const QString& name) const {
    for (const BookSlot& slot : layout.bookSlots)
        if (slot.visible && slot.caption == name) return true;
    return false;
}

bool Library::bookNameTakenKey(const QString& name) const {
    const QString key = nameKey(name);
    for (const BookSlot& slot : layout.bookSlots)
        if (slot.visible && nameKey(slot.caption) == key) return true;
    return false;
}

void Library::setActiveShelf(int shelf) {
    activeShelf = shelf;
    if (shelf >= 1) layout.activeGroup = shelf - 1;
}

int Library::activateFirstShelf() {
    const QList<int> shelves = visibleShelves();
    if (!shelves.isEmpty()) setActiveShelf(shelves.first() + 1);
    return activeShelf;
}

LibraryChange Library::addShelf(const QString& name, int* group) {
    const QString trimmed = trimBlanks(name);
    if (shelfNameProblem(trimmed) != NameProblem::None) return LibraryChange::BadName;
    if (countShelves() >= ShelfCount) return LibraryChange::ShelvesFull;
    if (shelfNameTaken(trimmed)) return LibraryChange::Taken;
    int g = 0;
    while (layout.groups[g].visible)
        ++g;
    layout.groups[g].caption = trimmed;
    layout.groups[g].visible = true;
    if (countShelves() == 1) setActiveShelf(g + 1);
    if (group) *group = g;
    return LibraryChange::Done;
}

LibraryChange Library::renameShelf(int group, const QString& name) {
    if (group < 0 || group >= ShelfCount || !layout.groups[group].visible)
        return LibraryChange::NotFound;
    const QString trimmed = trimBlanks(name);
    if (shelfNameProblem(trimmed) != NameProblem::None) return LibraryChange::BadName;
    // The shelf's own name counts, so a change of letter case alone is refused.
    if (shelfNameTaken(trimmed)) return LibraryChange::Taken;
    layout.groups[group].caption = trimmed;
    return LibraryChange::Done;
}

LibraryChange Library::deleteShelf(int group) {
    if (group < 0 || group >= ShelfCount || !layout.groups[group].visible)
        return LibraryChange::NotFound;
    if (countShelves() <= 1) return LibraryChange::LastShelf;
    if (!booksOnShelf(group).isEmpty()) return LibraryChange::HoldsBooks;
    // The group keeps its name until a new shelf reuses it.
    layout.groups[group].visible = false;
    if (activeShelf < 1 || !layout.groups[activeShelf - 1].visible) activateFirstShelf();
    return LibraryChange::Done;
}

LibraryChange Library::enterBook(const QString& name, const QString& folder, int group) {
    if (bookNameProblem(name) != NameProblem::None) return LibraryChange::BadName;
    if (countBooks() >= SlotCount) return LibraryChange::BooksFull;
    if (bookNameTaken(name)) return LibraryChange::Taken;
    if (group < 0 || group >= ShelfCount || !layout.groups[group].visible)
        return LibraryChange::NotFound;
    int number = 1;
    while (number <= EntryCount && !entry(number).isFree())
        ++number;
    if (number > EntryCount) return LibraryChange::BooksFull;
    int s = 0;
    while (layout.bookSlots[s].visible)
        ++s;
    // A hidden slot may still be linked from a damaged file; it must stand on one shelf only.
    for (ShelfGroup& g : layout.groups)
        g.links.removeAll(s);
    layout.bookSlots[s].caption = name;
    layout.bookSlots[s].visible = true;
    layout.groups[group].links << s;
    entry(number) = {name.left(NameCapacity), withTrailingSeparator(folder)};
    currentBook = number;
    return LibraryChange::Done;
}

int Library::firstBookEntry(const QString& name) const {
    for (int n = 1; n <= EntryCount; ++n)
        if (entry(n).name == name) return n;
    return 0;
}

bool Library::takeOutBook(const QString& name) {
    const int slot = findBookSlot(name);
    const bool slotFound = layout.bookSlots[slot].visible && layout.bookSlots[slot].caption == name;
    // The last group linking the slot holds the book; a missing link takes nothing else away.
    for (int g = GroupCount - 1; slotFound && g >= 0; --g) {
        QList<int>& links = layout.groups[g].links;
        const qsizetype at = links.lastIndexOf(slot);
        if (at < 0) continue;
        links.removeAt(at);
        break;
    }
    if (slotFound) layout.bookSlots[slot].visible = false;
    if (const int n = firstBookEntry(name)) {
        entry(n).name.clear();
        if (currentBook == n) currentBook = 0;
    }
    return slotFound;
}

void Library::removeBook(const QString& name) {
    takeOutBook(name);
    activateFirstShelf();
}

void Library::setCovers(const QString& name, const QImage& cover) {
    const int large = int(largeCovers.size());
    largeCovers << cover;
    smallCovers << (cover.isNull()
                        ? QImage()
                        : cover.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const int slot = findBookSlot(name);
    if (layout.bookSlots[slot].caption != name) return;
    layout.bookSlots[slot].largeImageIndex = large;
    layout.bookSlots[slot].smallImageIndex = large;
}

} // namespace tessera
