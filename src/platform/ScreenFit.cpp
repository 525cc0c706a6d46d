#include "platform/ScreenFit.h"

#include "platform/Services.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

QRect framed(const QWidget* window) { return window->geometry().marginsAdded(screenMetrics().windowFrame(window)); }

// Waits for the window manager's frame: it comes some moments after the window is mapped, and moves or
// resizes the window as it comes, which the window's handle tells with its geometry signals. At the first
// such change with a frame, the window is fitted with it where it sticks out; later moves and resizes are
// the user's.
class FrameWatch final : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !window_->windowHandle())
            return false;
        window_->removeEventFilter(this);
        QWindow* handle = window_->windowHandle();
        for (auto changed : {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
            connect(handle, changed, this, &FrameWatch::framed);
        return false;
    }

private:
    void framed()
    {
        if (!window_->isVisible() || window_->frameGeometry() == window_->geometry())
            return;
        disconnect(window_->windowHandle(), nullptr, this, nullptr);
        deleteLater();
        if (!screenMetrics().availablePixels().contains(platform::framed(window_)))
            FitOnScreen(window_);
    }

    QWidget* window_;
};

} // namespace

void FitOnScreen(QWidget* window)
{
    window->setGeometry(screenMetrics().availablePixels().marginsRemoved(screenMetrics().windowFrame(window)));
}

void KeepFrameOnScreenWhenShown(QWidget* window) { new FrameWatch(window); }

} // namespace platform
