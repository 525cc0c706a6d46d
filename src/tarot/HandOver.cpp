#include "tarot/HandOver.h"

#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/Quit.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace tarot {

bool IsHeldInput(QObject* target, int eventType)
{
    switch (eventType) {
    case QEvent::Shortcut:
        // Menu accelerators, button mnemonics and window shortcuts alike.
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        break;
    default:
        return false;
    }
    // Input reaches the native window first and its widget next; the widget is what the user aimed at.
    for (QWidget* w = qobject_cast<QWidget*>(target); w; w = w->parentWidget()) {
        if (qobject_cast<QMdiSubWindow*>(w) || qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w))
            return true;
    }
    return false;
}

struct InputHold::Impl : QObject {
    shell::BusyScope busy;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return IsHeldInput(watched, event->type());
    }
};

InputHold::InputHold() : impl_(std::make_unique<Impl>())
{
    // The program's one application-wide filter. Qt holds input to a group of windows only by disabling
    // them, which greys out the cards being dealt and takes the focus away, or by a modal window, which
    // would hold the reading pane and the main window's strip too; neither keeps the deal on view as it is.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(impl_.get());
}

InputHold::~InputHold() = default;

platform::Form* beginFreshCardLayout()
{
    const QString name = QString::fromLatin1(kCardLayoutForm);
    if (!platform::Forms::IsRegistered(name))
        return nullptr;
    // A window that is still loaded (an opened reading on show, say) would not load again, and its load
    // is what lays the new reading out.
    if (platform::Form* loaded = platform::Forms::Peek(name))
        platform::Forms::Unload(loaded);
    QPointer<platform::Form> window = platform::Forms::Get(name);
    if (!window)
        return nullptr;
    window->Show();
    if (!window || window->isUnloading() || shell::IsQuitting())
        return nullptr;
    return window;
}

double ReadingPaneHeightTw()
{
    const shell::frmMDI* mdi = shell::MDI();
    return mdi ? mdi->ReadingPaneHeightTw() : 0;
}

void ShowReadingPane()
{
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowReadingPane();
}

void CopyQuerentBar(const QString& name, const QString& dob, const QString& country, const QString& question)
{
    // Each box shows the start of its text, as the user wrote it, however long it is.
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->SetQuerentLine(name, dob, country, question);
}

} // namespace tarot
