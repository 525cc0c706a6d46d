#include "platform/Input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
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
            auto* button = qobject_cast<QPushButton*>(watched);
            if (!button)
                return false;
            auto* e = static_cast<QKeyEvent*>(event);
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
    QPointer<QWidget> pressed_;
    quint64 pressTime_ = ~quint64(0);
    quint64 doubleTime_ = ~quint64(0);
    bool swallowRelease_ = false;
};

} // namespace

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
