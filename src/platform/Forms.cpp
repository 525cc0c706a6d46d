#include "platform/Forms.h"

#include "platform/DesignLayout.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <exception>

namespace platform {

namespace {

struct Entry {
    QString name;
    QPointer<Form> form;
};

struct State {
    QHash<QString, Forms::Factory> factories;
    QList<Entry> loaded;
    bool blocked = false;
    QPointer<QMdiArea> area;
    FormsNotifier notifier;
};

State& state()
{
    static State s;
    return s;
}

int indexOf(const QString& name)
{
    auto& l = state().loaded;
    for (int i = 0; i < l.size(); ++i)
        if (l[i].name == name)
            return i;
    return -1;
}

int indexOf(const Form* form)
{
    auto& l = state().loaded;
    for (int i = 0; i < l.size(); ++i)
        if (l[i].form == form)
            return i;
    return -1;
}

// Closing a child's frame goes through the same unload as every other road.
class SubWindowCloser : public QObject {
public:
    explicit SubWindowCloser(Form* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close && form_) {
            event->ignore();
            Forms::Unload(form_);
            return true;
        }
        return false;
    }

private:
    QPointer<Form> form_;
};

// The frame of a tool window inside the main window. Tab and Shift+Tab go round the tool window's
// controls and, past its last (or first) one, on to the main window's own controls instead of round the
// tool window again, so that the tool buttons and the reading pane stay within reach. A minimised window
// has no control to stop at: Tab and Shift+Tab pass it by.
class ToolFrame final : public QMdiSubWindow {
protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            setFocusPolicy(isMinimized() ? Qt::NoFocus : Qt::StrongFocus);
        QMdiSubWindow::changeEvent(event);
    }

    bool focusNextPrevChild(bool next) override
    {
        QWidget* from = QApplication::focusWidget();
        const bool moved = QMdiSubWindow::focusNextPrevChild(next);
        QWidget* to = QApplication::focusWidget();
        if (!from || (from != this && !isAncestorOf(from)))
            return moved;
        bool wentRound = !moved || to == from;
        if (!wentRound && to && isAncestorOf(from) && isAncestorOf(to)) {
            const QList<QWidget*> order = chainWithin();
            const qsizetype before = order.indexOf(from);
            const qsizetype after = order.indexOf(to);
            wentRound = before >= 0 && after >= 0 && (next ? after < before : after > before);
        }
        if (wentRound)
            if (QWidget* outside = nextOutside(from, next))
                outside->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    QList<QWidget*> chainWithin() const
    {
        QList<QWidget*> out;
        for (QWidget* w = nextInFocusChain(); w && w != this && out.size() < 10000; w = w->nextInFocusChain())
            if (isAncestorOf(w))
                out << w;
        return out;
    }

    static bool inToolWindow(const QWidget* w)
    {
        for (; w && !w->isWindow(); w = w->parentWidget())
            if (qobject_cast<const QMdiSubWindow*>(w))
                return true;
        return false;
    }

    // The next control, in the focus order of the whole main window, that Tab may stop at and that lies
    // outside every tool window.
    static QWidget* nextOutside(QWidget* from, bool forward)
    {
        QWidget* top = from->window();
        int guard = 0;
        for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from && guard++ < 10000;
             w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
            if (w->window() != top || inToolWindow(w))
                continue;
            if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled() &&
                !w->focusProxy())
                return w;
        }
        return nullptr;
    }
};

} // namespace

Form::Form(const QString& formName, Kind kind) : formName_(formName), kind_(kind)
{
    setObjectName(formName);
    if (kind_ == Kind::TopLevel)
        setWindowFlag(Qt::Window, true);
}

Form::~Form() = default;

QWidget* Form::frame() const
{
    if (sub_)
        return sub_;
    return const_cast<Form*>(this);
}

void Form::attach(QMdiArea* area)
{
    if (kind_ != Kind::MdiChild || !area || sub_)
        return;
    auto* frame = new ToolFrame;
    frame->setWidget(this);
    sub_ = area->addSubWindow(frame, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sub_->setObjectName(formName_ + QStringLiteral("_frame"));
    sub_->setAttribute(Qt::WA_DeleteOnClose, false);
    sub_->installEventFilter(new SubWindowCloser(this));
    sub_->setWindowTitle(windowTitle());
    sub_->setWindowIcon(windowIcon());
    fitFrame();
    sub_->hide();
}

void Form::fitFrame()
{
    if (!sub_)
        return;
    const int fw = sub_->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub_);
    const int th = sub_->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub_);
    sub_->resize(width() + 2 * fw, height() + th + fw);
}

void Form::Show()
{
    if (unloading_)
        return;
    if (kind_ == Kind::MdiChild && !sub_)
        attach(Forms::MdiArea());
    // A window hidden before comes back into the work area where it stood.
    if (sub_ && !sub_->mdiArea())
        if (QMdiArea* area = Forms::MdiArea()) {
            const QPoint at = sub_->pos();
            area->addSubWindow(sub_);
            sub_->move(at);
        }
    frame()->show();
    keepInWorkArea();
    if (sub_ && sub_->mdiArea()) {
        sub_->raise();
        sub_->mdiArea()->setActiveSubWindow(sub_);
    }
    else
        activateWindow();
    emit Forms::notifier()->changed();
}

void Form::Hide()
{
    frame()->hide();
    // The work area sizes its scroll bars afresh when a window moves, changes size or leaves it, never
    // when one hides: a hidden window leaves the area until it is shown again, and holds no room there.
    // It stays in the main window's keeping meanwhile, and goes with it.
    if (sub_)
        if (QMdiArea* area = sub_->mdiArea()) {
            area->removeSubWindow(sub_);
            sub_->setParent(area->parentWidget(), sub_->windowFlags());
            sub_->hide();
        }
    emit Forms::notifier()->changed();
}

void Form::ShowModal()
{
    QPointer<Form> self(this);
    if (kind_ == Kind::TopLevel)
        setWindowModality(Qt::ApplicationModal);
    Show();
    if (!self || unloading_)
        return;
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

double Form::Left() const
{
    const QWidget* f = frame();
    return left_ >= 0 && px(left_) == f->x() ? left_ : tw(f->x());
}

double Form::Top() const
{
    const QWidget* f = frame();
    return top_ >= 0 && px(top_) == f->y() ? top_ : tw(f->y());
}

double Form::Width() const { return tw(frame()->width()); }
double Form::Height() const { return tw(frame()->height()); }

void Form::SetLeft(double twips)
{
    left_ = twips;
    centred_ = false;
    frame()->move(px(twips), frame()->y());
    keepInWorkArea();
}

void Form::SetTop(double twips)
{
    top_ = twips;
    centred_ = false;
    frame()->move(frame()->x(), px(twips));
    keepInWorkArea();
}

void Form::CentreInWorkArea()
{
    centred_ = true;
    keepInWorkArea();
}

void Form::keepInWorkArea()
{
    QMdiArea* area = sub_ ? sub_->mdiArea() : nullptr;
    if (!area || sub_->isMinimized() || sub_->isMaximized())
        return;
    // The area moves its windows as it scrolls: places are counted from its unscrolled corner.
    const QPoint scrolled(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
    const QSize room = area->viewport()->size();
    const QPoint at = sub_->pos() + scrolled;
    QPoint to(std::clamp(at.x(), 0, std::max(0, room.width() - sub_->width())),
              std::clamp(at.y(), 0, std::max(0, room.height() - sub_->height())));
    if (centred_) {
        // Kept in twips as exact as the design's own placement would give.
        left_ = std::max(0.0, (tw(room.width()) - tw(sub_->width())) / 2);
        top_ = 0;
        to = QPoint(px(left_), 0);
    }
    if (to != at)
        sub_->move(to - scrolled);
}

void Form::Move(double left, double top)
{
    SetLeft(left);
    SetTop(top);
}

void Form::SetClientSizeTw(double width, double height)
{
    // A window whose controls stand at their design places is that size, and taller where their texts
    // need it; one laid out otherwise is that size.
    if (DesignLayout* layout = DesignLayout::of(this))
        layout->setDesignSize(QSize(px(width), px(height)));
    else
        setFixedSize(px(width), px(height));
    fitFrame();
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitFrame();
    keepInWorkArea();
}

void Form::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
    if (sub_)
        sub_->setWindowTitle(caption);
}

QMenu* Form::AddBarMenu(const QString& name, const QString& caption)
{
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    barActions_.append(menu->menuAction());
    return menu;
}

QAction* Form::AddMenuItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    if (handler)
        connect(action, &QAction::triggered, this, [h = std::move(handler)] { h(); });
    return action;
}

QAction* Form::AddMenuSeparator(QMenu* menu, const QString& name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

QAction* Form::AddBarCommand(const QString& name, const QString& caption, std::function<void()> handler)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    barActions_.append(action);
    if (handler)
        connect(action, &QAction::triggered, this, [h = std::move(handler)] { h(); });
    return action;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (kind_ == Kind::TopLevel && !unloading_) {
        event->ignore();
        Forms::Unload(this);
        return;
    }
    QWidget::closeEvent(event);
}

void Forms::Register(const QString& name, Factory factory) { state().factories.insert(name, std::move(factory)); }

void Forms::Unregister(const QString& name) { state().factories.remove(name); }

bool Forms::IsRegistered(const QString& name) { return state().factories.contains(name); }

Form* Forms::Get(const QString& name)
{
    if (Form* f = Peek(name))
        return f;
    auto& s = state();
    if (s.blocked)
        return nullptr;
    const auto it = s.factories.constFind(name);
    if (it == s.factories.constEnd())
        return nullptr;
    Form* form = (*it)();
    if (!form)
        return nullptr;
    s.loaded.append({name, form});
    QObject::connect(form, &QObject::destroyed, &s.notifier, [name] {
        const int i = indexOf(name);
        if (i >= 0 && !state().loaded[i].form)
            state().loaded.removeAt(i);
    });
    if (form->kind() == Form::Kind::MdiChild)
        form->attach(s.area);
    form->Form_Load();
    emit s.notifier.changed();
    return Peek(name);
}

Form* Forms::Peek(const QString& name)
{
    const int i = indexOf(name);
    if (i < 0)
        return nullptr;
    Form* f = state().loaded[i].form;
    return f && !f->unloading_ ? f : nullptr;
}

bool Forms::IsLoaded(const QString& name) { return Peek(name) != nullptr; }

void Forms::Unload(const QString& name)
{
    if (Form* f = Peek(name))
        Unload(f);
}

void Forms::Unload(Form* form)
{
    if (!form || form->unloading_ || indexOf(form) < 0)
        return;
    form->unloading_ = true;
    QPointer<Form> guard(form);
    try {
        form->Form_Unload();
    } catch (const std::exception&) {
        // An unload routine that fails part-way still lets its window go.
    }
    if (!guard)
        return;
    const int i = indexOf(form);
    if (i >= 0)
        state().loaded.removeAt(i);
    QWidget* frame = form->frame();
    // The focus it held goes nowhere yet: the main window gives it to what is in front once it is gone,
    // not the toolkit to whatever control happens to come next.
    if (QWidget* focus = QApplication::focusWidget(); focus && frame->isAncestorOf(focus) && form->kind() == Form::Kind::MdiChild)
        focus->clearFocus();
    frame->hide();
    if (QMdiSubWindow* sub = form->sub_) {
        if (QMdiArea* area = sub->mdiArea())
            area->removeSubWindow(sub);
    }
    emit form->unloaded();
    // Deferred, so that an unload started inside one of the window's own handlers returns safely.
    frame->deleteLater();
    emit state().notifier.changed();
}

QList<Form*> Forms::Loaded()
{
    QList<Form*> out;
    for (const Entry& e : state().loaded)
        if (e.form && !e.form->unloading_)
            out.append(e.form);
    return out;
}

void Forms::SetLoadingBlocked(bool blocked) { state().blocked = blocked; }
bool Forms::LoadingBlocked() { return state().blocked; }

// Whenever the room the work area shows changes (the main window resized, a panel beside the area shown
// or hidden, a scroll bar come or gone), each window on view in it takes its place again.
class WorkAreaKeeper : public QObject {
public:
    explicit WorkAreaKeeper(QMdiArea* area) : QObject(area), area_(area) { area->viewport()->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && !keeping_) {
            keeping_ = true;
            for (QMdiSubWindow* sub : area_->subWindowList())
                if (auto* form = qobject_cast<Form*>(sub->widget()); form && sub->isVisible())
                    form->keepInWorkArea();
            keeping_ = false;
        }
        return false;
    }

private:
    QMdiArea* area_;
    bool keeping_ = false;
};

void Forms::SetMdiArea(QMdiArea* area)
{
    state().area = area;
    if (area)
        new WorkAreaKeeper(area);
}
QMdiArea* Forms::MdiArea() { return state().area; }

FormsNotifier* Forms::notifier() { return &state().notifier; }

void Forms::ResetForTests()
{
    auto& s = state();
    const QList<Entry> all = s.loaded;
    s.loaded.clear();
    for (const Entry& e : all) {
        if (e.form) {
            e.form->unloading_ = true;
            delete e.form->frame();
        }
    }
    s.blocked = false;
}

} // namespace platform
