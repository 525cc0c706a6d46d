#pragma once
// Looks at a window as the user gets it on a real screen: what sticks out of the screen or of the work
// area, what hides under the reading pane, what a label cannot show, what a button's caption cannot be
// read on. Each check gives the faults it found, one line each, so a test can show them all at once.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QStringList>

class QWidget;

namespace platform {
class Form;
}
namespace shell {
class frmMDI;
}

namespace testing {

// The screens the program must serve, and the frame a window manager puts around a top-level window.
QList<QSize> RealScreenSizes();
QMargins WindowManagerFrame();

// Makes the fake screen one of the given size with the window manager's frame. Call it before the main
// window is made.
void UseScreen(QSize size);

// The main window with its frame inside the available part of the screen, not larger than it.
QStringList MainWindowFaults(const shell::frmMDI* mdi);

// A tool window inside the work area's visible part (or the area can scroll to it), clear of the reading
// pane: frame, title bar buttons and scroll bars included.
QStringList ToolWindowFaults(const shell::frmMDI* mdi, const platform::Form* form);

// Every visible label under root shows its whole text.
QStringList CutLabels(const QWidget* root);
// Every visible button's caption under root contrasts with its face.
QStringList UnreadableButtons(const QWidget* root);

} // namespace testing
