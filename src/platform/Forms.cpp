#include "platform/Forms.h"

#include "platform/DesignLayout.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
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

} // namespace

// The frame of a tool window inside the main window. Tab and Shift+Tab go round the tool window's
// controls and, past its last (or first) one, on to the main window's own controls instead of round the
// tool window again, so that the tool buttons and the reading pane stay within reach. A minimised window
// has no control to stop at: Tab and Shift+Tab pass it by. A move the user makes (the title dragged, or
// the window menu's Move with the arrow keys) places the window where the user put it.
class ToolFrame final : public QMdiSubWindow {
public:
    // The user holds it with the mouse: nothing else moves it meanwhile.
    bool held() const { return held_; }

protected:
    void changeEvent(QEvent* event) override
    {
        QMdiSubWindow::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange) {
            setFocusPolicy(isMinimized() ? Qt::NoFocus : Qt::StrongFocus);
            const auto* before = static_cast<QWindowStateChangeEvent*>(event);
            if (isMinimized() && mdiArea()) {
                Form::settleScroll(mdiArea());
                raise();
            } else if ((before->oldState() & Qt::WindowMinimized) && mdiArea()) {
                // Restored where it stood, which the area may have scrolled away meanwhile (to the
                // minimised window, say): it comes back on view, as a window that comes on view does.
                Form::settleScroll(mdiArea());
                if (auto* form = qobject_cast<Form*>(widget()))
                    form->keepInWorkArea(true);
                Form::keepMinimisedInFront(mdiArea());
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        held_ = true;
        byUser([&] { QMdiSubWindow::mousePressEvent(event); });
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        byUser([&] { QMdiSubWindow::mouseMoveEvent(event); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // Let go before the frame acts on the release, which may restore the window from its title bar.
        held_ = false;
        byUser([&] { QMdiSubWindow::mouseReleaseEvent(event); });
        keep();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        byUser([&] { QMdiSubWindow::keyPressEvent(event); });
        keep();
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
    // Let go where it sticks out of the room, it comes back only as far as it must to lie inside.
    void keep()
    {
        if (auto* form = qobject_cast<Form*>(widget()); form && movedByUser_)
            form->keepInWorkArea();
        movedByUser_ = false;
    }

    // What the frame does with the user's input; where that moved it, the user placed the window.
    template <class F>
    void byUser(F&& handle)
    {
        const QPoint before = pos();
        const Qt::WindowStates state = windowState();
        QPointer<QMdiSubWindow> self(this);
        handle();
        if (self && pos() != before && windowState() == state && !isMinimized() && !isMaximized())
            if (auto* form = qobject_cast<Form*>(widget())) {
                form->placedByUser();
                movedByUser_ = true;
            }
    }

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

    bool held_ = false;
    bool movedByUser_ = false;
};

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
    const bool comingOnView = !frame()->isVisible();
    frame()->show();
    if (comingOnView && place_)
        rememberPlace(); // where it stood when it went
    keepInWorkArea(comingOnView);
    if (sub_ && sub_->mdiArea()) {
        sub_->raise();
        sub_->mdiArea()->setActiveSubWindow(sub_);
        keepMinimisedInFront(sub_->mdiArea());
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
            settleScroll(area, sub_);
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
    rememberPlace();
    keepInWorkArea(true);
}

void Form::SetTop(double twips)
{
    top_ = twips;
    centred_ = false;
    frame()->move(frame()->x(), px(twips));
    rememberPlace();
    keepInWorkArea(true);
}

// The work area's scroll range always keeps the area's unscrolled corner in reach, wherever its windows
// stand. Scrolled away from that corner for a window that has gone (hidden, minimised, unloaded), the area
// would keep scroll bars the windows still on view do not need, and move them as the range shrinks. So
// each time a window comes, goes or is minimised, the scroll goes back toward the corner as far as the
// windows that stay on view allow, each of them kept where the user sees it.
void Form::settleScroll(QMdiArea* area, const QMdiSubWindow* leaving)
{
    if (!area)
        return;
    QList<QMdiSubWindow*> staying;
    QRect shown; // where they stand in the part the area shows
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub != leaving && sub->isVisible() && !sub->isMinimized()) {
            staying << sub;
            shown |= sub->geometry();
        }
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    const QPoint scrolled(across->value(), down->value());
    // How far the scroll may go back: not past the corner, nor past where the windows start.
    const auto back = [](int scroll, int start) {
        if (scroll > 0)
            return std::clamp(start, 0, scroll);
        if (scroll < 0)
            return std::clamp(start, scroll, 0);
        return 0;
    };
    const QPoint by = staying.isEmpty() ? scrolled
                                        : QPoint(back(scrolled.x(), shown.left() + scrolled.x()),
                                                 back(scrolled.y(), shown.top() + scrolled.y()));
    if (by.isNull())
        return;
    across->setValue(scrolled.x() - by.x());
    down->setValue(scrolled.y() - by.y());
    const QPoint moved = scrolled - QPoint(across->value(), down->value());
    for (QMdiSubWindow* sub : staying) {
        sub->move(sub->pos() - moved);
        if (auto* form = qobject_cast<Form*>(sub->widget()); form && form->place_)
            *form->place_ -= moved;
    }
}

void Form::keepMinimisedInFront(QMdiArea* area)
{
    // The toolkit lays them along the foot of the part on view, where a window reaching down that far
    // would cover them, or be covered by them kept in front. So they stand below every window on view
    // that reaches their row, where they cover nothing and the scroll bar reaches them.
    int lowest = 0;
    for (const QMdiSubWindow* sub : area->subWindowList())
        if (sub->isVisible() && !sub->isMinimized())
            lowest = std::max(lowest, sub->geometry().bottom() + 1);
    int x = 0;
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub->isMinimized() && sub->isVisible()) {
            sub->move(x, std::max(area->viewport()->height() - sub->height(), lowest));
            x += sub->width();
            sub->raise();
        }
}

void Form::placedByUser()
{
    centred_ = false;
    left_ = top_ = -1;
    rememberPlace();
}

void Form::rememberPlace()
{
    if (QMdiArea* area = sub_ ? sub_->mdiArea() : nullptr)
        place_ = sub_->pos() + QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
}

void Form::CentreInWorkArea()
{
    centred_ = true;
    place_.reset();
    keepInWorkArea(true);
}

void Form::keepInWorkArea(bool comingOnView)
{
    QMdiArea* area = sub_ ? sub_->mdiArea() : nullptr;
    if (!area || sub_->isMinimized() || sub_->isMaximized() || static_cast<const ToolFrame*>(sub_)->held())
        return;
    // Places are counted in the room the area shows now, whatever its scroll: the area moves its windows
    // as it scrolls, so a window's place in its viewport is where the user sees it.
    const QSize room = area->viewport()->size();
    // A window put somewhere is kept as near that place as the room allows, whatever the room was
    // meanwhile; the others from where they stand.
    const QPoint at = place_ && !centred_
                          ? *place_ - QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value())
                          : sub_->pos();
    // A window larger than the room covers it, the scroll bars reaching the rest: one coming on view shows
    // its top left corner, one already on view stays as it was scrolled.
    const auto larger = [comingOnView](int p, int size, int space) {
        return comingOnView ? 0 : std::clamp(p, space - size, 0);
    };
    const auto kept = [&](int p, int size, int space) {
        return size <= space ? std::clamp(p, 0, space - size) : larger(p, size, space);
    };
    QPoint to(kept(at.x(), sub_->width(), room.width()), kept(at.y(), sub_->height(), room.height()));
    if (centred_) {
        // Kept in twips as exact as the design's own placement would give.
        const bool fits = sub_->width() <= room.width();
        left_ = fits ? (tw(room.width()) - tw(sub_->width())) / 2 : -1;
        top_ = -1;
        to = QPoint(fits ? px(left_) : larger(at.x(), sub_->width(), room.width()),
                    sub_->height() <= room.height() ? 0 : larger(at.y(), sub_->height(), room.height()));
    }
    if (to != sub_->pos())
        sub_->move(to);
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
    // Closing a window, in its frame or not, unloads it.
    if (!unloading_) {
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
        if (QMdiArea* area = sub->mdiArea()) {
            Form::settleScroll(area, sub);
            area->removeSubWindow(sub);
        }
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
// or hidden, a scroll bar come or gone), each window on view in it takes its place again. And whenever the
// keyboard's focus comes to a control the area, or a scroll area inside a tool window, does not show, they
// scroll until it shows: a keyboard user cannot reach their scroll bars. (A scroll area of the toolkit does
// that for Tab alone, and the work area not at all.)
class WorkAreaKeeper : public QObject {
public:
    explicit WorkAreaKeeper(QMdiArea* area) : QObject(area), area_(area)
    {
        area->viewport()->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { showFocus(now); });
        // After the area has raised the window it activated.
        connect(
            area, &QMdiArea::subWindowActivated, this, [area] { Form::keepMinimisedInFront(area); },
            Qt::QueuedConnection);
    }
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
    void showFocus(QWidget* now)
    {
        // A click gives the focus to what lies under the pointer, on view already: scrolling then would
        // move the control away from under the pressed button.
        if (!now || QGuiApplication::mouseButtons() != Qt::NoButton || !area_->viewport()->isAncestorOf(now))
            return;
        for (QWidget* w = now->parentWidget(); w && w != area_->viewport(); w = w->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(w);
                scroll && scroll->widget() && scroll->widget()->isAncestorOf(now))
                scroll->ensureWidgetVisible(now, kMargin, kMargin);
        const QRect at(now->mapTo(area_->viewport(), QPoint(0, 0)), now->size());
        const QSize room = area_->viewport()->size();
        // How far to scroll along one side: none where it shows whole; else until it does. One larger than
        // the room (a scroll area) moves only where none of it shows, its start first.
        const auto by = [](int start, int size, int space) {
            if (size > space)
                return start >= space || start + size <= 0 ? start : 0;
            const int margin = std::min((space - size) / 2, kMargin);
            if (start - margin < 0)
                return start - margin;
            if (start + size + margin > space)
                return start + size + margin - space;
            return 0;
        };
        QScrollBar* across = area_->horizontalScrollBar();
        QScrollBar* down = area_->verticalScrollBar();
        across->setValue(across->value() + by(at.x(), at.width(), room.width()));
        down->setValue(down->value() + by(at.y(), at.height(), room.height()));
    }

    static constexpr int kMargin = 8; // room for the focus frame and a little of what lies around
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

void Forms::WrongClass(const Form* form, const char* wanted, const char* lookup)
{
    qFatal("Forms::%s: the window \"%s\" is a %s, not the %s asked for", lookup, qPrintable(form->formName()),
           form->metaObject()->className(), wanted);
}

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
