#pragma once

#include "library/library.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace tessera {

class Context;
struct Settings;

// What the windows do around the library's reading, saving and synchronisation.
// Every hook may be left empty.
struct LibraryHooks {
    // Text for the splash window, called only while it is on screen.
    std::function<void(const QString&)> splashText;
    // The preferences (user.dat, bars.dat) are saved between library.dat and books.dat.
    std::function<void()> savePreferences;
    // The library has been read or changed: rebuild the shelf view and its mirrors and
    // bind the handlers of the shelves and books again.
    std::function<void()> rebuildView;
    // Reading found no shelf and made shelf 1: its menu and bar items take language
    // entry 289 and stay visible.
    std::function<void()> defaultShelfMade;
};

// library.dat: the INI text of the shelf layout, CR LF lines, a blank line after each section.
QStringList layoutLines(const ShelfLayout& layout);
// The layout in those lines; empty when the file does not describe 50 slots and 11 groups.
std::optional<ShelfLayout> parseLayout(const QStringList& lines);
bool writeLayoutFile(const QString& path, const ShelfLayout& layout);
std::optional<ShelfLayout> readLayoutFile(const QString& path);

// books.dat: a name line and a folder line for each used entry, in entry order.
QStringList bookListLines(const Library& library);

// Users other than the Admin in multi-user mode work on private copies of their books
// in their user folder.
bool usesPrivateCopies(const Settings& settings);

// The default name of shelf 1 in the language (0 Spanish, 1 English, 2 Portuguese).
QString defaultShelfName(int language);

// Fills the model and the book list from library.dat and books.dat of the application
// directory; both files must exist. Unpacks each book's cover, drops missing books
// with the message of language entry 53, and makes shelf 1 when no shelf is visible.
// An unreadable books.dat is error 26.
void readLibrary(Context& ctx, Library& library, const LibraryHooks& hooks = {});

// Writes library.dat (a failure is ignored), saves the preferences through the hook,
// then books.dat (a failure is error 94). False after error 94 or while a fatal error stands.
bool saveLibrary(Context& ctx, const Library& library, const LibraryHooks& hooks = {});

// Whether books.dat on disk lists a book of that name. Error 25 when it cannot be read
// (then false).
bool bookInBookListFile(Context& ctx, const QString& name);

} // namespace tessera
