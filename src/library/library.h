#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <array>

namespace tessera {

namespace shelves {
constexpr int GroupCount = 11; // the ten shelves and a spare group that stays hidden and empty
constexpr int ShelfCount = 10;
constexpr int SlotCount = 50;
constexpr int EntryCount = 50;
constexpr int NameCapacity = 24;
constexpr int FolderCapacity = 255;
// What Find book slot answers when no visible slot has the name: callers compare the caption again.
constexpr int NoSlotFound = SlotCount - 1;
constexpr int TreeStylesFrom = 8; // view styles 8..11 let several shelves stand open
} // namespace shelves

// A shelf of the side bar (groups 0..9 are shelves 1..10).
struct ShelfGroup {
    QString caption;
    bool visible = false;
    bool expanded = false;
    QList<int> links; // slot indexes in shelf order
    bool linksUseSmallImages = false;
    int selectedLinkIndex = -1;
    bool showAsIconView = false;
    int topVisibleLinkIndex = 0;
    bool useSmallImages = false;

    bool operator==(const ShelfGroup&) const = default;
};

// A book slot of the side bar; a visible slot is linked from exactly one shelf.
struct BookSlot {
    QString caption;
    bool visible = false;
    bool enabled = true;
    int largeImageIndex = -1;
    int smallImageIndex = -1;

    bool operator==(const BookSlot&) const = default;
};

struct ShelfLayout {
    int view = 0;
    int activeGroup = 0;
    std::array<ShelfGroup, shelves::GroupCount> groups;
    std::array<BookSlot, shelves::SlotCount> bookSlots;

    // Every group captioned "Estanteria_01".. and hidden, every slot "Libro_001".. and hidden.
    static ShelfLayout empty();
    bool operator==(const ShelfLayout&) const = default;
};

// An entry of the book list; the container lies at folder + name + ".tsb".
struct BookEntry {
    QString name;   // empty = free entry
    QString folder; // with a trailing separator

    bool isFree() const { return name.isEmpty(); }
    QString containerPath() const { return folder + name + QStringLiteral(".tsb"); }
    bool operator==(const BookEntry&) const = default;
};

// Why a shelf or book name cannot be used.
enum class NameProblem {
    None,
    Blank,              // empty, or only spaces
    TooLong,            // more than 24 characters
    NotWindows1252,     // the files could not hold it
    PathSeparator,      // "/" or "\" would put the book outside its folder
    ParentFolder,       // ".." climbs out of the book folder
    ForbiddenCharacter, // a character or a name the file systems refuse
};

// Leading and trailing spaces removed (only the space character counts as a blank).
QString trimBlanks(const QString& name);
// The comparison key of shelf names and book renames: lowercase letters, accented ones
// included, become capitals; every other character stays.
QString nameKey(const QString& name);
NameProblem shelfNameProblem(const QString& name);
// Book names become file names: folder + name + ".tsb".
NameProblem bookNameProblem(const QString& name);
// A sentence that tells the person what is wrong with the name, in the interface
// language (0 Spanish, 1 English, 2 Portuguese).
QString nameProblemText(NameProblem problem, int language);

enum class LibraryChange {
    Done,
    Unchanged,   // nothing to do (a book moved to the folder it lies in)
    BadName,     // see the name problem
    Taken,       // another shelf or book has that name
    ShelvesFull, // ten shelves
    BooksFull,   // fifty books
    LastShelf,   // a library keeps at least one shelf
    HoldsBooks,  // a shelf with books cannot be deleted
    NotFound,    // no such shelf or book
    NotABook,    // the file is not a Tessera book
    FileExists,  // a file of that name is in the way
    FileFailed,  // the file could not be renamed, copied or deleted
    FolderUnfit, // the folder is longer than 255 characters or not storable in Windows-1252
};

// The user's library: the shelf layout, the book list, the cover pictures and
// the shelf the user works on.
class Library {
public:
    Library() { clear(); }
    // The empty library and an empty book list.
    void clear();
    // All 50 entries freed (the settings initialisation does this at logout).
    void clearBookList();

    ShelfLayout layout;
    std::array<BookEntry, shelves::EntryCount> entries; // entry n is entries[n - 1]
    QList<QImage> largeCovers;
    QList<QImage> smallCovers;
    int currentBook = 0; // entry number of the book in use, 0 none
    int activeShelf = 0; // 1..10, 0 before any was chosen

    BookEntry& entry(int number) { return entries[number - 1]; }
    const BookEntry& entry(int number) const { return entries[number - 1]; }

    // Lookups.
    // The last entry with that name, 0 when none.
    int findBookEntry(const QString& name) const;
    // The first visible slot with that caption, NoSlotFound (49) when none.
    int findBookSlot(const QString& name) const;
    bool nameIsFree(const QString& name) const;
    int countShelves() const;
    int countBooks() const;
    bool isTreeStyle() const { return layout.view >= shelves::TreeStylesFrom; }

    // Group index of the visible shelf holding the slot, -1 when none.
    int shelfOfSlot(int slot) const;
    // Visible shelves' group indexes in order.
    QList<int> visibleShelves() const;
    // The books of a shelf in shelf order.
    QStringList booksOnShelf(int group) const;
    bool shelfNameTaken(const QString& name) const;
    bool bookNameTaken(const QString& name) const;    // exact comparison (new and added books)
    bool bookNameTakenKey(const QString& name) const; // comparison key (renamed books)

    // Makes the first visible shelf among 1..9 active (shelf 10 when none of them is);
    // nothing when no shelf is visible. Returns the active shelf.
    int activateFirstShelf();
    void setActiveShelf(int shelf);

    // Shelf changes; names are trimmed first.
    LibraryChange addShelf(const QString& name, int* group = nullptr);
    LibraryChange renameShelf(int group, const QString& name);
    LibraryChange deleteShelf(int group);

    // Puts a book in the first hidden slot linked to the group and in the first free
    // entry, and makes it the current book. Exact name comparison.
    LibraryChange enterBook(const QString& name, const QString& folder, int group);
    // Takes the book out of its shelf, its slot and its first entry of that name;
    // false when no visible slot carries the name (the entry is freed all the same).
    bool takeOutBook(const QString& name);
    // Remove book: takes the book out and makes the first shelf the active one.
    void removeBook(const QString& name);
    // The first entry with that name, 0 when none.
    int firstBookEntry(const QString& name) const;
    // Gives the slot of that book new cover indexes when the slot still carries its name.
    void setCovers(const QString& name, const QImage& cover);
};

} // namespace tessera
