#pragma once
// Input as a person gives it: clicks at the place a control or a list entry occupies on screen, presses
// and releases that may land on different controls, double-clicks whose second click meets whatever the
// first one put under the pointer, and keys sent to the widget that has the focus.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

namespace testing {

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

// A left click on a list entry, at its middle. False when the entry cannot be seen.
inline bool clickEntry(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect r = entryOnScreen(view, row);
    if (r.isEmpty())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, r.center());
    return true;
}

// A left click in the middle of a control.
inline void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

// A double-click as the desktop delivers it: the first click on the control, then the second press and
// its release on whatever the first click left under the pointer (the window may have changed).
inline void doubleClick(QWidget* control)
{
    QWidget* top = control->window();
    const QPoint global = control->mapToGlobal(control->rect().center());
    QTest::mousePress(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton);
    QApplication::processEvents();
    QWidget* under = top ? top->childAt(top->mapFromGlobal(global)) : nullptr;
    if (!under)
        under = top;
    if (!under)
        return;
    const QPoint local = under->mapFromGlobal(global);
    QTest::mouseDClick(under, Qt::LeftButton, {}, local);
    QTest::mouseRelease(under, Qt::LeftButton, {}, local);
}

// The pointer moved over a control with no button down, as the window system reports it.
inline void movePointer(QWidget* control, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, control->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&move);
    qApp->notify(control, &move);
}

// Picks a drop-down list's entry with the mouse: a click opens the list, a click on the entry takes it.
// False when the list did not open or did not take the entry.
inline bool chooseEntry(QComboBox* box, int index)
{
    if (!box)
        return false;
    QApplication::processEvents();  // whatever the last action set going has settled
    const QPoint pressedAt = box->mapToGlobal(box->rect().center());
    QTest::mouseClick(box, Qt::LeftButton);
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
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    return !view->isVisible() && box->currentIndex() == index;
}

// Brings a tab page to the front with a click on its tab.
inline bool clickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs ? tabs->findChild<QTabBar*>() : nullptr;
    if (!bar || index < 0 || index >= bar->count())
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return tabs->currentIndex() == index;
}

// Ticks or unticks a check box with a click, when it is not as wanted.
inline void setTicked(QAbstractButton* box, bool ticked)
{
    if (box->isChecked() != ticked)
        QTest::mouseClick(box, Qt::LeftButton);
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

// Text typed into the widget that has the focus.
inline bool type(const QString& text)
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return false;
    for (QChar c : text) {
        QTest::keyClicks(w, QString(c));
        QApplication::processEvents();
    }
    return true;
}

} // namespace testing
