// The main window's library: the mirrors of the shelf side bar (menus, bar drop-downs,
// the shelf pane) and the handlers of shelves, shelf items and book items.
#include "forms/shelfbar.h"
#include "forms/languageapply.h"
#include "forms/tesseraapp.h"
#include "forms/tpadmin.h"
#include "forms/tpprincipal.h"
#include "library/librarypause.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QToolButton>

namespace tessera {

using namespace shelves;

namespace {
constexpr const char* NoShelf = "  -";

// The library menus and bar items that change books, by what they do.
constexpr const char* AddItems[] = {"Submenu_Anhadir_Libro", "Barra_Lib_Anhadir_Libro"};
constexpr const char* DeleteItems[] = {"Submenu_Libro_Eliminar", "Barra_Lib_Libro_Eliminar"};
constexpr const char* RenameItems[] = {"Submenu_Libro_Renombrar", "Barra_Lib_Libro_Renombrar"};

// A progress run in the action pane: the text, the bar from 0, and the pane cleared at the end.
class ProgressRun {
public:
    ProgressRun(TPPrincipal& window, const QString& text) : window_(window) {
        window_.setActionText(text);
        window_.setProgress(0);
        window_.setProgressVisible(true);
    }
    ~ProgressRun() {
        window_.setActionText(QString());
        window_.setProgressVisible(false);
        window_.setProgress(0);
    }

private:
    TPPrincipal& window_;
};
} // namespace

void TPPrincipal::connectLibrary() {
    ShelfBar* bar = Libreria_Vista;
    connect(bar, &ShelfBar::shelfClicked, this, &TPPrincipal::Estanteria_Click);
    connect(bar, &ShelfBar::shelfExpanded, this, [this](int shelf, bool) { Estanteria_Expanded(shelf); });
    connect(bar, &ShelfBar::bookMoved, this, [this](const QString&, int, int toShelf) {
        // At the end of a drag the shelf that took the book is the active one.
        app_.library().setActiveShelf(toShelf);
        updateShelfMarks();
        updateBookLists();
    });
    connect(bar, &ShelfBar::bookClicked, this, [this](const QString& name) { app_.openBook(name); });
    for (int k = 1; k <= ShelfCount; ++k) {
        for (QAction* item : {shelfMenuItems[k - 1], shelfBarItems[k - 1]}) {
            item->setCheckable(true);
            connect(item, &QAction::triggered, this, [this, k] { Submenu_Est_01Click(k); });
        }
    }
    for (int k = 1; k <= SlotCount; ++k) {
        for (QAction* item : {bookMenuItems[k - 1], bookBarItems[k - 1]}) {
            connect(item, &QAction::triggered, this, [this, k] {
                const BookSlot& slot = app_.library().layout.bookSlots[k - 1];
                if (slot.visible) app_.openBook(slot.caption);
            });
        }
    }
    if (auto* all = findChild<QAction*>(QStringLiteral("Submenu_Est_Todas")))
        connect(all, &QAction::triggered, this, &TPPrincipal::expandAllShelves);
    if (auto* none = findChild<QAction*>(QStringLiteral("Submenu_Est_Ninguna")))
        connect(none, &QAction::triggered, this, &TPPrincipal::collapseAllShelves);
}

void TPPrincipal::updateShelves() {
    Context& c = ctx();
    Libreria_Vista->rebuild();
    app_.splashText(QStringLiteral("Updating shelves..."));
    const Library& library = app_.library();
    ProgressRun run(*this, c.entry(106));
    constexpr int Steps = 2 * ShelfCount + ShelfCount;
    int step = 0;
    const auto advance = [&] {
        setProgress(100 * step++ / Steps);
        c.delay(1);
    };
    for (int k = 0; k < ShelfCount; ++k) {
        advance();
        shelfMenuItems[k]->setVisible(false);
        advance();
        shelfBarItems[k]->setVisible(false);
    }
    for (int k = 0; k < ShelfCount; ++k) {
        advance();
        const ShelfGroup& group = library.layout.groups[k];
        if (!group.visible) continue;
        for (QAction* item : {shelfMenuItems[k], shelfBarItems[k]}) {
            item->setText(group.caption);
            item->setVisible(true);
        }
    }
    setProgress(100);
}

void TPPrincipal::updateShelfMarks() {
    app_.splashText(QStringLiteral("Updating shelves menu icons..."));
    const Library& library = app_.library();
    Panel_Estanteria->setText(QLatin1String(NoShelf));
    for (int k = 1; k <= ShelfCount; ++k) {
        const ShelfGroup& group = library.layout.groups[k - 1];
        const bool marked = library.isTreeStyle() ? group.visible && group.expanded
                                                  : group.visible && library.activeShelf == k;
        shelfMenuItems[k - 1]->setChecked(marked);
        shelfBarItems[k - 1]->setChecked(marked);
        if (marked && !library.isTreeStyle()) Panel_Estanteria->setText(group.caption);
    }
    // The bar's drop-down names the shelf the person works on.
    const int active = library.activeShelf;
    Barra_Lib_Est_Activa->setText(active >= 1 && library.layout.groups[active - 1].visible
                                      ? library.layout.groups[active - 1].caption
                                      : ctx().entry(289));
}

void TPPrincipal::updateBookLists() {
    Context& c = ctx();
    const LibraryBusy busy(c.settings);
    Library& library = app_.library();
    app_.splashText(QStringLiteral("Updating book lists..."));
    const QList<int> listed = ShelfBar::listedSlots(library);
    {
        ProgressRun run(*this, c.entry(105));
        const int steps = 20 + int(listed.size());
        int step = 0;
        const auto advance = [&] {
            setProgress(100 * ++step / steps);
            c.delay(1);
        };
        for (int k = 0; k < SlotCount; ++k) {
            bookMenuItems[k]->setVisible(false);
            bookBarItems[k]->setVisible(false);
            const QString& caption = library.layout.bookSlots[k].caption;
            bookMenuItems[k]->setText(caption);
            bookBarItems[k]->setText(caption);
            // Hiding the hundred items counts twenty steps, spread evenly over the slots.
            for (int s = k * 20 / SlotCount; s < (k + 1) * 20 / SlotCount; ++s)
                advance();
        }
        // The items keep their slot order, so a book keeps its place in the menus.
        for (int slot : listed) {
            bookMenuItems[slot]->setVisible(true);
            bookBarItems[slot]->setVisible(true);
            advance();
        }
    }
    Barra_Lib_Libro_Activo->setEnabled(!listed.isEmpty());
    Libreria_Vista->rebuild();
}

void TPPrincipal::activateFirstShelf() {
    Library& library = app_.library();
    if (library.activateFirstShelf() < 1) return;
    updateShelfMarks();
    updateBookLists();
}

void TPPrincipal::refreshLibrary() {
    Library& library = app_.library();
    // The shelf the person worked on last stays the active one while it is there.
    const int remembered = library.activeShelf >= 1 ? library.activeShelf : library.layout.activeGroup + 1;
    if (remembered >= 1 && remembered <= ShelfCount && library.layout.groups[remembered - 1].visible)
        library.setActiveShelf(remembered);
    else
        library.activateFirstShelf();
    updateShelves();
    updateShelfMarks();
    updateBookLists();
}

void TPPrincipal::nameDefaultShelf() {
    for (QAction* item : {shelfMenuItems[0], shelfBarItems[0]}) {
        item->setText(ctx().entry(289));
        item->setVisible(true);
    }
}

void TPPrincipal::applyLibraryStyle() {
    const Settings& s = ctx().settings;
    Libreria_Vista->setViewStyle(s.libraryStyle);
    Libreria_Vista->setSmallIcons(s.iconSize == 1);
    const bool tree = app_.library().isTreeStyle();
    for (const char* name : {"Submenu_Est_Todas", "Submenu_Est_Ninguna"})
        if (auto* item = ownControl<QAction>(this, QLatin1String(name))) item->setEnabled(tree);
    updateShelfMarks();
    updateBookLists();
}

void TPPrincipal::expandAllShelves() {
    if (ctx().settings.eventsEnabled != 1) return;
    const LibraryBusy busy(ctx().settings);
    Libreria_Vista->expandAll();
    updateShelfMarks();
    updateBookLists();
}

void TPPrincipal::collapseAllShelves() {
    Context& c = ctx();
    if (c.settings.eventsEnabled != 1) return;
    const LibraryBusy busy(c.settings);
    {
        ProgressRun run(*this, c.entry(121));
        Library& library = app_.library();
        for (int k = 1; k <= ShelfCount; ++k) {
            ShelfGroup& group = library.layout.groups[k - 1];
            if (library.isTreeStyle() && group.visible && group.expanded) group.expanded = false;
            setProgress(10 * k);
        }
    }
    updateShelfMarks();
    updateBookLists();
}

void TPPrincipal::finishingAnimation(int entry) {
    Context& c = ctx();
    const LibraryBusy busy(c.settings);
    // The console mirrors the main window's progress while it is open.
    auto* consoleBar = app_.admin().findChild<QProgressBar*>();
    setActionText(c.entry(entry));
    setProgressVisible(true);
    if (consoleBar) consoleBar->show();
    for (int percent = 0; percent <= 100; ++percent) {
        setProgress(percent);
        if (consoleBar) consoleBar->setValue(percent);
        c.delay(3);
    }
    setActionText(QString());
    setProgressVisible(false);
    setProgress(0);
    if (consoleBar) {
        consoleBar->hide();
        consoleBar->setValue(0);
    }
}

void TPPrincipal::applyBookPermissions() {
    const Settings& s = ctx().settings;
    const auto enable = [this](const auto& names, bool on) {
        for (const char* name : names)
            if (auto* item = ownControl<QAction>(this, QLatin1String(name))) item->setEnabled(on);
    };
    enable(AddItems, s.mayAddBooks());
    enable(DeleteItems, s.mayDeleteBooks());
    enable(RenameItems, s.mayRenameBooks());
}

void TPPrincipal::Estanteria_Click(int shelf) {
    Settings& s = ctx().settings;
    if (s.eventsEnabled != 1) return;
    if (app_.bookOpen()) app_.closeOpenBook();
    app_.library().setActiveShelf(shelf);
    updateBookLists();
    updateShelfMarks();
}

void TPPrincipal::Estanteria_Expanded(int shelf) {
    updateShelfMarks();
    app_.library().layout.activeGroup = shelf - 1;
    updateBookLists();
}

void TPPrincipal::Submenu_Est_01Click(int shelf) {
    Settings& s = ctx().settings;
    Library& library = app_.library();
    if (s.eventsEnabled != 1 || !library.layout.groups[shelf - 1].visible) {
        updateShelfMarks(); // a checkable item must not keep a mark it was not given
        return;
    }
    library.setActiveShelf(shelf);
    ShelfGroup& group = library.layout.groups[shelf - 1];
    if (library.isTreeStyle()) group.expanded = !group.expanded;
    library.layout.activeGroup = shelf - 1;
    updateShelfMarks();
    updateBookLists();
}

} // namespace tessera
