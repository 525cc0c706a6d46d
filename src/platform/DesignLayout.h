#pragma once
// Where the controls of a window stand: each at the rectangle its design gives it, for as long as what
// it shows fits there. The fonts the design names do not exist on every desktop, so a label whose text
// needs more room grows: first into the free width beside it, keeping its height; where that is not
// enough, it wraps and grows downward, and what lies below it in the same column moves down by as much,
// and its container grows with it. A frame keeps what it holds clear of its caption: where the style
// draws a taller caption than the design left room for, everything inside moves down together and the
// frame grows. A container that grows moves down what lies below it in its own container in turn.
//
// This is a layout of the toolkit's own: it runs when the toolkit asks for layout (a container shown or
// resized, a control's text or font changed, a control shown or hidden), and a window's controls are
// placed through it alone.
#include <QLayout>
#include <QList>
#include <QRect>
#include <QString>

namespace platform {

class DesignLayout final : public QLayout {
    Q_OBJECT
public:
    explicit DesignLayout(QWidget* container);
    ~DesignLayout() override;

    // The layout of the control's container, made on first need; null where the container is laid out
    // by another kind of layout (a row or a column of the toolkit's own), which then places the control.
    static DesignLayout* of(QWidget* container);

    // The control stands at the given rectangle of its container, in pixels, from now on: its place
    // where it is made, or its new place given by its window. Where its container has a layout of
    // another kind, the control is simply put there.
    static void Place(QWidget* control, const QRect& design);
    // The rectangle the design gives the control, in pixels; its own geometry where nothing manages it.
    static QRect DesignOf(const QWidget* control);

    // The control's text changed: its container, and every container around it that this layout
    // manages, is laid out now, so the control never shows its new text cut, not even once.
    static void Settle(QWidget* control);

    // The design size of the container itself, for a window: the window then takes that size, grown
    // by as much as its controls need.
    void setDesignSize(const QSize& size);
    // How much taller than its design the container must be for what it holds, at its present width.
    int grownBy() const;
    // Controls that would stick out past the container's right edge move left to stay inside, where
    // they fit: for strips whose controls the design places from the screen's width, in a window the
    // user may narrow.
    void setKeepInside(bool on);
    // The container is as large as the controls on view in it reach, and no larger: for the inside of a
    // scroll area, whose range then covers what it shows and nothing more.
    void setFollowContents(bool on);

    // QLayout
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;
    Qt::Orientations expandingDirections() const override { return {}; }

private:
    struct Entry;
    struct Placement;
    Entry* entryOf(const QWidget* control) const;
    void adoptStrangers() const;
    // The lowest row of the container's inside, as its design has it.
    int insideBottom() const;
    const QList<QRect>& placements(int width, int contentsTop) const;

    QList<Entry*> entries_;
    QSize designSize_;
    bool keepInside_ = false;
    bool followContents_ = false;
    // The last placement worked out, for the width and inside it was worked out for.
    mutable QList<QRect> placed_;
    mutable int placedWidth_ = -1, placedTop_ = -1;
    mutable int grownBy_ = 0;
    mutable QSize extent_;
};

} // namespace platform
