#pragma once

#include "library/library.h"

#include <QFrame>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <array>

class QMimeData;
class QScrollArea;
class QVBoxLayout;

namespace tessera {

class ShelfBand;
class BookTile;

// The shelf side bar: each visible shelf of the library is a band with a header that
// opens to show its books as cover icons with their names. The bar draws the model it
// is given and writes back only what the person changes in it (the active shelf, which
// shelves stand open, where a dragged book went); the application listens to the
// signals to save the library and refresh its menus.
class ShelfBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int LargeIconSize = 32;
    static constexpr int SmallIconSize = 16;
    static constexpr int StyleCount = 12;
    // The payload of a dragged book: its slot index as decimal text.
    static constexpr const char* BookMimeType = "application/x-tessera-book-slot";

    explicit ShelfBar(Library& library, QWidget* parent = nullptr);

    // The twelve style names in style order.
    static QStringList styleNames();
    // The slots the book menus list, in slot order: the books of the active shelf in the
    // one-shelf styles, those of every open shelf in the tree-like styles.
    static QList<int> listedSlots(const Library& library);
    static QMimeData* bookMimeData(int slot);

    // Draws the model again: shelves, books, covers, which bands stand open.
    void rebuild();

    void setViewStyle(int style);
    int viewStyle() const { return library_.layout.view; }
    void setSmallIcons(bool small);
    bool smallIcons() const { return small_; }
    QSize iconSize() const;

    // Shelves are numbered 1..10 here, as the person sees them.
    // What a click on the band's header does.
    void clickShelf(int shelf);
    void setShelfExpanded(int shelf, bool expanded);
    bool isShelfExpanded(int shelf) const;
    // Only the tree-like styles open several shelves; in the others these do nothing.
    void expandAll();
    void collapseAll();

    // Moves a book's link to position on the shelf of the group (a drop does this);
    // false when nothing changed.
    bool moveBook(int slot, int group, int position);

    // The names on the open bands, band by band, each in shelf order: what the person sees.
    QStringList shownBooks() const;
    ShelfBand* band(int shelf) const { return bands_[shelf - 1]; }
    BookTile* tile(int slot) const { return tiles_[slot]; }

signals:
    void bookClicked(const QString& name);
    void shelfClicked(int shelf);
    void activeShelfChanged(int shelf);
    void shelfExpanded(int shelf, bool expanded);
    // A book was dropped on another shelf or another place of its own: save the library.
    void bookMoved(const QString& name, int fromShelf, int toShelf);

private:
    void applyLook();
    void placeTiles();
    void openOnlyActiveShelf();
    int openGroupOfOneShelfStyle() const;
    void setActive(int shelf);

    Library& library_;
    bool small_ = false;
    QScrollArea* scroll_ = nullptr;
    QVBoxLayout* column_ = nullptr;
    QWidget* store_ = nullptr; // holds the tiles of unused slots out of sight
    std::array<ShelfBand*, shelves::ShelfCount> bands_{};
    std::array<BookTile*, shelves::SlotCount> tiles_{};
};

// A shelf: its header button and the body holding its books. Books dropped anywhere on
// the band land on its shelf.
class ShelfBand : public QFrame {
    Q_OBJECT
public:
    ShelfBand(ShelfBar& bar, int group, QWidget* parent);
    QToolButton* header() const { return header_; }
    QWidget* body() const { return body_; }
    QVBoxLayout* bodyLayout() const { return bodyLayout_; }
    bool isOpen() const { return !body_->isHidden(); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int dropPosition(const QPoint& pos) const;

    ShelfBar& bar_;
    int group_;
    QToolButton* header_;
    QWidget* body_;
    QVBoxLayout* bodyLayout_;
};

// A book on a shelf: its cover with its name; a click opens it, a drag carries it.
class BookTile : public QToolButton {
    Q_OBJECT
public:
    BookTile(int slot, QWidget* parent);
    int slot() const { return slot_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int slot_;
    QPoint pressedAt_;
};

} // namespace tessera
