#pragma once

#include "library/libraryfiles.h"

namespace tessera {

class Context;

// True when the file is a Tessera book: a whole header block whose magic reads
// "Tessera 5.0". A file too short for a header is simply not a book; error 85 only
// when a header that is there cannot be read.
bool isTesseraBook(Context& ctx, const QString& path);

struct AddedBook {
    LibraryChange change = LibraryChange::NotFound;
    QString name; // the book's name in the library (cut to 24 characters)
};

// Adds an existing container file to the shelf (group index): the name is the file
// name without ".tsb"; a longer name than 24 characters renames the file on disk;
// users other than the Admin in multi-user mode get a copy in their user folder.
// The book takes a free slot and entry, becomes the current book and gets its cover.
// The caller saves the library and refreshes the view.
AddedBook addBookFile(Context& ctx, Library& library, const QString& path, int group);

struct NewBook {
    QString name;      // trimmed by the dialog
    QString subtitle;  // at most 64 characters
    QString folder;    // where the container goes
    int group = 0;     // the shelf's group index
    QString coverPath; // the bitmap that becomes the shelf icon; empty for image_p.bmp
    int coverTexture = 1;
};

// Makes a new empty book from the template empty.ts_ of the application directory:
// the author data and protection come from the user's settings, the chosen bitmap becomes
// its image.bmp. The book takes a free slot and entry and becomes the current book. Any
// failure leaves the library and the folder as they were. The caller saves the library.
LibraryChange createBook(Context& ctx, Library& library, const NewBook& book);

// Renames the book and its file; when the file cannot be renamed the library stays
// as it was (FileFailed). The name is not trimmed; a name made only of blanks, an unfit
// name, or one taken by the comparison key (the book's own name included) is refused.
LibraryChange renameBook(Context& ctx, Library& library, const QString& oldName,
                         const QString& newName);

// Moves the container of the entry to the folder: copy, then delete the source; the
// entry's folder follows. The folder it already lies in changes nothing (Unchanged);
// a file of that name already in the folder is not overwritten (FileExists).
LibraryChange moveBook(Context& ctx, Library& library, int entryNumber, const QString& folder);

// Takes the book off its shelf, frees its slot and entry, and with deleteFile deletes
// its container first; a container that cannot be deleted leaves the library unchanged
// (FileFailed). The active shelf is not changed.
LibraryChange deleteBook(Library& library, const QString& name, bool deleteFile);

// At login of a user other than the Admin in multi-user mode: books assigned to the
// user and missing from books.dat are copied into the user folder and put on the first
// shelf; books no longer assigned leave the library. The library is saved after each
// change; language entry 48 or 49 tells how many books came. Returns that number.
int synchroniseAssignedBooks(Context& ctx, Library& library, int userNumber,
                             const LibraryHooks& hooks = {});

} // namespace tessera
