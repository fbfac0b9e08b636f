#include "forms/shelfbar.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace tessera {

namespace {

// How a style draws the bar. The one-shelf styles read like a stack of buttons with the
// open shelf between them; the tree-like ones like a list of folding sections with arrows.
struct Look {
    const char* name;
    const char* headerTop;
    const char* headerBottom;
    const char* headerText;
    const char* border;
    const char* body;
    const char* caption;
    int radius;
    bool bold;
    bool leftAligned;
};

constexpr std::array<Look, ShelfBar::StyleCount> Looks{{
    {"Base", "#ececec", "#c9c9c9", "#000000", "#7f7f7f", "#8c8c8c", "#ffffff", 0, false, false},
    {"Flat", "#e3e3e3", "#e3e3e3", "#202020", "#b4b4b4", "#ffffff", "#202020", 0, false, false},
    {"Office 1", "#fdf3d3", "#f3d27e", "#3b2b05", "#c9a64a", "#fffbea", "#3b2b05", 0, false, false},
    {"Office 2", "#e3ecf8", "#b2c8e8", "#16325c", "#7d9bc7", "#f3f7fc", "#16325c", 0, true, true},
    {"Office 3", "#f7f7f7", "#d5dae3", "#2b2f36", "#9aa4b3", "#ffffff", "#2b2f36", 3, false, false},
    {"VS Tool", "#d4d0c8", "#d4d0c8", "#000000", "#808080", "#f0efe9", "#000000", 0, false, true},
    {"XP 1", "#ffffff", "#c6d3f7", "#215dc6", "#99b0e8", "#d6dff7", "#1c3f8a", 4, true, false},
    {"XP 2", "#7ba2e7", "#4a74d4", "#ffffff", "#3a5fb8", "#dbe5f9", "#1c3f8a", 4, true, false},
    {"Explorer", "#ffffff", "#c6d3f7", "#215dc6", "#ffffff", "#d6dff7", "#1c3f8a", 4, true, true},
    {"Ultra flat", "#f4f4f4", "#f4f4f4", "#404040", "#bdbdbd", "#ffffff", "#404040", 0, false,
     true},
    {"Adv. explorer", "#0c32a8", "#2d63d6", "#ffffff", "#0c32a8", "#eef3fd", "#0c2a7a", 5, true,
     true},
    {"XP", "#f6f4ea", "#d6d0b8", "#3c3c3c", "#b8b096", "#fbfaf4", "#3c3c3c", 4, true, true},
}};

// The room for a book's name on a bar as wide as the main window gives it.
constexpr int CaptionWidth = 136;

const Look& lookOf(int style) {
    return Looks[std::clamp(style, 0, ShelfBar::StyleCount - 1)];
}

QString shelfName(int group) {
    return QStringLiteral("Estanteria_%1").arg(group + 1, 2, 10, QLatin1Char('0'));
}

QString bookName(int slot) {
    return QStringLiteral("Libro_%1").arg(slot + 1, 3, 10, QLatin1Char('0'));
}

// A book without a cover picture still shows as a book: a coloured spine and its initial.
QPixmap placeholderCover(const QString& name, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromHsv(int(qHash(name) % 360), 120, 170);
    const QRectF page(size * 0.18, size * 0.06, size * 0.68, size * 0.88);
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawRoundedRect(page, size * 0.06, size * 0.06);
    p.fillRect(QRectF(page.left(), page.top(), size * 0.12, page.height()), colour.darker(130));
    if (size >= 24 && !name.isEmpty()) {
        QFont font = p.font();
        font.setPixelSize(size / 2);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(page.adjusted(size * 0.12, 0, 0, 0), Qt::AlignCenter, name.left(1).toUpper());
    }
    return pixmap;
}

QPixmap coverOf(const Library& library, const BookSlot& slot, bool small) {
    const int size = small ? ShelfBar::SmallIconSize : ShelfBar::LargeIconSize;
    const QList<QImage>& covers = small ? library.smallCovers : library.largeCovers;
    const int index = small ? slot.smallImageIndex : slot.largeImageIndex;
    if (index < 0 || index >= covers.size() || covers[index].isNull())
        return placeholderCover(slot.caption, size);
    return QPixmap::fromImage(
        covers[index].scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

ShelfBar::ShelfBar(Library& library, QWidget* parent) : QWidget(parent), library_(library) {
    setObjectName(QStringLiteral("Libreria_Vista"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("Libreria_Desplazamiento"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll_);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Libreria_Estantes"));
    content->setAttribute(Qt::WA_StyledBackground);
    column_ = new QVBoxLayout(content);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(2);
    for (int g = 0; g < shelves::ShelfCount; ++g) {
        bands_[g] = new ShelfBand(*this, g, content);
        column_->addWidget(bands_[g]);
    }
    column_->addStretch(1);
    scroll_->setWidget(content);

    store_ = new QWidget(this);
    store_->hide();
    for (int s = 0; s < shelves::SlotCount; ++s) {
        tiles_[s] = new BookTile(s, store_);
        connect(tiles_[s], &QToolButton::clicked, this, [this, s] {
            const BookSlot& slot = library_.layout.bookSlots[s];
            if (slot.visible) emit bookClicked(slot.caption);
        });
    }
    rebuild();
}

QStringList ShelfBar::styleNames() {
    QStringList names;
    for (const Look& look : Looks)
        names << QString::fromLatin1(look.name);
    return names;
}

QList<int> ShelfBar::listedSlots(const Library& library) {
    QList<int> listed;
    const bool tree = library.isTreeStyle();
    for (int g : library.visibleShelves()) {
        const ShelfGroup& group = library.layout.groups[g];
        if (tree ? !group.expanded : g + 1 != library.activeShelf) continue;
        for (int slot : group.links)
            if (slot >= 0 && slot < shelves::SlotCount && library.layout.bookSlots[slot].visible)
                listed << slot;
    }
    std::sort(listed.begin(), listed.end());
    return listed;
}

QMimeData* ShelfBar::bookMimeData(int slot) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(BookMimeType), QByteArray::number(slot));
    return data;
}

QSize ShelfBar::iconSize() const {
    const int size = small_ ? SmallIconSize : LargeIconSize;
    return {size, size};
}

void ShelfBar::rebuild() {
    if (!library_.isTreeStyle()) openOnlyActiveShelf();
    placeTiles();
    applyLook();
}

int ShelfBar::openGroupOfOneShelfStyle() const {
    return library_.activeShelf >= 1 ? library_.activeShelf - 1 : library_.layout.activeGroup;
}

void ShelfBar::openOnlyActiveShelf() {
    const int open = openGroupOfOneShelfStyle();
    for (int g = 0; g < shelves::ShelfCount; ++g)
        library_.layout.groups[g].expanded = g == open;
}

void ShelfBar::placeTiles() {
    for (BookTile* tile : tiles_) {
        tile->hide();
        tile->setParent(store_);
    }
    const bool tree = library_.isTreeStyle();
    const int active = library_.activeShelf - 1;
    const int iconSpace = small_ ? SmallIconSize + 6 : 0;
    for (int g = 0; g < shelves::ShelfCount; ++g) {
        const ShelfGroup& group = library_.layout.groups[g];
        ShelfBand* band = bands_[g];
        band->setVisible(group.visible);
        band->header()->setText(group.caption);
        band->header()->setToolTip(group.caption);
        band->header()->setArrowType(!tree            ? Qt::NoArrow
                                     : group.expanded ? Qt::DownArrow
                                                      : Qt::RightArrow);
        // The open shelf of a one-shelf style, or every open one in a tree, stands out.
        band->header()->setProperty("marked", tree ? group.expanded : g == active);
        band->body()->setVisible(group.visible && group.expanded);
        // Without a closing stretch the open shelf of a one-shelf style fills the bar
        // and the headers of the later shelves sit at its foot.
        column_->setStretchFactor(band, !tree && group.expanded ? 1 : 0);
        band->setSizePolicy(QSizePolicy::Preferred, !tree && group.expanded ? QSizePolicy::Expanding
                                                                            : QSizePolicy::Maximum);
        if (!group.visible) continue;
        for (int s : group.links) {
            if (s < 0 || s >= shelves::SlotCount) continue;
            const BookSlot& slot = library_.layout.bookSlots[s];
            if (!slot.visible) continue;
            BookTile* tile = tiles_[s];
            tile->setParent(band->body());
            band->bodyLayout()->addWidget(tile);
            // A long name is cut short rather than widening the bar; the tip shows it whole.
            tile->setText(tile->fontMetrics().elidedText(slot.caption, Qt::ElideRight,
                                                         CaptionWidth - iconSpace));
            tile->setToolTip(slot.caption);
            tile->setEnabled(slot.enabled);
            tile->setIcon(coverOf(library_, slot, small_));
            tile->setIconSize(iconSize());
            tile->setToolButtonStyle(small_ ? Qt::ToolButtonTextBesideIcon
                                            : Qt::ToolButtonTextUnderIcon);
            tile->show();
        }
    }
    // The stretch after the last band keeps the tree's bands at the top.
    column_->setStretch(column_->count() - 1, tree ? 1 : 0);
}

void ShelfBar::applyLook() {
    const Look& look = lookOf(library_.layout.view);
    const bool tree = library_.isTreeStyle();
    const QString headerBackground =
        QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
            .arg(QLatin1String(look.headerTop), QLatin1String(look.headerBottom));
    const QString radius = QString::number(look.radius);
    // Tree sections are rounded at the top only, like folders; one-shelf headers are buttons.
    const QString headerRadius =
        tree ? QStringLiteral("border-top-left-radius:%1px; border-top-right-radius:%1px;")
                   .arg(radius)
             : QStringLiteral("border-radius:%1px;").arg(radius);
    setStyleSheet(
        QStringLiteral(
            "#Libreria_Estantes { background: %9; }"
            "QFrame[role=\"band\"] { background: transparent; border: none; }"
            "QToolButton[role=\"shelf\"] { background: %1; color: %2; border: 1px solid %3; %4"
            " font-weight: %5; text-align: %6; padding: %7px 6px; }"
            "QToolButton[role=\"shelf\"][marked=\"true\"] { border: 1px solid %2; }"
            "QWidget[role=\"books\"] { background: %8; border: 1px solid %3; border-top: none; }"
            "QToolButton[role=\"book\"] { background: transparent; color: %10; border: 1px solid "
            "transparent;"
            " padding: 2px; }"
            "QToolButton[role=\"book\"]:hover { border: 1px solid %3; }"
            "QToolButton[role=\"book\"]:pressed { background: %3; }")
            .arg(headerBackground, QLatin1String(look.headerText), QLatin1String(look.border),
                 headerRadius, look.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
                 look.leftAligned ? QStringLiteral("left") : QStringLiteral("center"),
                 tree ? QStringLiteral("3") : QStringLiteral("5"), QLatin1String(look.body),
                 tree ? QLatin1String(look.body) : QLatin1String(look.border))
            .arg(QLatin1String(look.caption)));
    for (ShelfBand* band : bands_) {
        band->header()->setToolButtonStyle(tree ? Qt::ToolButtonTextBesideIcon
                                                : Qt::ToolButtonTextOnly);
        repolish(band->header());
    }
}

void ShelfBar::setViewStyle(int style) {
    library_.layout.view = std::clamp(style, 0, StyleCount - 1);
    rebuild();
}

void ShelfBar::setSmallIcons(bool small) {
    small_ = small;
    // The layout file keeps the icon size of every shelf's links.
    for (ShelfGroup& group : library_.layout.groups)
        group.linksUseSmallImages = small;
    rebuild();
}

void ShelfBar::setActive(int shelf) {
    const bool changed = library_.activeShelf != shelf;
    library_.setActiveShelf(shelf);
    if (changed) emit activeShelfChanged(shelf);
}

void ShelfBar::clickShelf(int shelf) {
    if (shelf < 1 || shelf > shelves::ShelfCount || !library_.layout.groups[shelf - 1].visible)
        return;
    ShelfGroup& group = library_.layout.groups[shelf - 1];
    const bool wasOpen = group.expanded;
    if (library_.isTreeStyle()) group.expanded = !group.expanded;
    setActive(shelf);
    rebuild();
    emit shelfClicked(shelf);
    if (group.expanded != wasOpen) emit shelfExpanded(shelf, group.expanded);
}

void ShelfBar::setShelfExpanded(int shelf, bool expanded) {
    if (shelf < 1 || shelf > shelves::ShelfCount) return;
    if (!library_.isTreeStyle()) {
        // One shelf at a time: opening a shelf makes it the active one.
        if (expanded) setActive(shelf);
        rebuild();
        return;
    }
    library_.layout.groups[shelf - 1].expanded = expanded;
    rebuild();
}

bool ShelfBar::isShelfExpanded(int shelf) const {
    return shelf >= 1 && shelf <= shelves::ShelfCount && !bands_[shelf - 1]->isHidden() &&
           bands_[shelf - 1]->isOpen();
}

void ShelfBar::expandAll() {
    if (!library_.isTreeStyle()) return;
    for (int g : library_.visibleShelves())
        library_.layout.groups[g].expanded = true;
    rebuild();
}

void ShelfBar::collapseAll() {
    if (!library_.isTreeStyle()) return;
    for (int g : library_.visibleShelves())
        library_.layout.groups[g].expanded = false;
    rebuild();
}

bool ShelfBar::moveBook(int slot, int group, int position) {
    if (slot < 0 || slot >= shelves::SlotCount || group < 0 || group >= shelves::ShelfCount)
        return false;
    const BookSlot& book = library_.layout.bookSlots[slot];
    ShelfGroup& target = library_.layout.groups[group];
    const int from = library_.shelfOfSlot(slot);
    if (!book.visible || !target.visible || from < 0) return false;
    QList<int>& source = library_.layout.groups[from].links;
    const int oldPosition = int(source.indexOf(slot));
    source.removeAt(oldPosition);
    // On its own shelf the book's old place no longer counts among those before it.
    if (from == group && oldPosition < position) --position;
    position = std::clamp(position, 0, int(target.links.size()));
    target.links.insert(position, slot);
    if (from == group && position == oldPosition) return false;
    // The book stays in sight where it was dropped.
    if (library_.isTreeStyle()) target.expanded = true;
    setActive(group + 1);
    rebuild();
    emit bookMoved(book.caption, from + 1, group + 1);
    return true;
}

QStringList ShelfBar::shownBooks() const {
    QStringList names;
    for (ShelfBand* band : bands_) {
        if (band->isHidden() || !band->isOpen()) continue;
        QVBoxLayout* layout = band->bodyLayout();
        for (int i = 0; i < layout->count(); ++i)
            if (auto* tile = qobject_cast<BookTile*>(layout->itemAt(i)->widget()))
                if (!tile->isHidden()) names << library_.layout.bookSlots[tile->slot()].caption;
    }
    return names;
}

ShelfBand::ShelfBand(ShelfBar& bar, int group, QWidget* parent)
    : QFrame(parent), bar_(bar), group_(group) {
    setObjectName(shelfName(group));
    setProperty("role", QStringLiteral("band"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header_ = new QToolButton(this);
    header_->setObjectName(objectName() + QStringLiteral("_Cabecera"));
    header_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header_->setCursor(Qt::PointingHandCursor);
    header_->setProperty("role", QStringLiteral("shelf"));
    connect(header_, &QToolButton::clicked, this, [this] { bar_.clickShelf(group_ + 1); });
    layout->addWidget(header_);
    body_ = new QWidget(this);
    body_->setObjectName(objectName() + QStringLiteral("_Libros"));
    body_->setAttribute(Qt::WA_StyledBackground);
    body_->setProperty("role", QStringLiteral("books"));
    bodyLayout_ = new QVBoxLayout(body_);
    bodyLayout_->setContentsMargins(4, 4, 4, 4);
    bodyLayout_->setSpacing(2);
    bodyLayout_->setAlignment(Qt::AlignTop);
    layout->addWidget(body_, 1);
}

void ShelfBand::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(ShelfBar::BookMimeType)))
        event->acceptProposedAction();
}

void ShelfBand::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(ShelfBar::BookMimeType)))
        event->acceptProposedAction();
}

int ShelfBand::dropPosition(const QPoint& pos) const {
    // On the header, or on a closed band, the book goes to the end of the shelf.
    if (!isOpen() || header_->geometry().contains(pos)) return shelves::SlotCount;
    const QPoint inBody = body_->mapFrom(this, pos);
    int position = 0;
    for (int i = 0; i < bodyLayout_->count(); ++i) {
        QWidget* tile = bodyLayout_->itemAt(i)->widget();
        if (!tile || tile->isHidden()) continue;
        if (inBody.y() < tile->geometry().center().y()) return position;
        ++position;
    }
    return position;
}

void ShelfBand::dropEvent(QDropEvent* event) {
    bool ok = false;
    const int slot =
        event->mimeData()->data(QString::fromLatin1(ShelfBar::BookMimeType)).toInt(&ok);
    if (!ok) return;
    if (bar_.moveBook(slot, group_, dropPosition(event->position().toPoint())))
        event->acceptProposedAction();
    else
        event->ignore();
}

BookTile::BookTile(int slot, QWidget* parent) : QToolButton(parent), slot_(slot) {
    setObjectName(bookName(slot));
    setAutoRaise(true);
    setProperty("role", QStringLiteral("book"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void BookTile::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressedAt_ = event->position().toPoint();
    QToolButton::mousePressEvent(event);
}

void BookTile::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressedAt_).manhattanLength() <
            QApplication::startDragDistance()) {
        QToolButton::mouseMoveEvent(event);
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(ShelfBar::bookMimeData(slot_));
    drag->setPixmap(icon().pixmap(iconSize()));
    // A drag is not a click: the button lets go without opening the book.
    setDown(false);
    drag->exec(Qt::MoveAction);
}

} // namespace tessera
