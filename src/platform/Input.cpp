#include "platform/Input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace platform {

namespace {

// The dotted frame a clickable picture or label shows while it has the focus. It lies over the control
// and lets the mouse through.
class FocusMark final : public QWidget {
public:
    explicit FocusMark(QWidget* control) : QWidget(control)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusMark"));
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QPen pen(palette().color(QPalette::Highlight));
        pen.setWidth(2);
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

class ClickWatch final : public QObject {
public:
    ClickWatch(QWidget* control, std::function<void()> handler, ClickKeys keys)
        : QObject(control), control_(control), handler_(std::move(handler)), keys_(keys)
    {
        if (keys_ == ClickKeys::SpaceAndEnter) {
            control->setFocusPolicy(Qt::StrongFocus);
            mark_ = new FocusMark(control);
        }
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton)
                return false;
            armed_ = control_->rect().contains(e->position().toPoint());
            if (armed_ && keys_ == ClickKeys::SpaceAndEnter)
                control_->setFocus(Qt::MouseFocusReason);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // The second press of a double-click is not a new click.
            armed_ = false;
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton)
                return false;
            const bool click = armed_ && control_->rect().contains(e->position().toPoint());
            armed_ = false;
            if (click)
                fire();
            return true;
        }
        case QEvent::KeyPress: {
            if (keys_ != ClickKeys::SpaceAndEnter)
                return false;
            auto* e = static_cast<QKeyEvent*>(event);
            const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            const int k = e->key();
            if (!plain || (k != Qt::Key_Space && k != Qt::Key_Return && k != Qt::Key_Enter))
                return false;
            if (!e->isAutoRepeat())
                fire();
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (mark_) {
                mark_->setGeometry(control_->rect());
                mark_->setVisible(event->type() == QEvent::FocusIn);
                mark_->raise();
            }
            return false;
        case QEvent::Resize:
            if (mark_)
                mark_->setGeometry(control_->rect());
            return false;
        case QEvent::Hide:
            armed_ = false;
            return false;
        default:
            return false;
        }
    }

private:
    void fire()
    {
        if (!control_ || !control_->isVisible() || !control_->isEnabled() || !handler_)
            return;
        // The handler may take the control and this watch away: it runs from a copy.
        const std::function<void()> handler = handler_;
        handler();
    }

    QPointer<QWidget> control_;
    std::function<void()> handler_;
    ClickKeys keys_;
    FocusMark* mark_ = nullptr;
    bool armed_ = false;
};

// The program-wide rules. Events reach a window's native surface first and then the widget under the
// pointer (or with the focus); only that first widget counts, which the event's time stamp tells apart
// from the copies passed on to its parents.
class InputRules final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->timestamp() != pressTime_) {
                pressTime_ = e->timestamp();
                pressed_ = static_cast<QWidget*>(watched);
                swallowRelease_ = false;
            }
            return false;
        }
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->timestamp() == doubleTime_)
                return false;
            doubleTime_ = e->timestamp();
            if (pressed_ == watched)
                return false;
            // The first click changed what lies under the pointer: the rest of the double-click is
            // nobody's.
            swallowRelease_ = true;
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (swallowRelease_) {
                swallowRelease_ = false;
                return true;
            }
            return false;
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) && !moving_ &&
                (e->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier)
                return tabOutOfChildWindow(static_cast<QWidget*>(watched), e);
            auto* button = qobject_cast<QPushButton*>(watched);
            if (!button)
                return false;
            if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
                return false;
            if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !button->hasFocus())
                return false;
            if (!e->isAutoRepeat() && button->isEnabled() && button->isVisible())
                button->click();
            return true;
        }
        default:
            return false;
        }
    }

private:
    // Tab and Shift+Tab go round the controls of a child window and, past its last (or first) one, on to
    // the main window's own controls, so that the tool buttons and the reading pane stay within reach.
    bool tabOutOfChildWindow(QWidget* from, QKeyEvent* event)
    {
        QMdiSubWindow* child = enclosingChildWindow(from);
        if (!child || takesTabAsText(from))
            return false;
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        // The control and the toolkit move the focus as they always do...
        moving_ = true;
        QCoreApplication::sendEvent(from, event);
        moving_ = false;
        QWidget* to = QApplication::focusWidget();
        if (!to || !child->isAncestorOf(to))
            return true;
        // ...unless that went round the child window.
        const QList<QWidget*> order = chainWithin(child);
        const qsizetype before = order.indexOf(from);
        const qsizetype after = order.indexOf(to);
        const bool wentRound =
            to == from || (before >= 0 && after >= 0 && (forward ? after < before : after > before));
        if (!wentRound)
            return true;
        if (QWidget* outside = nextOutside(from, forward))
            outside->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

    // A box of several lines that types a TAB keeps the key for itself.
    static bool takesTabAsText(QWidget* w)
    {
        if (auto* rich = qobject_cast<QTextEdit*>(w))
            return !rich->tabChangesFocus() && !rich->isReadOnly();
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
            return !plain->tabChangesFocus() && !plain->isReadOnly();
        return false;
    }

    static QMdiSubWindow* enclosingChildWindow(QWidget* w)
    {
        for (; w && !w->isWindow(); w = w->parentWidget())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
                return sub;
        return nullptr;
    }

    static QList<QWidget*> chainWithin(QWidget* root)
    {
        QList<QWidget*> out;
        for (QWidget* w = root->nextInFocusChain(); w && w != root && out.size() < 10000; w = w->nextInFocusChain())
            if (root->isAncestorOf(w))
                out << w;
        return out;
    }

    // The next control, in the focus order of the whole window, that Tab may stop at and that lies outside
    // every child window.
    static QWidget* nextOutside(QWidget* from, bool forward)
    {
        QWidget* top = from->window();
        int guard = 0;
        for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from && guard++ < 10000;
             w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
            if (w->window() != top || enclosingChildWindow(w) || qobject_cast<QMdiSubWindow*>(w))
                continue;
            if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled() &&
                !w->focusProxy())
                return w;
        }
        return nullptr;
    }

    bool moving_ = false;
    QPointer<QWidget> pressed_;
    quint64 pressTime_ = ~quint64(0);
    quint64 doubleTime_ = ~quint64(0);
    bool swallowRelease_ = false;
};

} // namespace

bool IsCommandChord(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers m = key.modifiers();
    return (m & (Qt::AltModifier | Qt::MetaModifier)) && !(m & Qt::ControlModifier);
}

void OnClick(QWidget* control, std::function<void()> handler, ClickKeys keys)
{
    if (control)
        new ClickWatch(control, std::move(handler), keys);
}

void InstallInputRules()
{
    static QPointer<InputRules> rules;
    if (rules)
        return;
    if (QCoreApplication* app = QCoreApplication::instance()) {
        rules = new InputRules;
        rules->setParent(app);
        app->installEventFilter(rules);
    }
}

} // namespace platform
