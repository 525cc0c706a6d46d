#include "platform/DesignLayout.h"

#include "platform/Controls.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QWidgetItem>

#include <algorithm>
#include <numeric>
#include <optional>

namespace platform {

namespace {

// The space kept between a grown label and a control beside it, and inside its container's edge.
constexpr int kGap = 4;

// What the fitting needs to know of a control that shows a text: a label, or a clickable caption.
struct TextShown {
    const QWidget* control = nullptr;
    QString text;
    Qt::Alignment align;
    bool wrap = false;

    // The control's outer size that shows the text laid out in the given outer width.
    QSize needed(int width) const
    {
        const QSize extra = control->size() - control->contentsRect().size();
        const QRect inside(0, 0, std::max(1, width - extra.width()), 1 << 20);
        const int flags = int(align) | (wrap ? Qt::TextWordWrap : 0);
        return control->fontMetrics().boundingRect(inside, flags, text).size() + extra;
    }
    bool holds(QSize size) const
    {
        const QSize need = needed(size.width());
        return need.width() <= size.width() && need.height() <= size.height();
    }
};

// The text a control shows, where it shows one that may need more room than its design gives it.
std::optional<TextShown> textOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull() || label->textFormat() == Qt::RichText)
            return std::nullopt;
        return TextShown{w, label->text(), label->alignment(), label->wordWrap()};
    }
    if (const auto* c = qobject_cast<const Clickable*>(w)) {
        if (c->text().isEmpty() || !c->picture().isNull())
            return std::nullopt;
        return TextShown{w, c->text(), c->alignment(), c->wordWrap()};
    }
    return std::nullopt;
}

// How far a label may reach to each side: the leftmost and rightmost x it may cover.
struct Room {
    int left, right;
    bool operator==(const Room&) const = default;
};

// The label's rectangle of the given width, grown from the design rectangle as its alignment says:
// to the right, to the left, or to both sides alike.
QRect widened(const QRect& design, int width, Qt::Alignment align)
{
    QRect r = design;
    const int more = width - design.width();
    if (align & Qt::AlignRight)
        r.setLeft(design.left() - more);
    else if (align & Qt::AlignHCenter)
        r.setLeft(design.left() - more / 2);
    r.setWidth(width);
    return r;
}

// The widest the label can grow, as its alignment says, within the room beside it.
int widest(const QRect& design, const Room& room, Qt::Alignment align)
{
    const int toLeft = std::max(0, design.left() - room.left);
    const int toRight = std::max(0, room.right - design.right());
    if (align & Qt::AlignRight)
        return design.width() + toLeft;
    if (align & Qt::AlignHCenter)
        return design.width() + 2 * std::min(toLeft, toRight);
    return design.width() + toRight;
}

// Where a text that does not hold in its design rectangle goes: first wider, into the free width beside
// it, keeping its height; where that is not enough, it wraps (wraps set) and grows downward, in its
// design width, or as wide as its longest word needs. A handful of measurements at most, so that even a
// page-long text is fitted at once.
QRect fitted(TextShown t, const QRect& design, const Room& room, bool& wraps)
{
    wraps = t.wrap;
    if (t.holds(design.size()))
        return design;
    const int most = widest(design, room, t.align);
    if (!t.wrap) {
        // As wide as its one line, where the room beside it allows.
        const QSize line = t.needed(1 << 20);
        if (line.width() <= most) {
            QRect r = widened(design, std::max(line.width(), design.width()), t.align);
            r.setHeight(std::max(design.height(), line.height()));
            return r;
        }
        t.wrap = wraps = true;  // one line cannot hold it
    }
    if (most > design.width() && t.holds(QSize(most, design.height()))) {
        // The narrowest width beside it that holds the text in the design height: the lines a width
        // holds never grow in number as the width grows.
        int low = design.width(), high = most;  // low does not hold, high does
        while (high - low > 1) {
            const int mid = low + (high - low) / 2;
            (t.holds(QSize(mid, design.height())) ? high : low) = mid;
        }
        QRect r = widened(design, high, t.align);
        r.setHeight(std::max(design.height(), t.needed(high).height()));
        return r;
    }
    int width = design.width();
    QSize need = t.needed(width);
    if (need.width() > width) {
        width = std::min(std::max(most, width), need.width());
        need = t.needed(width);
    }
    QRect r = widened(design, width, t.align);
    r.setHeight(std::max(design.height(), need.height()));
    return r;
}

// Where a control's text starts and ends, for a frame's caption: of a plain label only the text counts,
// an opaque control hides whatever lies under it.
QRect usedBy(const QWidget* w, const QRect& at)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    if (!label || label->autoFillBackground())
        return at;
    const std::optional<TextShown> t = textOf(w);
    if (!t)
        return at;
    const QRect inside = QRect(QPoint(0, 0), at.size()).marginsRemoved(label->contentsMargins());
    const int flags = int(t->align) | (t->wrap ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(inside, flags, t->text).translated(at.topLeft());
}

bool overlapsAcross(const QRect& a, const QRect& b) { return a.left() <= b.right() && b.left() <= a.right(); }
bool overlapsDown(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

} // namespace

struct DesignLayout::Entry {
    QWidgetItem item;
    QRect design;
    // The last fit of its text: for what text, font and wrapping, design rectangle and room.
    QString fitKey;
    QRect fitDesign, fitResult;
    Room fitRoom{0, 0};
    bool fitWraps = false;

    Entry(QWidget* w, const QRect& d) : item(w), design(d) {}
    QWidget* widget() const { return item.widget(); }
};

DesignLayout::DesignLayout(QWidget* container) : QLayout(container)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(SetNoConstraint);
}

DesignLayout::~DesignLayout() { qDeleteAll(entries_); }

DesignLayout* DesignLayout::of(QWidget* container)
{
    if (!container)
        return nullptr;
    if (QLayout* l = container->layout())
        return qobject_cast<DesignLayout*>(l);
    return new DesignLayout(container);
}

DesignLayout::Entry* DesignLayout::entryOf(const QWidget* control) const
{
    for (Entry* e : entries_)
        if (e->widget() == control)
            return e;
    return nullptr;
}

void DesignLayout::Place(QWidget* control, const QRect& design)
{
    DesignLayout* layout = control->isWindow() ? nullptr : of(control->parentWidget());
    if (!layout) {
        control->setGeometry(design);
        return;
    }
    if (Entry* e = layout->entryOf(control))
        e->design = design;
    else
        layout->entries_.append(new Entry(control, design));
    layout->invalidate();
    // Out of view, or while its container is being filled with its layout off, it stands at its design
    // place until its container is laid out; on view, its container is laid out now.
    if (!control->parentWidget()->isVisible() || !layout->isEnabled())
        control->setGeometry(design);
    else
        Settle(control);
}

QRect DesignLayout::DesignOf(const QWidget* control)
{
    const auto* layout = control->isWindow() || !control->parentWidget()
                             ? nullptr
                             : qobject_cast<const DesignLayout*>(control->parentWidget()->layout());
    if (layout)
        if (const Entry* e = layout->entryOf(control))
            return e->design;
    return control->geometry();
}

void DesignLayout::Settle(QWidget* control)
{
    for (QWidget* w = control->parentWidget(); w && w->isVisible(); w = w->parentWidget()) {
        auto* layout = qobject_cast<DesignLayout*>(w->layout());
        if (!layout)
            break;
        layout->activate();
        if (w->isWindow())
            break;
    }
}

void DesignLayout::setDesignSize(const QSize& size)
{
    designSize_ = size;
    setSizeConstraint(SetFixedSize);
    invalidate();
    activate();
}

void DesignLayout::setKeepInside(bool on)
{
    keepInside_ = on;
    invalidate();
}

void DesignLayout::setFollowContents(bool on)
{
    followContents_ = on;
    setSizeConstraint(on ? SetFixedSize : SetNoConstraint);
    invalidate();
}

// Where the inside of a frame starts, below its caption; other containers have no caption.
static int captionBottom(const QWidget* container, const QRect& inside)
{
    return qobject_cast<const QGroupBox*>(container) ? inside.top() : 0;
}

int DesignLayout::grownBy() const
{
    const QWidget* container = parentWidget();
    placements(container->width(), captionBottom(container, container->contentsRect()));
    return grownBy_;
}

void DesignLayout::addItem(QLayoutItem* item)
{
    // Controls come in through Place, with their design rectangle; anything else stands where it is.
    if (QWidget* w = item->widget(); w && !entryOf(w))
        entries_.append(new Entry(w, w->geometry()));
    delete item;
    invalidate();
}

QLayoutItem* DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < entries_.size() ? &entries_[index]->item : nullptr;
}

QLayoutItem* DesignLayout::takeAt(int index)
{
    if (index < 0 || index >= entries_.size())
        return nullptr;
    Entry* e = entries_.takeAt(index);
    auto* item = new QWidgetItem(e->widget());
    delete e;
    invalidate();
    return item;
}

int DesignLayout::count() const { return int(entries_.size()); }

QSize DesignLayout::sizeHint() const
{
    if (designSize_.isValid())
        return designSize_ + QSize(0, grownBy());
    if (followContents_) {
        grownBy();
        return extent_;
    }
    return {-1, -1};
}

QSize DesignLayout::minimumSize() const
{
    if (designSize_.isValid() || followContents_)
        return sizeHint();
    return {0, 0};
}

void DesignLayout::invalidate()
{
    placedWidth_ = -1;
    QLayout::invalidate();
}

void DesignLayout::adoptStrangers() const
{
    // A control put into the container by other means than Place stands where it was put.
    const QWidget* container = parentWidget();
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !entryOf(w))
            const_cast<DesignLayout*>(this)->entries_.append(new Entry(w, w->geometry()));
    }
}

const QList<QRect>& DesignLayout::placements(int width, int contentsTop) const
{
    if (placedWidth_ == width && placedTop_ == contentsTop && placed_.size() == entries_.size())
        return placed_;
    adoptStrangers();
    const QWidget* container = parentWidget();
    const qsizetype n = entries_.size();
    QList<bool> onView(n);
    for (qsizetype i = 0; i < n; ++i)
        onView[i] = entries_[i]->widget()->isVisibleTo(container);

    // A frame's caption: what lies under it moves down, and everything else in the frame with it, so
    // that the controls keep their places to each other.
    int below = 0;
    if (contentsTop > 0)
        for (qsizetype i = 0; i < n; ++i)
            if (onView[i])
                below = std::max(below, contentsTop - usedBy(entries_[i]->widget(), entries_[i]->design).top());

    // From the top down: a control that what grew above it in its column would run into moves down, by
    // as much as that grew, so the two keep the space the design left between them.
    QList<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](qsizetype a, qsizetype b) { return entries_[a]->design.top() < entries_[b]->design.top(); });
    placed_ = QList<QRect>(n);
    QList<qsizetype> done;
    done.reserve(n);
    const int foot = insideBottom();
    for (qsizetype i : order) {
        Entry* e = entries_[i];
        const QRect& design = e->design;
        int down = below;
        for (bool moved = true; moved;) {
            moved = false;
            for (qsizetype j : done) {
                const QRect& over = placed_[j];
                const int grew = over.bottom() - entries_[j]->design.bottom();
                if (onView[j] && grew > down && entries_[j]->design.bottom() < design.top() &&
                    over.bottom() >= design.top() + down && overlapsAcross(over, design)) {
                    down = grew;
                    moved = true;
                }
            }
        }
        QRect at = design.translated(0, down);
        QWidget* w = e->widget();
        if (const std::optional<TextShown> t = textOf(w)) {
            // The room beside it on its own rows, up to the nearest control on view there.
            Room room{std::min(design.left(), kGap), std::max(design.right(), width - 1 - kGap)};
            for (qsizetype j = 0; j < n; ++j) {
                const QRect& other = entries_[j]->design;
                if (j == i || !onView[j] || other.intersects(design) || !overlapsDown(other, design))
                    continue;
                if (other.left() > design.right())
                    room.right = std::min(room.right, other.left() - 1 - kGap);
                else if (other.right() < design.left())
                    room.left = std::max(room.left, other.right() + 1 + kGap);
            }
            const QString key = t->text + QLatin1Char('\n') + w->font().key() + QLatin1Char('\n') +
                                QString::number(int(t->align)) + (t->wrap ? QLatin1String("\nwrap") : QLatin1String());
            if (key != e->fitKey || at != e->fitDesign || room != e->fitRoom) {
                e->fitResult = fitted(*t, at, room, e->fitWraps);
                e->fitKey = key;
                e->fitDesign = at;
                e->fitRoom = room;
            }
            at = e->fitResult;
            // Grown past the foot of what holds it, it rises first into the free room above it: nothing
            // in the container lies below it to make room for.
            const auto lowest = [&] {
                for (qsizetype j = 0; j < n; ++j)
                    if (j != i && onView[j] && entries_[j]->design.top() > design.bottom() &&
                        overlapsAcross(entries_[j]->design, design))
                        return false;
                return true;
            };
            if (const int over = at.bottom() - foot; over > 0 && at.height() > design.height() && lowest()) {
                int ceiling = contentsTop;
                for (qsizetype j : done)
                    if (onView[j] && entries_[j]->design.bottom() < design.top() && overlapsAcross(placed_[j], at))
                        ceiling = std::max(ceiling, placed_[j].bottom() + 1);
                at.translate(0, -std::min(over, std::max(0, at.top() - ceiling)));
            }
        }
        else if (const auto* inner = qobject_cast<const DesignLayout*>(w->layout()))
            at.setHeight(at.height() + inner->grownBy());
        if (keepInside_ && at.right() > width - 1)
            at.moveLeft(std::max(0, width - at.width()));
        placed_[i] = at;
        done.append(i);
    }

    // The container grows where what it holds now reaches below both its inside and what the design
    // put lowest in it; it then keeps the room the design left below its lowest control.
    int designBottom = -1, placedBottom = -1, placedRight = -1;
    for (qsizetype i = 0; i < n; ++i)
        if (onView[i]) {
            designBottom = std::max(designBottom, entries_[i]->design.bottom());
            placedBottom = std::max(placedBottom, placed_[i].bottom());
            placedRight = std::max(placedRight, placed_[i].right());
        }
    grownBy_ = placedBottom > std::max(foot, designBottom) ? placedBottom - designBottom : 0;
    extent_ = QSize(placedRight + 1, placedBottom + 1);
    placedWidth_ = width;
    placedTop_ = contentsTop;
    return placed_;
}

int DesignLayout::insideBottom() const
{
    const QWidget* container = parentWidget();
    int height = container->height();
    if (designSize_.isValid())
        height = designSize_.height();
    else if (!container->isWindow() && container->parentWidget())
        if (const auto* outer = qobject_cast<const DesignLayout*>(container->parentWidget()->layout()))
            if (const Entry* e = outer->entryOf(container))
                height = e->design.height();
    // A frame's border at its foot is as thick as at its sides.
    const QMargins m = container->contentsMargins();
    const int border = qobject_cast<const QGroupBox*>(container) ? std::max(m.bottom(), m.left()) : 0;
    return height - 1 - border;
}

void DesignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QWidget* container = parentWidget();
    const QList<QRect> at = placements(container->width(), captionBottom(container, rect));
    for (qsizetype i = 0; i < entries_.size() && i < at.size(); ++i) {
        Entry* e = entries_[i];
        QWidget* w = e->widget();
        // One line that cannot hold its text wraps.
        if (e->fitWraps && !e->fitKey.isEmpty()) {
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
                label->QLabel::setWordWrap(true);
            else if (auto* c = qobject_cast<Clickable*>(w); c && !c->wordWrap())
                c->wrapToFit();
        }
        if (w->geometry() != at[i])
            w->setGeometry(at[i]);
    }
}

} // namespace platform
