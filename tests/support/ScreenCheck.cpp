#include "FindControl.h"
#include "ScreenCheck.h"

#include "Seams.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegion>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <cmath>

namespace testing {

namespace {

QString rect(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString nameOf(const QWidget* w) { return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(); }

QRect global(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

QRect in(const QWidget* w, const QWidget* root, const QRect& r) { return QRect(w->mapTo(root, r.topLeft()), r.size()); }

// Whether the user sees nothing through w where it lies.
bool opaque(const QWidget* w)
{
    return w->autoFillBackground() || qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QPushButton*>(w) || qobject_cast<const QMdiSubWindow*>(w);
}

// The part of w the user sees, in root's coordinates: cut by every widget it lies in, less what opaque
// widgets stacked above it (or above one of those it lies in) cover.
QRegion visiblePart(const QWidget* w, const QWidget* root)
{
    if (!w->isVisibleTo(root))
        return {};
    QRegion region(in(w, root, w->rect()));
    for (const QWidget* at = w; at != root; at = at->parentWidget()) {
        const QWidget* parent = at->parentWidget();
        if (!parent)
            break;
        region &= QRegion(in(parent, root, parent->rect()));
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(at)) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above && !above->isWindow() && above->isVisibleTo(root) && opaque(above))
                region -= QRegion(in(above, root, above->rect()));
        }
    }
    return region;
}

bool showsText(const QLabel* label) { return !label->text().isEmpty() && label->pixmap().isNull(); }

// The size the toolkit's own label says it needs to show its whole text in its present width: its
// height for that width and the width of its longest word where it wraps, its one line where it does not.
// Measured by the toolkit, not by the fitting code it checks.
QSize toolkitNeeds(const QLabel* label)
{
    if (label->wordWrap())
        return {label->minimumSizeHint().width(), label->heightForWidth(label->width())};
    return label->sizeHint();
}

// Where a label's text lies, in the label's own coordinates: where it runs into other controls. (Whether
// it fits is judged by the toolkit's label above.)
QRect textRect(const QLabel* label)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
}

// What of a control can run into a label's text: a label's own text, or the whole of any other control.
QRect occupied(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return showsText(label) ? textRect(label) : (label->pixmap().isNull() ? QRect() : label->rect());
    return w->rect();
}

// Whether two places share more than a line of pixels: the box of a line of text holds its font's descent
// and leading, and a single row or column of it touching a neighbour shows nothing.
bool meets(const QRegion& a, const QRegion& b)
{
    for (const QRect& r : a & b)
        if (r.width() > 1 && r.height() > 1)
            return true;
    return false;
}

// Whether one of the two lies inside the other.
bool related(const QWidget* a, const QWidget* b) { return a->isAncestorOf(b) || b->isAncestorOf(a); }

// The controls a label's text must keep clear of.
bool isControl(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w) || w->inherits("platform::PictureBox");
}

// Whether w is the part of a scroll area its contents scroll in.
bool isViewport(const QWidget* w)
{
    const auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
    return area && area->viewport() == w;
}

} // namespace

QList<QSize> RealScreenSizes() { return {{1024, 768}, {1366, 768}, {1600, 1200}, {1920, 1080}}; }

QList<QSize> SmallScreenSizes() { return RealScreenSizes().mid(0, 2); }

QString ScreenSizeName(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

QMargins WindowManagerFrame() { return QMargins(4, 28, 4, 4); }

void UseScreen(QSize size)
{
    seams().screen->width = size.width() * 15.0;
    seams().screen->height = size.height() * 15.0;
    seams().screen->available = QRect(QPoint(0, 0), size);
    seams().screen->frame = WindowManagerFrame();
}

QStringList MainWindowFaults(const shell::frmMDI* mdi)
{
    QStringList faults;
    const QRect available = seams().screen->availablePixels();
    const QRect framed = mdi->geometry().marginsAdded(seams().screen->frame);
    if (!available.contains(framed))
        faults << QStringLiteral("main window with its frame %1 outside the screen %2").arg(rect(framed), rect(available));
    const QWidget* own[] = {testing::control<QWidget>(mdi, "PicCoBrand"),
                            testing::control<QPushButton>(mdi, "cmdMdiExit"),
                            testing::control<QPushButton>(mdi, "cmdSelectOption", 0),
                            testing::control<QPushButton>(mdi, "cmdSelectOption", 1),
                            testing::control<QPushButton>(mdi, "cmdSelectOption", 2),
                            testing::control<QPushButton>(mdi, "cmdSave"),
                            testing::control<QPushButton>(mdi, "cmdPrint")};
    for (const QWidget* w : own)
        if (w->isVisible() && !mdi->rect().contains(in(w, mdi, w->rect())))
            faults << QStringLiteral("%1 at %2 not inside the main window %3")
                          .arg(nameOf(w), rect(in(w, mdi, w->rect())), rect(mdi->rect()));
    // With the welcome panel on view and no tool window, nothing lies between it and the bottom strip: no
    // empty band of the work area, no sliver of the reading pane.
    bool toolOnView = false;
    for (const QMdiSubWindow* window : testing::control<QMdiArea>(mdi, "mdiArea")->subWindowList())
        toolOnView = toolOnView || window->isVisible();
    if (testing::control<QWidget>(mdi, "picMain")->isVisible() && !toolOnView) {
        const int gap =
            in(testing::control<QWidget>(mdi, "PicCoBrand"), mdi, testing::control<QWidget>(mdi, "PicCoBrand")->rect())
                .top() -
            (in(testing::control<QWidget>(mdi, "picMain"), mdi, testing::control<QWidget>(mdi, "picMain")->rect())
                 .bottom() +
             1);
        if (testing::control<QWidget>(mdi, "picRight")->isVisible())
            faults << QStringLiteral("a sliver of the reading pane, %1 px high, below the welcome panel")
                          .arg(testing::control<QWidget>(mdi, "picRight")->height());
        else if (gap > 0)
            faults << QStringLiteral("an empty band of %1 px below the welcome panel").arg(gap);
    }
    return faults;
}

QStringList ToolWindowFaults(const shell::frmMDI* mdi, const platform::Form* form)
{
    QStringList faults;
    const QWidget* frame = form->frame();
    const QMdiArea* area = testing::control<QMdiArea>(mdi, "mdiArea");
    if (!frame->isVisible())
        return {QStringLiteral("%1 not on view").arg(form->formName())};
    if (!area->isAncestorOf(frame))
        return {QStringLiteral("%1 not in the work area").arg(form->formName())};
    // What the area's scroll bars on show can bring into its visible part.
    const QWidget* viewport = area->viewport();
    QRect reach = viewport->rect();
    for (const QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        if (!bar->isVisible())
            continue;
        if (bar->orientation() == Qt::Horizontal)
            reach.adjust(-(bar->value() - bar->minimum()), 0, bar->maximum() - bar->value(), 0);
        else
            reach.adjust(0, -(bar->value() - bar->minimum()), 0, bar->maximum() - bar->value());
    }
    const QRect at(frame->mapTo(viewport, QPoint(0, 0)), frame->size());
    if (reach.contains(at))
        return faults;  // the part the area does not show is brought into view by its scroll bars
    faults << QStringLiteral("%1 at %2 beyond what the work area %3 shows or scrolls to %4")
                  .arg(form->formName(), rect(at), rect(viewport->rect()), rect(reach));
    if (testing::control<QWidget>(mdi, "picRight")->isVisible() &&
        global(frame).intersects(global(testing::control<QWidget>(mdi, "picRight"))))
        faults << QStringLiteral("%1 at %2 under the reading pane %3")
                      .arg(form->formName(), rect(global(frame)),
                           rect(global(testing::control<QWidget>(mdi, "picRight"))));
    return faults;
}

QStringList NeedlessScrollBars(const shell::frmMDI* mdi)
{
    const QMdiArea* area = testing::control<QMdiArea>(mdi, "mdiArea");
    const QRect room(QPoint(0, 0), area->contentsRect().size());
    for (const QMdiSubWindow* window : area->subWindowList())
        if (window->isVisible() && !room.contains(window->geometry()))
            return {};
    QStringList faults;
    for (const QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
        if (bar->isVisible())
            faults << QStringLiteral("the work area shows its %1 scroll bar, though every window fits in %2")
                          .arg(bar->orientation() == Qt::Horizontal ? QStringLiteral("horizontal")
                                                                    : QStringLiteral("vertical"),
                               rect(room));
    return faults;
}

QStringList TopLevelFaults(const QWidget* window)
{
    const QRect available = seams().screen->availablePixels();
    const QRect framed = window->geometry().marginsAdded(seams().screen->frame);
    if (!window->isVisible())
        return {QStringLiteral("%1 not on view").arg(nameOf(window))};
    if (!available.contains(framed))
        return {QStringLiteral("%1 with its frame %2 outside the screen %3").arg(nameOf(window), rect(framed), rect(available))};
    return {};
}

QStringList CutLabels(const QWidget* root)
{
    QStringList faults;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!showsText(label) || visiblePart(label, root).isEmpty())
            continue;
        const QSize needed = toolkitNeeds(label);
        if (needed.width() > label->width() || needed.height() > label->height()) {
            faults << QStringLiteral("%1 needs %2x%3 for \"%4\" but has %5x%6")
                          .arg(nameOf(label))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(label->text().left(40))
                          .arg(label->width())
                          .arg(label->height());
            continue;
        }
        // Cut by a widget it lies in; what scrolls is reached by scrolling.
        const QRect text = textRect(label);
        for (const QWidget* outer = label->parentWidget(); outer && !isViewport(outer); outer = outer->parentWidget()) {
            if (!outer->rect().contains(in(label, outer, text))) {
                faults << QStringLiteral("%1 \"%2\" cut off by the edge of %3")
                              .arg(nameOf(label), label->text().left(40), nameOf(outer));
                break;
            }
            if (outer == root)
                break;
        }
    }
    return faults;
}

QStringList CutCaptions(const QWidget* root)
{
    QStringList faults;
    for (const platform::Clickable* c : root->findChildren<platform::Clickable*>()) {
        if (c->text().isEmpty() || !c->picture().isNull() || visiblePart(c, root).isEmpty())
            continue;
        // The toolkit's own label with the same caption, font and wrapping, in the same width.
        QLabel probe(c->text());
        probe.setTextFormat(Qt::PlainText);
        probe.setFont(c->font());
        probe.setWordWrap(c->wordWrap());
        probe.setAlignment(c->alignment());
        probe.resize(c->size());
        const QSize needed = toolkitNeeds(&probe);
        if (needed.width() > c->width() || needed.height() > c->height())
            faults << QStringLiteral("%1 needs %2x%3 for \"%4\" but has %5x%6")
                          .arg(nameOf(c))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(c->text().left(40))
                          .arg(c->width())
                          .arg(c->height());
    }
    return faults;
}

QStringList HiddenLabelText(const QWidget* root)
{
    QStringList faults;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!showsText(label) || !label->isVisibleTo(root))
            continue;
        QRegion text = QRegion(in(label, root, textRect(label)));
        // What was made after the label, in its parent or in a widget it lies in, stands above it; what
        // scrolls is reached by scrolling, and text running into another label is told by CrowdedLabels.
        for (const QWidget* at = label; at != root && at->parentWidget() && !isViewport(at); at = at->parentWidget()) {
            text &= QRegion(in(at->parentWidget(), root, at->parentWidget()->rect()));
            const QObjectList& siblings = at->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(at)) + 1; i < siblings.size(); ++i) {
                const auto* above = qobject_cast<const QWidget*>(siblings[i]);
                if (!above || above->isWindow() || !above->isVisibleTo(root) || qobject_cast<const QMdiSubWindow*>(above))
                    continue;
                if (!opaque(above) && (!isControl(above) || qobject_cast<const QLabel*>(above)))
                    continue;
                const QRegion over = QRegion(in(above, root, occupied(above))) & text;
                if (meets(over, over))
                    faults << QStringLiteral("%1 \"%2\" hidden at %3 under %4, made after it")
                                  .arg(nameOf(label), label->text().left(30), rect(over.boundingRect()), nameOf(above));
            }
        }
    }
    return faults;
}

QStringList CoveredButtons(const QWidget* root)
{
    QStringList faults;
    const QWidget* top = root->window();
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled())
            continue;
        const QPoint middle = button->mapToGlobal(button->rect().center());
        // What scrolls is reached by scrolling: a button out of the part of a scroll area on show is not
        // covered (whether the scroll bars reach it is told for the work area by ToolWindowFaults).
        const QWidget* viewport = button->parentWidget();
        while (viewport && !isViewport(viewport))
            viewport = viewport->parentWidget();
        if (viewport && !global(viewport).contains(middle))
            continue;
        // What a click at its middle reaches in its own window: it, or something inside it.
        const QWidget* reached = top->childAt(top->mapFromGlobal(middle));
        const QMdiSubWindow* own = nullptr;
        for (const QWidget* w = button; w && !own; w = w->parentWidget())
            own = qobject_cast<const QMdiSubWindow*>(w);
        const QMdiSubWindow* reachedWindow = nullptr;
        for (const QWidget* w = reached; w && !reachedWindow; w = w->parentWidget())
            reachedWindow = qobject_cast<const QMdiSubWindow*>(w);
        // Another tool window in front is moved or minimised by the user; anything else is in the way.
        const bool otherToolWindow = reachedWindow && reachedWindow != own;
        if (reached != button && !button->isAncestorOf(reached) && !otherToolWindow)
            faults << QStringLiteral("%1 covered at its middle by %2")
                          .arg(nameOf(button), reached ? nameOf(reached) : QStringLiteral("nothing of its window"));
        // A window of its own that stays in front of this one.
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window == top || !window->isVisible() || !window->geometry().contains(middle))
                continue;
            if (window->isModal() || (window->windowFlags() & Qt::WindowStaysOnTopHint))
                faults << QStringLiteral("%1 covered at its middle by the window %2").arg(nameOf(button), nameOf(window));
        }
    }
    return faults;
}

QStringList CoveredFrames(const QWidget* root)
{
    QStringList faults;
    for (const QGroupBox* frame : root->findChildren<QGroupBox*>()) {
        if (visiblePart(frame, root).isEmpty())
            continue;
        // What the frame draws itself (caption, border, inside), on a colour nothing else has.
        QImage drawn(frame->size(), QImage::Format_ARGB32);
        drawn.fill(QColor(255, 0, 255));
        const_cast<QGroupBox*>(frame)->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect contents =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
        const QColor inside = drawn.pixelColor(contents.center());
        auto plain = [&](QPoint at) {
            const QColor c = drawn.pixelColor(at);
            return std::abs(c.red() - inside.red()) < 12 && std::abs(c.green() - inside.green()) < 12 &&
                   std::abs(c.blue() - inside.blue()) < 12;
        };
        for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || visiblePart(child, root).isEmpty())
                continue;
            // An opaque control hides what lies under it; of a plain label, only its text does.
            const QRect used = in(child, frame, opaque(child) ? child->rect() : occupied(child)) & frame->rect();
            bool covers = false;
            for (int y = used.top(); y <= used.bottom() && !covers; ++y)
                for (int x = used.left(); x <= used.right() && !covers; ++x)
                    covers = !plain(QPoint(x, y));
            if (covers)
                faults << QStringLiteral("%1 %2 over the caption or border of %3")
                              .arg(nameOf(child), rect(used), nameOf(frame));
        }
    }
    return faults;
}

QStringList CrowdedLabels(const QWidget* root)
{
    QStringList faults;
    struct Seen {
        const QWidget* control;
        QRegion region;
    };
    QList<Seen> controls;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!isControl(w))
            continue;
        const QRegion region = visiblePart(w, root) & QRegion(in(w, root, occupied(w)));
        if (!region.isEmpty())
            controls.append({w, region});
    }
    for (const Seen& label : controls) {
        const auto* text = qobject_cast<const QLabel*>(label.control);
        if (!text)
            continue;
        for (const Seen& other : controls) {
            if (other.control == label.control || related(label.control, other.control) ||
                !meets(label.region, other.region))
                continue;
            if (const auto* twin = qobject_cast<const QLabel*>(other.control)) {
                // Two labels running into each other are told once; the same text printed twice at one
                // place reads as one.
                if (other.control < label.control)
                    continue;
                if (twin->text() == text->text() && in(twin, root, twin->rect()) == in(text, root, text->rect()))
                    continue;
            }
            faults << QStringLiteral("%1 \"%2\" %3 runs into %4 %5")
                          .arg(nameOf(label.control), text->text().left(30), rect(label.region.boundingRect()),
                               nameOf(other.control), rect(other.region.boundingRect()));
        }
    }
    return faults;
}

QStringList ControlFaults(const QWidget* root)
{
    return CutLabels(root) + CutCaptions(root) + HiddenLabelText(root) + UnreadableButtons(root) + CoveredButtons(root) +
           CoveredFrames(root) + CrowdedLabels(root);
}

QStringList UnreadableButtons(const QWidget* root)
{
    QStringList faults;
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || visiblePart(button, root).isEmpty())
            continue;
        const QPalette& p = button->palette();
        QColor text = p.color(QPalette::ButtonText), face = p.color(QPalette::Button);
        // A clickable caption is drawn in its text colour on a face of its own; one on the window's
        // ground is a label's text, as the design colours it.
        if (qobject_cast<const platform::Clickable*>(button)) {
            if (!button->autoFillBackground())
                continue;
            text = p.color(QPalette::WindowText);
            face = p.color(QPalette::Window);
        }
        const double ratio = platform::Contrast(text, face);
        if (ratio < 3.0)
            faults << QStringLiteral("%1: caption \"%2\" on its face has contrast %3")
                          .arg(nameOf(button), button->text())
                          .arg(ratio, 0, 'f', 2);
    }
    return faults;
}

} // namespace testing
