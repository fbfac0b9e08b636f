#include "library/libraryfiles.h"

#include "bookfiles/container.h"
#include "library/librarypause.h"
#include "shell/context.h"
#include "shell/errors.h"
#include "shell/paths.h"
#include "shell/textfile.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>

namespace tessera {

using namespace shelves;

namespace {
const QString LayoutFile = QStringLiteral("library.dat");
const QString BookListFile = QStringLiteral("books.dat");
constexpr int LayoutProgressSteps = 28;

QString bit(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

class SectionWriter {
public:
    explicit SectionWriter(QStringList& lines, const QString& name) : lines_(lines) {
        lines_ << QLatin1Char('[') + name + QLatin1Char(']');
    }
    ~SectionWriter() { lines_ << QString(); }
    SectionWriter(const SectionWriter&) = delete;
    SectionWriter& operator=(const SectionWriter&) = delete;

    void key(const QString& key, const QString& value) { lines_ << key + QLatin1Char('=') + value; }
    void key(const QString& key, int value) { this->key(key, QString::number(value)); }
    void flag(const QString& key, bool value) { this->key(key, bit(value)); }

private:
    QStringList& lines_;
};

using Section = QHash<QString, QString>;

// The sections of an INI text by name; a key takes the value after its first "=".
QHash<QString, Section> sections(const QStringList& lines) {
    QHash<QString, Section> result;
    Section* current = nullptr;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = &result[line.mid(1, line.size() - 2)];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current && equals > 0) current->insert(line.left(equals), line.mid(equals + 1));
    }
    return result;
}

class SectionReader {
public:
    explicit SectionReader(const Section& section) : section_(section) {}
    QString text(const QString& key, const QString& fallback) const {
        return section_.value(key, fallback);
    }
    int number(const QString& key, int fallback) const {
        bool ok = false;
        const int value = section_.value(key).toInt(&ok);
        return ok ? value : fallback;
    }
    bool flag(const QString& key, bool fallback) const {
        const auto it = section_.constFind(key);
        if (it == section_.constEnd()) return fallback;
        return it.value() == QLatin1String("1");
    }

private:
    const Section& section_;
};

void writeItem(QStringList& lines, int index, const BookSlot& slot) {
    SectionWriter w(lines, QStringLiteral("Item%1").arg(index));
    w.key(QStringLiteral("Caption"), slot.caption);
    w.flag(QStringLiteral("Enabled"), slot.enabled);
    w.key(QStringLiteral("Hint"), QString());
    w.key(QStringLiteral("LargeImageIndex"), slot.largeImageIndex);
    w.key(QStringLiteral("SmallImageIndex"), slot.smallImageIndex);
    w.key(QStringLiteral("Tag"), index + 1);
    w.flag(QStringLiteral("Visible"), slot.visible);
}

void writeGroup(QStringList& lines, int index, const ShelfGroup& group) {
    SectionWriter w(lines, QStringLiteral("Group%1").arg(index));
    w.key(QStringLiteral("Caption"), group.caption);
    w.flag(QStringLiteral("Expanded"), group.expanded);
    w.key(QStringLiteral("Hint"), QString());
    w.key(QStringLiteral("LargeImageIndex"), -1);
    w.key(QStringLiteral("LinkCount"), int(group.links.size()));
    for (int k = 0; k < group.links.size(); ++k)
        w.key(QStringLiteral("Link%1ItemIndex").arg(k), group.links[k]);
    w.flag(QStringLiteral("LinksUseSmallImages"), group.linksUseSmallImages);
    w.key(QStringLiteral("SelectedLinkIndex"), group.selectedLinkIndex);
    w.flag(QStringLiteral("ShowAsIconView"), group.showAsIconView);
    w.key(QStringLiteral("ShowExpandButton"), 1);
    w.key(QStringLiteral("SmallImageIndex"), -1);
    w.key(QStringLiteral("Tag"), index + 1);
    w.key(QStringLiteral("TopVisibleLinkIndex"), group.topVisibleLinkIndex);
    w.flag(QStringLiteral("UseSmallImages"), group.useSmallImages);
    w.flag(QStringLiteral("Visible"), group.visible);
}

BookSlot readItem(const Section& section, const BookSlot& empty) {
    const SectionReader r(section);
    BookSlot slot;
    slot.caption = r.text(QStringLiteral("Caption"), empty.caption);
    slot.enabled = r.flag(QStringLiteral("Enabled"), empty.enabled);
    slot.visible = r.flag(QStringLiteral("Visible"), empty.visible);
    // Cover indexes are given again when the book list is read; stale ones would point astray.
    return slot;
}

ShelfGroup readGroup(const Section& section, const ShelfGroup& empty) {
    const SectionReader r(section);
    ShelfGroup group;
    group.caption = r.text(QStringLiteral("Caption"), empty.caption);
    group.expanded = r.flag(QStringLiteral("Expanded"), empty.expanded);
    group.visible = r.flag(QStringLiteral("Visible"), empty.visible);
    group.linksUseSmallImages =
        r.flag(QStringLiteral("LinksUseSmallImages"), empty.linksUseSmallImages);
    group.selectedLinkIndex =
        r.number(QStringLiteral("SelectedLinkIndex"), empty.selectedLinkIndex);
    group.showAsIconView = r.flag(QStringLiteral("ShowAsIconView"), empty.showAsIconView);
    group.topVisibleLinkIndex =
        r.number(QStringLiteral("TopVisibleLinkIndex"), empty.topVisibleLinkIndex);
    group.useSmallImages = r.flag(QStringLiteral("UseSmallImages"), empty.useSmallImages);
    const int count = std::clamp(r.number(QStringLiteral("LinkCount"), 0), 0, SlotCount);
    for (int k = 0; k < count; ++k) {
        const int slot = r.number(QStringLiteral("Link%1ItemIndex").arg(k), -1);
        // A damaged link is left out rather than pointing outside the slots.
        if (slot >= 0 && slot < SlotCount) group.links << slot;
    }
    return group;
}

// A slot stands on one shelf only: a later link to a slot already placed is dropped.
void dropRepeatedLinks(ShelfLayout& layout) {
    std::array<bool, SlotCount> placed{};
    for (ShelfGroup& group : layout.groups) {
        QList<int> kept;
        for (const int slot : group.links)
            if (!std::exchange(placed[slot], true)) kept << slot;
        group.links = kept;
    }
}

void showLayoutProgress(Context& ctx) {
    ctx.feedback().setStatusText(ctx.entry(126));
    ctx.feedback().setProgress(0);
    ctx.feedback().setProgressVisible(true);
    for (int step = 1; step <= LayoutProgressSteps; ++step) {
        ctx.feedback().setProgress(100 * step / LayoutProgressSteps);
        ctx.delay(1);
    }
    ctx.feedback().setStatusText(QString());
    ctx.feedback().setProgressVisible(false);
    ctx.feedback().setProgress(0);
}

// The folder of an entry: private copies for users other than the Admin in multi-user mode.
QString entryFolder(const Context& ctx, const QString& line) {
    const Settings& s = ctx.settings;
    return usesPrivateCopies(s) ? subdirectory(s.netDataDir, s.userFolder)
                                : withTrailingSeparator(line);
}

// A book whose container is gone leaves its shelf, its slot and its entry.
void dropMissingBook(Context& ctx, Library& library, int number) {
    const QString name = library.entry(number).name;
    ctx.log(QStringLiteral("MIN bk nexists"));
    ctx.feedback().showMessage(ctx.entry(53) + QLatin1Char('"') + name + QLatin1Char('"'),
                               MessageKind::Error);
    ctx.delay(1);
    ShelfLayout& layout = library.layout;
    for (int g = 0; g < ShelfCount; ++g) {
        if (!layout.groups[g].visible) continue;
        QList<int>& links = layout.groups[g].links;
        for (qsizetype k = links.size() - 1; k >= 0; --k) {
            if (layout.bookSlots[links[k]].caption != name) continue;
            links.removeAt(k);
            break;
        }
    }
    const int slot = library.findBookSlot(name);
    if (layout.bookSlots[slot].caption == name) {
        layout.bookSlots[slot].visible = false;
        layout.bookSlots[slot].caption.clear();
    }
    library.entry(number).name.clear();
}

void takeCover(Context& ctx, Library& library, int number) {
    const QString name = library.entry(number).name;
    ctx.log(QStringLiteral("MIN bk exists"));
    library.currentBook = number;
    if (!unpackBook(ctx, library.entry(number).containerPath(), UnpackMode::HeaderOnly)) return;
    library.setCovers(name, QImage(ctx.appFile(QStringLiteral("image.bmp"))));
    ctx.log(QStringLiteral("MIN bk pos") + QString::number(library.findBookSlot(name)));
}

// Reads the book list of books.dat; false after error 26.
bool readBookList(Context& ctx, Library& library) {
    ctx.log(QStringLiteral("MIN op books.dat"));
    const auto lines = readTextLines(ctx.appFile(BookListFile));
    if (!lines) {
        reportError(ctx, err::ReadBooksDat);
        return false;
    }
    library.clearBookList();
    qsizetype at = 0;
    auto nextLine = [&]() {
        const QString line = at < lines->size() ? lines->at(at) : QString();
        ++at;
        ctx.log(QStringLiteral("MIN op rd: ") + line);
        return line;
    };
    QString name = nextLine();
    for (int number = 1; !name.isEmpty() && number <= EntryCount && !ctx.settings.fatalError;
         ++number) {
        const bool hasFolderLine = at < lines->size();
        const QString folderLine = nextLine();
        library.entry(number) = {name.left(NameCapacity), entryFolder(ctx, folderLine)};
        name = nextLine();
        // Without its folder line the container cannot be placed; it counts as missing.
        if (hasFolderLine && QFileInfo::exists(library.entry(number).containerPath()))
            takeCover(ctx, library, number);
        else
            dropMissingBook(ctx, library, number);
    }
    return !ctx.settings.fatalError;
}
} // namespace

QStringList layoutLines(const ShelfLayout& layout) {
    QStringList lines;
    {
        SectionWriter w(lines, QStringLiteral("Layout"));
        w.key(QStringLiteral("View"), layout.view);
        w.key(QStringLiteral("StyleCount"), 0);
        w.key(QStringLiteral("ItemCount"), SlotCount);
        w.key(QStringLiteral("GroupCount"), GroupCount);
    }
    for (int s = 0; s < SlotCount; ++s)
        writeItem(lines, s, layout.bookSlots[s]);
    for (int g = 0; g < GroupCount; ++g)
        writeGroup(lines, g, layout.groups[g]);
    return lines;
}

std::optional<ShelfLayout> parseLayout(const QStringList& lines) {
    const QHash<QString, Section> all = sections(lines);
    const auto head = all.constFind(QStringLiteral("Layout"));
    if (head == all.constEnd()) return std::nullopt;
    const SectionReader r(*head);
    if (r.number(QStringLiteral("ItemCount"), -1) != SlotCount ||
        r.number(QStringLiteral("GroupCount"), -1) != GroupCount)
        return std::nullopt;
    ShelfLayout layout = ShelfLayout::empty();
    layout.view = std::max(0, r.number(QStringLiteral("View"), 0));
    for (int s = 0; s < SlotCount; ++s)
        layout.bookSlots[s] =
            readItem(all.value(QStringLiteral("Item%1").arg(s)), layout.bookSlots[s]);
    for (int g = 0; g < GroupCount; ++g)
        layout.groups[g] = readGroup(all.value(QStringLiteral("Group%1").arg(g)), layout.groups[g]);
    dropRepeatedLinks(layout);
    return layout;
}

bool writeLayoutFile(const QString& path, const ShelfLayout& layout) {
    return writeTextLines(path, layoutLines(layout));
}

std::optional<ShelfLayout> readLayoutFile(const QString& path) {
    const auto lines = readTextLines(path);
    if (!lines) return std::nullopt;
    return parseLayout(*lines);
}

QStringList bookListLines(const Library& library) {
    QStringList lines;
    for (const BookEntry& entry : library.entries)
        if (!entry.isFree()) lines << entry.name << entry.folder;
    return lines;
}

bool usesPrivateCopies(const Settings& settings) {
    return !settings.singleUser && !settings.isAdministrator();
}

QString defaultShelfName(int language) {
    static const QString names[3] = {QStringLiteral("Estantería"), QStringLiteral("Shelf"),
                                     QStringLiteral("Estante")};
    return names[std::clamp(language, 0, 2)];
}

void readLibrary(Context& ctx, Library& library, const LibraryHooks& hooks) {
    if (ctx.settings.fatalError) return;
    LibraryBusy paused(ctx.settings);
    if (hooks.splashText && ctx.settings.splashVisible)
        hooks.splashText(QStringLiteral("Reading library..."));
    ctx.log(QStringLiteral("MIN rd lib"));
    const bool bothExist =
        QFileInfo::exists(ctx.appFile(BookListFile)) && QFileInfo::exists(ctx.appFile(LayoutFile));
    if (bothExist) {
        if (auto layout = readLayoutFile(ctx.appFile(LayoutFile))) {
            library.layout = *layout;
            library.largeCovers.clear();
            library.smallCovers.clear();
        }
        showLayoutProgress(ctx);
    }
    ctx.log(QStringLiteral("MIN rd lib ok"));
    if (bothExist && !readBookList(ctx, library)) return;

    if (library.countShelves() == 0) {
        ShelfGroup& first = library.layout.groups[0];
        first.caption = defaultShelfName(ctx.settings.currentLanguage);
        first.visible = true;
        if (hooks.defaultShelfMade) hooks.defaultShelfMade();
    }
    if (hooks.rebuildView) hooks.rebuildView();
}

bool saveLibrary(Context& ctx, const Library& library, const LibraryHooks& hooks) {
    if (ctx.settings.fatalError) return false;
    LibraryBusy paused(ctx.settings);
    // The layout is a convenience: losing it only loses the arrangement, never a book.
    writeLayoutFile(ctx.appFile(LayoutFile), library.layout);
    if (hooks.savePreferences) hooks.savePreferences();
    if (!writeTextLines(ctx.appFile(BookListFile), bookListLines(library))) {
        reportError(ctx, err::SaveLibrary);
        return false;
    }
    return true;
}

bool bookInBookListFile(Context& ctx, const QString& name) {
    const auto lines = readTextLines(ctx.appFile(BookListFile));
    if (!lines) {
        reportError(ctx, err::CheckBooksDat);
        return false;
    }
    for (qsizetype at = 0; at < lines->size() && !lines->at(at).isEmpty(); at += 2)
        if (lines->at(at).left(NameCapacity) == name) return true;
    return false;
}

} // namespace tessera
