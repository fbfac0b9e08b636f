#include "library/librarybooks.h"

#include "bookfiles/bookheader.h"
#include "bookfiles/container.h"
#include "library/librarypause.h"
#include "network/registers.h"
#include "shell/codepage.h"
#include "shell/datetext.h"
#include "shell/context.h"
#include "shell/filecopy.h"
#include "shell/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <algorithm>

namespace tessera {

using namespace shelves;

namespace {
const QString Extension = QStringLiteral(".tsb");

bool folderFits(const QString& folder) {
    return folder.size() <= FolderCapacity && isCp1252(folder);
}

QString folderOf(const QString& dir) {
    return withTrailingSeparator(QDir::toNativeSeparators(QDir(dir).absolutePath()));
}

QString privateFolder(const Context& ctx) {
    return subdirectory(ctx.settings.netDataDir, withoutTrailingSeparator(ctx.settings.userFolder));
}

void takeCover(Context& ctx, Library& library, const QString& name) {
    if (unpackBook(ctx, library.entry(library.currentBook).containerPath(), UnpackMode::HeaderOnly))
        library.setCovers(name, QImage(ctx.appFile(QStringLiteral("image.bmp"))));
}

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo::exists(a) && QFileInfo::exists(b) &&
           QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

// Puts an assigned network book on the first shelf, copying it into the user folder first.
bool addNetworkBook(Context& ctx, Library& library, const QString& name,
                    const LibraryHooks& hooks) {
    if (library.activateFirstShelf() < 1) return false;
    const QString folder = privateFolder(ctx);
    const QString copy = folder + name + Extension;
    const QString source =
        subdirectory(ctx.settings.netDataDir, QStringLiteral("books")) + name + Extension;
    if (!QFileInfo::exists(copy) &&
        (!QFileInfo::exists(source) || !copyFile(ctx, source, copy, false)))
        return false;
    if (library.enterBook(name, folder, library.activeShelf - 1) != LibraryChange::Done)
        return false;
    takeCover(ctx, library, name);
    saveLibrary(ctx, library, hooks);
    return !ctx.settings.fatalError;
}
} // namespace

bool isTesseraBook(Context& ctx, const QString& path) {
    if (QFileInfo(path).size() < hdr::BlockSize) return false;
    return readMagic(ctx, path) == MagicText;
}

AddedBook addBookFile(Context& ctx, Library& library, const QString& path, int group) {
    const QFileInfo info(path);
    if (!info.isFile()) return {LibraryChange::NotFound, QString()};
    // The library finds the container again as folder + name + ".tsb".
    if (!info.fileName().endsWith(Extension) || !isTesseraBook(ctx, path))
        return {LibraryChange::NotABook, QString()};
    const QString fullName = info.fileName().chopped(Extension.size());
    const QString name = fullName.left(NameCapacity);
    if (bookNameProblem(name) != NameProblem::None) return {LibraryChange::BadName, name};
    if (library.countBooks() >= SlotCount) return {LibraryChange::BooksFull, name};
    if (library.bookNameTaken(name)) return {LibraryChange::Taken, name};
    if (group < 0 || group >= ShelfCount || !library.layout.groups[group].visible)
        return {LibraryChange::NotFound, name};
    QString folder = folderOf(info.absolutePath());
    if (!folderFits(folder) || (usesPrivateCopies(ctx.settings) && !folderFits(privateFolder(ctx))))
        return {LibraryChange::FolderUnfit, name};

    LibraryBusy busy(ctx.settings);
    if (fullName.size() > NameCapacity) {
        const QString shortened = folder + name + Extension;
        if (QFileInfo::exists(shortened)) return {LibraryChange::FileExists, name};
        if (!QFile::rename(path, shortened)) return {LibraryChange::FileFailed, name};
    }
    if (usesPrivateCopies(ctx.settings)) {
        const QString copy = privateFolder(ctx) + name + Extension;
        if (!sameFile(folder + name + Extension, copy) &&
            !copyFile(ctx, folder + name + Extension, copy, true))
            return {LibraryChange::FileFailed, name};
        folder = privateFolder(ctx);
    }
    const LibraryChange change = library.enterBook(name, folder, group);
    if (change == LibraryChange::Done) takeCover(ctx, library, name);
    return {change, name};
}

LibraryChange createBook(Context& ctx, Library& library, const NewBook& book) {
    if (bookNameProblem(book.name) != NameProblem::None) return LibraryChange::BadName;
    if (library.countBooks() >= SlotCount) return LibraryChange::BooksFull;
    if (library.bookNameTaken(book.name)) return LibraryChange::Taken;
    if (book.group < 0 || book.group >= ShelfCount || !library.layout.groups[book.group].visible)
        return LibraryChange::NotFound;
    const QString folder = folderOf(book.folder);
    if (!folderFits(folder)) return LibraryChange::FolderUnfit;
    if (!QFileInfo(book.folder).isDir()) return LibraryChange::NotFound;
    const QString target = folder + book.name + Extension;
    if (QFileInfo::exists(target)) return LibraryChange::FileExists;
    const QString templatePath = ctx.appFile(QStringLiteral("empty.ts_"));
    const QString cover =
        book.coverPath.isEmpty() ? ctx.appFile(QStringLiteral("image_p.bmp")) : book.coverPath;
    if (!QFileInfo::exists(templatePath) || !QFileInfo::exists(cover))
        return LibraryChange::NotFound;

    LibraryBusy busy(ctx.settings);
    if (!copyFile(ctx, templatePath, target, true)) return LibraryChange::FileFailed;
    // From here on a failure takes the half-made book out again.
    const auto undo = [&] {
        library.takeOutBook(book.name);
        QFile::remove(target);
        deleteWorkingFiles(ctx);
        return LibraryChange::FileFailed;
    };
    if (library.enterBook(book.name, folder, book.group) != LibraryChange::Done) {
        QFile::remove(target);
        return LibraryChange::FileFailed;
    }
    const auto unpacked = unpackBook(ctx, target, UnpackMode::Full);
    if (!unpacked) return undo();

    const Settings& s = ctx.settings;
    BookHeader header = unpacked->header;
    const QString now = dateText(ctx.clock().now());
    header.title = book.subtitle.left(hdr::TitleSize);
    header.created = now;
    header.lastPractice = now;
    header.author = s.userName;
    header.authorData = s.userDetails;
    header.email = s.userEmail;
    header.coverDesign = static_cast<quint8>(std::clamp(book.coverTexture, 1, 20));
    header.coverPicture = true;
    header.coverColour = 0xFFFFFF;
    header.isProtected = s.protectUserData;
    header.password = s.userDataPassword.left(hdr::PasswordSize);
    header.key = drawKey([&ctx](int n) { return ctx.random().below(n); });
    if (headerProblem(header, LongTexts::AreCut)) return undo();

    if (!copyFile(ctx, cover, ctx.appFile(QStringLiteral("image.bmp")), true)) return undo();
    if (!packBook(ctx, PackRequest{target, header, unpacked->notepad})) return undo();
    library.setCovers(book.name, QImage(cover));
    return LibraryChange::Done;
}

LibraryChange renameBook(Context& ctx, Library& library, const QString& oldName,
                         const QString& newName) {
    if (bookNameProblem(newName) != NameProblem::None) return LibraryChange::BadName;
    if (library.bookNameTakenKey(newName)) return LibraryChange::Taken;
    const int slot = library.findBookSlot(oldName);
    const int number = library.firstBookEntry(oldName);
    if (library.layout.bookSlots[slot].caption != oldName ||
        !library.layout.bookSlots[slot].visible || number == 0)
        return LibraryChange::NotFound;
    BookEntry& entry = library.entry(number);
    const QString target = entry.folder + newName + Extension;
    if (QFileInfo::exists(target)) return LibraryChange::FileExists;
    LibraryBusy busy(ctx.settings);
    if (!QFile::rename(entry.containerPath(), target)) return LibraryChange::FileFailed;
    library.layout.bookSlots[slot].caption = newName;
    entry.name = newName.left(NameCapacity);
    return LibraryChange::Done;
}

LibraryChange moveBook(Context& ctx, Library& library, int entryNumber, const QString& folder) {
    if (entryNumber < 1 || entryNumber > EntryCount || library.entry(entryNumber).isFree())
        return LibraryChange::NotFound;
    BookEntry& entry = library.entry(entryNumber);
    const QString target = folderOf(folder);
    if (!folderFits(target)) return LibraryChange::FolderUnfit;
    const QString from = entry.containerPath();
    const QString to = target + entry.name + Extension;
    // Copying a file onto itself and deleting the "source" would lose the book.
    if (sameFile(from, to)) return LibraryChange::Unchanged;
    if (QFileInfo::exists(to)) return LibraryChange::FileExists;
    if (!QFileInfo::exists(from)) return LibraryChange::NotFound;
    LibraryBusy busy(ctx.settings);
    if (!copyFile(ctx, from, to, true)) return LibraryChange::FileFailed;
    QFile::remove(from);
    entry.folder = target;
    return LibraryChange::Done;
}

LibraryChange deleteBook(Library& library, const QString& name, bool deleteFile) {
    const int slot = library.findBookSlot(name);
    if (library.layout.bookSlots[slot].caption != name || !library.layout.bookSlots[slot].visible)
        return LibraryChange::NotFound;
    if (const int number = library.firstBookEntry(name); number != 0 && deleteFile) {
        const QString path = library.entry(number).containerPath();
        if (QFileInfo::exists(path) && !QFile::remove(path)) return LibraryChange::FileFailed;
    }
    library.takeOutBook(name);
    return LibraryChange::Done;
}

int synchroniseAssignedBooks(Context& ctx, Library& library, int userNumber,
                             const LibraryHooks& hooks) {
    if (ctx.settings.fatalError || !usesPrivateCopies(ctx.settings)) return 0;
    ctx.log(QStringLiteral("LOG login lib ch"));
    const auto assignment = ReadAssignment(ctx, userNumber);
    int added = 0;
    for (int number = 1; assignment && number <= AssignedBooks && !ctx.settings.fatalError;
         ++number) {
        const NetBookRecord book = ReadNetBook(ctx, number);
        if (book.name.isEmpty()) continue;
        const bool listed = bookInBookListFile(ctx, book.name);
        if (ctx.settings.fatalError) break;
        if (assignment->isAssigned(number) && !listed) {
            added += addNetworkBook(ctx, library, book.name, hooks) ? 1 : 0;
        } else if (!assignment->isAssigned(number) && listed) {
            library.removeBook(book.name);
            saveLibrary(ctx, library, hooks);
        }
    }
    if (added > 0 && !ctx.settings.fatalError) {
        if (hooks.rebuildView) hooks.rebuildView();
        ctx.feedback().showMessage(ctx.entry(added == 1 ? 48 : 49), MessageKind::Information);
        ctx.delay(1);
    }
    if (!ctx.settings.fatalError) ctx.log(QStringLiteral("LOG login lib ch ok"));
    return added;
}

} // namespace tessera
