#include "platform/ScreenFit.h"

#include "platform/Services.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

QRect framed(const QWidget* window) { return window->geometry().marginsAdded(screenMetrics().windowFrame(window)); }

} // namespace

void FitOnScreen(QWidget* window)
{
    window->setGeometry(screenMetrics().availablePixels().marginsRemoved(screenMetrics().windowFrame(window)));
}

void KeepFrameOnScreenWhenShown(QWidget* window)
{
    // The frame arrives some moments after the window is mapped, at a time no event announces reliably.
    QPointer<QWidget> w(window);
    for (int ms : {0, 100, 300, 1000, 2500})
        QTimer::singleShot(ms, window, [w] {
            if (w && w->isVisible() && !screenMetrics().availablePixels().contains(framed(w)))
                FitOnScreen(w);
        });
}

} // namespace platform
