#pragma once
// Input as a person gives it: clicks at the place a control or a list entry occupies on screen, presses
// and releases that may land on different controls, double-clicks whose second click meets whatever the
// first one put under the pointer, and keys sent to the widget that has the focus.
#include "platform/Controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace testing {

// Keeps out of the test's output what the headless platform says of every menu or drop-down list it opens
// (it cannot raise a window or grab the keyboard), while the popup opens.
class QuietPopups {
public:
    QuietPopups()
    {
        if (depth_++ == 0)
            previous_ = qInstallMessageHandler(&QuietPopups::handle);
    }
    ~QuietPopups()
    {
        if (--depth_ == 0)
            qInstallMessageHandler(previous_);
    }
    QuietPopups(const QuietPopups&) = delete;
    QuietPopups& operator=(const QuietPopups&) = delete;

private:
    static inline int depth_ = 0;
    static inline QtMessageHandler previous_ = nullptr;
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg && (text == QLatin1String("This plugin does not support raise()") ||
                                     text == QLatin1String("This plugin does not support grabbing the keyboard")))
            return;
        if (previous_)
            previous_(type, context, text);
    }
};

// The place of a list entry in its viewport, scrolled into view with the scroll bar's arrow as a user
// would scroll it; an empty rectangle when the entry cannot be brought into view.
inline QRect entryOnScreen(QAbstractItemView* view, int row)
{
    if (!view || !view->model() || row < 0 || row >= view->model()->rowCount())
        return {};
    const QModelIndex index = view->model()->index(row, 0);
    QScrollBar* bar = view->verticalScrollBar();
    for (int step = 0; step < 200; ++step) {
        QApplication::processEvents();
        const QRect area = view->viewport()->rect();
        const QRect r = view->visualRect(index).intersected(QRect(area.left(), -100000, area.width(), 200000));
        if (r.top() >= area.top() && r.bottom() <= area.bottom() && !r.isEmpty())
            return r;
        const int before = bar->value();
        bar->triggerAction(r.top() < 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
        if (bar->value() == before)
            return area.intersects(r) ? r.intersected(area) : QRect();
    }
    return {};
}

// The top-level window a desktop shows at a point of the screen, stacked as a window manager stacks
// them: an open popup, then the modal window opened last, then other modal ones, then one kept on top,
// then the active window, then the window of the control the test means; null where no window on view
// lies (the desktop).
inline QWindow* windowAt(QPoint global, const QWidget* meant)
{
    QWidget* best = nullptr;
    int bestRank = -1;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || !top->windowHandle() || !top->geometry().contains(global))
            continue;
        int rank = 0;
        if (top == QApplication::activePopupWidget() || top->windowType() == Qt::Popup)
            rank = 6;
        else if (top == QApplication::activeModalWidget())
            rank = 5;
        else if (top->isModal())
            rank = 4;
        else if (top->windowFlags() & Qt::WindowStaysOnTopHint)
            rank = 3;
        else if (top->isActiveWindow())
            rank = 2;
        else if (meant && top == meant->window())
            rank = 1;
        if (rank > bestRank) {
            best = top;
            bestRank = rank;
        }
    }
    return best ? best->windowHandle() : nullptr;
}

// Scrolls every scroll area the control lies in (the main window's work area among them) with its scroll
// bars' arrows, as a user scrolls, until the place of the control shows in it. False when it cannot be
// brought into view.
inline bool scrollIntoView(QWidget* control, QPoint pos)
{
    for (QWidget* w = control ? control->parentWidget() : nullptr; w && !w->isWindow(); w = w->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(w);
        if (!area || !area->viewport()->isAncestorOf(control))
            continue;
        for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
            const bool vertical = bar->orientation() == Qt::Vertical;
            for (int step = 0; step < 1000; ++step) {
                QApplication::processEvents();
                const QPoint at = control->mapTo(area->viewport(), pos);
                const QRect shown = area->viewport()->rect();
                const int p = vertical ? at.y() : at.x();
                const int low = vertical ? shown.top() : shown.left();
                const int high = vertical ? shown.bottom() : shown.right();
                if (p >= low && p <= high)
                    break;
                const int before = bar->value();
                bar->triggerAction(p < low ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
                if (bar->value() == before)
                    return false;
            }
        }
    }
    return true;
}

// A mouse action at a place of a control (its middle by default), scrolled into view where it lies in a
// scroll area, handed to the window system at the window the desktop shows there: it reaches what lies under the pointer, which may be another control,
// another window or nothing. False when no window on view lies there.
inline bool mouseAt(QWidget* control, QTest::MouseAction action, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = {}, QPoint pos = {})
{
    if (!control)
        return false;
    if (pos.isNull())
        pos = control->rect().center();
    scrollIntoView(control, pos);
    const QPoint global = control->mapToGlobal(pos);
    QWindow* window = windowAt(global, control);
    if (!window)
        return false;
    QTest::mouseEvent(action, window, button, modifiers, window->mapFromGlobal(global));
    return true;
}

// A left click at a place of a control, its middle by default.
inline bool click(QWidget* control, QPoint pos = {})
{
    return mouseAt(control, QTest::MouseClick, Qt::LeftButton, {}, pos);
}
inline bool click(QWidget* control, Qt::MouseButton button, QPoint pos = {})
{
    return mouseAt(control, QTest::MouseClick, button, {}, pos);
}
// A button pressed, or let go, at a place of a control: the two halves of a click, or of a drag.
inline bool press(QWidget* control, Qt::MouseButton button = Qt::LeftButton, QPoint pos = {})
{
    return mouseAt(control, QTest::MousePress, button, {}, pos);
}
inline bool release(QWidget* control, Qt::MouseButton button = Qt::LeftButton, QPoint pos = {})
{
    return mouseAt(control, QTest::MouseRelease, button, {}, pos);
}

// The pointer moved over a control with no button down, as the window system reports it.
inline bool movePointer(QWidget* control, QPoint pos = {}) { return mouseAt(control, QTest::MouseMove, Qt::NoButton, {}, pos); }

// The wheel turned by some notches with the pointer over a place of a control (its middle by default):
// upward for a positive count, as a mouse reports it, 120 to a notch. The pointer comes there first; the
// turn is then handed to the top-level window the desktop shows there, which gives it to what lies under
// the pointer and on to what lies behind while that does not take it, as the window system's turn goes.
// (The toolkit's test library has no wheel, and the window system's own entry for it is private.) False
// when no window on view lies there.
inline bool turnWheel(QWidget* control, int notches, QPoint pos = {})
{
    if (!control)
        return false;
    if (pos.isNull())
        pos = control->rect().center();
    movePointer(control, pos);
    const QPoint global = control->mapToGlobal(pos);
    QWindow* window = windowAt(global, control);
    if (!window)
        return false;
    QWheelEvent turn(window->mapFromGlobal(QPointF(global)), QPointF(global), QPoint(), QPoint(0, 120 * notches),
                     QTestPrivate::qtestMouseButtons, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window, &turn);
    QApplication::processEvents();
    return true;
}

// A left click on a list entry, at its middle. False when the entry cannot be seen.
inline bool clickEntry(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect r = entryOnScreen(view, row);
    if (r.isEmpty())
        return false;
    return mouseAt(view->viewport(), QTest::MouseClick, Qt::LeftButton, modifiers, r.center());
}

// One mouse event handed to the window system at a place of a top-level window, as the desktop reports
// it; the window then gives it to whatever lies under the pointer. The window may go away meanwhile.
inline void windowSystemMouse(QWindow* window, QPoint at, QEvent::Type type, Qt::MouseButton button, int timestamp,
                              Qt::KeyboardModifiers modifiers = {})
{
    if (!window)
        return;
    if (type == QEvent::MouseButtonPress)
        QTestPrivate::qtestMouseButtons.setFlag(button, true);
    else if (type == QEvent::MouseButtonRelease)
        QTestPrivate::qtestMouseButtons.setFlag(button, false);
    qt_handleMouseEvent(window, at, window->mapToGlobal(at), QTestPrivate::qtestMouseButtons, button, type, modifiers,
                        timestamp);
}

// Two left clicks within the double-click time, the first at a place of one control, the second at a
// place of another (or the same), both places taken before the first click; the second press and its
// release meet whatever the first click left under the pointer. The desktop makes a double-click of them
// when the places lie close together. False when no window on view lies under the first place.
inline bool doubleClickAcross(QWidget* first, QPoint firstAt, QWidget* second, QPoint secondAt)
{
    QWindow* handle = first && second ? windowAt(first->mapToGlobal(firstAt), first) : nullptr;
    if (!handle)
        return false;
    QPointer<QWindow> window = handle;
    const QPoint a = handle->mapFromGlobal(first->mapToGlobal(firstAt));
    const QPoint b = handle->mapFromGlobal(second->mapToGlobal(secondAt));
    // Well apart from any earlier click, then quick, as a hand does it.
    int t = (QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval);
    windowSystemMouse(window, a, QEvent::MouseButtonPress, Qt::LeftButton, t);
    windowSystemMouse(window, a, QEvent::MouseButtonRelease, Qt::LeftButton, t += 40);
    QApplication::processEvents();  // what the first click set going, before the second press comes
    windowSystemMouse(window, b, QEvent::MouseButtonPress, Qt::LeftButton, t += 40);
    windowSystemMouse(window, b, QEvent::MouseButtonRelease, Qt::LeftButton, t += 40);
    QTest::lastMouseTimestamp = t + QTest::mouseDoubleClickInterval;
    QApplication::processEvents();
    return true;
}

// A double-click in the middle of a control, as the desktop delivers it.
inline bool doubleClick(QWidget* control)
{
    return control && doubleClickAcross(control, control->rect().center(), control, control->rect().center());
}

// Picks a drop-down list's entry with the mouse: a click opens the list, a click on the entry takes it.
// False when the list did not open or did not take the entry.
inline bool chooseEntry(QComboBox* box, int index)
{
    if (!box)
        return false;
    QApplication::processEvents();  // whatever the last action set going has settled
    QuietPopups quiet;
    const QPoint pressedAt = box->mapToGlobal(box->rect().center());
    click(box);
    QApplication::processEvents();  // as the event loop runs between one action and the next
    QAbstractItemView* view = box->view();
    if (!view || !view->isVisible())
        return false;
    const QRect r = entryOnScreen(view, index);
    if (r.isEmpty())
        return false;
    // A release close to where the opening press was is taken for the end of that press: the pointer
    // comes to the end of the entry farther from it.
    QPoint at(r.left() + 3, r.center().y());
    const QPoint other(r.right() - 3, r.center().y());
    if ((view->viewport()->mapToGlobal(other) - pressedAt).manhattanLength() >
        (view->viewport()->mapToGlobal(at) - pressedAt).manhattanLength())
        at = other;
    movePointer(view->viewport(), at);
    QApplication::processEvents();
    click(view->viewport(), at);
    QApplication::processEvents();
    return !view->isVisible() && box->currentIndex() == index;
}

// Brings a tab page to the front with a click on its tab.
inline bool clickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs ? tabs->findChild<QTabBar*>() : nullptr;
    if (!bar || index < 0 || index >= bar->count())
        return false;
    click(bar, bar->tabRect(index).center());
    return tabs->currentIndex() == index;
}

// Ticks or unticks a check box with a click, when it is not as wanted.
inline bool setTicked(QAbstractButton* box, bool ticked)
{
    if (box->isChecked() != ticked)
        click(box);
    return box->isChecked() == ticked;
}

// Picks a drop-down list's entry with the keyboard, the list having the focus: Home, then Down.
inline void chooseWithKeys(QComboBox* box, int index)
{
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

// Presses Tab (or Shift+Tab) until the control has the focus; false when it never comes to it.
inline bool tabTo(QWidget* control, bool backwards = false)
{
    for (int i = 0; i < 200; ++i) {
        if (QApplication::focusWidget() == control)
            return true;
        QWidget* w = QApplication::focusWidget();
        if (!w)
            return false;
        QTest::keyClick(w, backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::processEvents();
    }
    return false;
}

// The widget that has the keyboard focus, or null.
inline QWidget* focused() { return QApplication::focusWidget(); }

// A key pressed and released on the widget that has the focus. False when nothing has it.
inline bool key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return false;
    QTest::keyClick(w, k, modifiers);
    QApplication::processEvents();  // as the event loop runs between one key and the next
    return true;
}

// One character typed into the widget that has the focus, as the keyboard sends it: a line break is
// Return, any other character comes with its text (letters beyond Latin-1 too).
inline bool typeCharacter(QChar c)
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return false;
    if (c == QLatin1Char('\n'))
        QTest::keyClick(w, Qt::Key_Return);
    else if (c.unicode() < 128)
        QTest::keyClicks(w, QString(c));
    else
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    QApplication::processEvents();  // as the event loop runs between one key and the next
    return true;
}

// Text typed into the widget that has the focus; a line break (CR LF, LF or CR) is one Return.
inline bool type(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                continue;
            c = QLatin1Char('\n');
        }
        if (!typeCharacter(c))
            return false;
    }
    return true;
}

// The place a user clicks to type into a box: the box, or the page of a box that scrolls.
inline QWidget* typingSurface(QWidget* box)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(box))
        return area->viewport();
    return box;
}

// A click into a text box, which gives it the focus as a user gives it. The desktop makes the window
// clicked into the active one, if it was not.
inline void clickInto(QWidget* box)
{
    QWidget* surface = typingSurface(box);
    QApplication::processEvents();  // what the desktop still had to say of windows that came and went
    if (QWidget* window = surface->window(); window && !window->isActiveWindow())
        QApplication::setActiveWindow(window);
    click(surface);
    // The window comes to the front first, then the focus to the box, then what the box does on it.
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Types a text into a box in place of what it holds, as a user does: a click into it, the whole text
// taken with the keys (End then Shift+Home; in a box of several lines Ctrl+End then Ctrl+Shift+Home),
// then the text typed over it, a line break as Return. An empty text deletes what the box held.
// False when the box did not take the focus.
inline bool typeInto(QWidget* box, const QString& text)
{
    clickInto(box);
    if (QApplication::focusWidget() != box)
        return false;
    const bool lines = qobject_cast<QPlainTextEdit*>(box) || qobject_cast<QTextEdit*>(box);
    const Qt::KeyboardModifiers line = lines ? Qt::ControlModifier : Qt::NoModifier;
    key(Qt::Key_End, line);
    key(Qt::Key_Home, line | Qt::ShiftModifier);
    auto holds = [box] {
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            return !edit->text().isEmpty();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
            return !edit->toPlainText().isEmpty();
        if (auto* edit = qobject_cast<QTextEdit*>(box))
            return !edit->toPlainText().isEmpty();
        return false;
    };
    if (text.isEmpty() && holds())
        key(Qt::Key_Delete);
    return type(text);
}

// The menus from the bar down to a menu item, bar entry first; empty when the bar does not hold it.
inline QList<QAction*> menuPath(const QList<QAction*>& actions, QAction* item)
{
    for (QAction* a : actions) {
        if (a == item)
            return {a};
        if (a->menu()) {
            QList<QAction*> below = menuPath(a->menu()->actions(), item);
            if (!below.isEmpty()) {
                below.prepend(a);
                return below;
            }
        }
    }
    return {};
}

// The menu bar on view that holds a menu item, or null.
inline QMenuBar* menuBarHolding(QAction* item)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QMenuBar* bar : top->findChildren<QMenuBar*>())
            if (bar->isVisible() && !menuPath(bar->actions(), item).isEmpty())
                return bar;
    return nullptr;
}

// Runs `act` from the event loop once `ready` holds, also inside the loop of a window that waits for its
// answer (an about box opened from a menu); gives up after five seconds.
inline void once(std::function<bool()> ready, std::function<void()> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    const QDeadlineTimer deadline(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, ready = std::move(ready), act = std::move(act)] {
        const bool now = ready();
        if (now || deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
        if (now)
            act();
    });
    timer->start();
}

// Closes every menu left open, as Escape does.
inline void closeMenus()
{
    for (int i = 0; i < 20 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    QApplication::processEvents();
}

// Chooses a menu item with the mouse, as a user does: a click on its menu in the menu bar on view, then
// on each submenu and on the item itself. True when the item was triggered; false when no menu bar on
// view holds it, or it could not be chosen (a disabled item or menu), every menu then closed again.
inline bool chooseMenu(QAction* item)
{
    if (!item)
        return false;
    QApplication::processEvents();  // whatever the last action set going has settled
    QMenuBar* bar = menuBarHolding(item);
    if (!bar)
        return false;
    // The choice may take the window, its menu bar and its menus away: each is held where it may go.
    QList<QPointer<QAction>> path;
    for (QAction* a : menuPath(bar->actions(), item))
        path << a;
    bool triggered = false;
    const QMetaObject::Connection c = QObject::connect(item, &QAction::triggered, [&triggered] { triggered = true; });
    QuietPopups quiet;
    const QRect entry = bar->actionGeometry(path.first());
    QPoint pressedAt = bar->mapToGlobal(entry.center());
    click(bar, entry.center());
    for (qsizetype i = 1; i < path.size(); ++i) {
        QPointer<QMenu> menu = path[i - 1] ? path[i - 1]->menu() : nullptr;
        if (!menu || !path[i] || !QTest::qWaitFor([menu] { return menu && menu->isVisible(); }, 1000))
            break;
        const QRect r = menu->actionGeometry(path[i]);
        // A release where the pointer has not moved since the menu opened closes the menu, as a desktop
        // takes it for the end of the opening press: the pointer comes to the end of the entry farther
        // from that press.
        QPoint at(r.left() + 3, r.center().y());
        const QPoint other(r.right() - 3, r.center().y());
        if ((menu->mapToGlobal(other) - pressedAt).manhattanLength() >
            (menu->mapToGlobal(at) - pressedAt).manhattanLength())
            at = other;
        movePointer(menu, at);
        QApplication::processEvents();
        if (!menu)
            break;
        pressedAt = menu->mapToGlobal(at);
        click(menu, at);
    }
    QObject::disconnect(c);
    if (!triggered)
        closeMenus();
    QApplication::processEvents();
    return triggered;
}

// The tool window inside the main window that a widget is, or whose frame it is; null for any other.
inline QMdiSubWindow* toolWindowFrame(QWidget* window)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(window);
    if (!sub && window)
        sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    return sub;
}

// Where a part of a tool window's title bar lies in its frame, as the frame lays the bar out; an empty
// rectangle when the bar has no such part.
inline QRect titleBarPart(QMdiSubWindow* sub, QStyle::SubControl part)
{
    QStyleOptionTitleBar bar;
    bar.initFrom(sub);
    bar.subControls = QStyle::SC_All;
    bar.titleBarFlags = sub->windowFlags();
    bar.titleBarState = sub->windowState();
    if (sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub) {
        bar.state |= QStyle::State_Active;
        bar.titleBarState |= QStyle::State_Active;
    }
    const int border = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
    const int height = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, sub);
    bar.rect = QRect(border, border, sub->width() - 2 * border, height);
    return sub->style()->subControlRect(QStyle::CC_TitleBar, &bar, part, sub);
}

// A left click on a part of a tool window's title bar, the pointer brought there first (the frame lights
// the button under the pointer, and a press acts on that one). False when the window is not on view or
// its bar has no such part.
inline bool clickTitleBar(QWidget* window, QStyle::SubControl part)
{
    QPointer<QMdiSubWindow> sub = toolWindowFrame(window);
    for (int tries = 0; tries < 10 && sub && sub->isVisible(); ++tries) {
        QApplication::processEvents();
        const QRect r = titleBarPart(sub, part);
        if (r.isEmpty())
            return false;
        const QPoint at = r.center();
        const QPoint global = sub->mapToGlobal(at);
        // The pointer comes to the part from beside it: the window system tells no move to where the
        // pointer already is, and the frame lights a part only on a move.
        movePointer(sub, QPoint(at.x(), r.bottom() + 3));
        movePointer(sub, at);
        // A window the desktop placed anew meanwhile is aimed at again.
        if (!sub || titleBarPart(sub, part) != r || sub->mapToGlobal(at) != global)
            continue;
        click(sub, at);
        QApplication::processEvents();
        return true;
    }
    return false;
}

// A tool window dragged by its title to another place, as a user moves it: the button pressed on its
// caption, the pointer moved there in steps with the button held, and let go. False when the window is not
// on view or its caption cannot be reached.
inline bool dragTitle(QWidget* window, QPoint by)
{
    QPointer<QMdiSubWindow> sub = toolWindowFrame(window);
    if (!sub || !sub->isVisible())
        return false;
    QApplication::processEvents();
    const QRect caption = titleBarPart(sub, QStyle::SC_TitleBarLabel);
    if (caption.isEmpty())
        return false;
    const QPoint from = sub->mapToGlobal(caption.center());
    QPointer<QWindow> top = windowAt(from, sub);
    if (!top)
        return false;
    movePointer(sub, caption.center());
    QTest::mousePress(top, Qt::LeftButton, {}, top->mapFromGlobal(from));
    for (int step = 1; step <= 4 && top; ++step) {
        QTest::mouseMove(top, top->mapFromGlobal(from + by * step / 4));
        QApplication::processEvents();
    }
    if (top)
        QTest::mouseRelease(top, Qt::LeftButton, {}, top->mapFromGlobal(from + by));
    QApplication::processEvents();
    return true;
}

// The close box in the title bar of a tool window inside the main window, clicked with the mouse.
inline bool clickCloseBox(QWidget* window) { return clickTitleBar(window, QStyle::SC_TitleBarCloseButton); }

// Brings a tool window to the front with a click on its title, as a user does to use its menus.
inline bool clickTitle(QWidget* window) { return clickTitleBar(window, QStyle::SC_TitleBarLabel); }

} // namespace testing

namespace testing {

// The tool window whose frame lies over a place of a control (its middle by default) inside the main
// window's work area, or null when none does (the control's own window, or none, is there).
inline QMdiSubWindow* toolWindowOver(QWidget* control, QPoint pos = {})
{
    QMdiSubWindow* own = nullptr;
    for (QWidget* w = control; w && !own; w = w->parentWidget())
        own = qobject_cast<QMdiSubWindow*>(w);
    QMdiArea* area = own ? own->mdiArea() : nullptr;
    if (!area)
        return nullptr;
    const QPoint at = control->mapTo(area->viewport(), pos.isNull() ? control->rect().center() : pos);
    QWidget* top = area->viewport()->childAt(at);
    for (; top && !qobject_cast<QMdiSubWindow*>(top); top = top->parentWidget()) {
    }
    return top && top != own ? static_cast<QMdiSubWindow*>(top) : nullptr;
}

// Takes the road a user takes to a control that another tool window covers: a click on the title of the
// control's own window brings it to the front where that title is free; otherwise the covering window is
// minimised with the button of its title bar. False when the control stays covered.
inline bool uncover(QWidget* control)
{
    QMdiSubWindow* own = toolWindowFrame(control ? control->window() : nullptr);
    for (QWidget* w = control; w && !own; w = w->parentWidget())
        own = qobject_cast<QMdiSubWindow*>(w);
    for (int i = 0; i < 20; ++i) {
        QMdiSubWindow* over = toolWindowOver(control);
        if (!over)
            return true;
        const QRect title = own ? titleBarPart(own, QStyle::SC_TitleBarLabel) : QRect();
        if (!title.isEmpty() && !toolWindowOver(own, title.center()) && clickTitle(own) && !toolWindowOver(control))
            return true;
        if (!(over->windowFlags() & Qt::WindowMinimizeButtonHint))
            return false;
        // A frame learns where the parts of its title bar lie some moments after it was resized (a timer
        // of its own): until then a click on its button may find none, and the user clicks again.
        QPointer<QMdiSubWindow> window = over;
        if (!QTest::qWaitFor([&] { return !window || (clickTitleBar(window, QStyle::SC_TitleBarMinButton) && window->isMinimized()); },
                             2000) ||
            toolWindowOver(control) == over)
            return false;
    }
    return false;
}

} // namespace testing
