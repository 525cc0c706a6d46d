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
// The two smallest of them, where a window fills the work area or overflows it.
QList<QSize> SmallScreenSizes();
// A screen's size as a table's row names it: 1024x768.
QString ScreenSizeName(QSize size);
QMargins WindowManagerFrame();

// Makes the fake screen one of the given size with the window manager's frame. Call it before the main
// window is made.
void UseScreen(QSize size);

// The main window with its frame inside the available part of the screen, not larger than it.
QStringList MainWindowFaults(const shell::frmMDI* mdi);

// A tool window inside the work area's visible part, or reachable by the work area's scroll bars on show,
// and clear of the reading pane: frame, title bar buttons and scroll bars included.
QStringList ToolWindowFaults(const shell::frmMDI* mdi, const platform::Form* form);

// Scroll bars of the work area on show although every tool window on view lies inside the area.
QStringList NeedlessScrollBars(const shell::frmMDI* mdi);

// A window of its own (about box, exit screen) with its frame inside the available part of the screen.
QStringList TopLevelFaults(const QWidget* window);

// Every visible label under root shows its whole text: the size the toolkit's own label needs for it
// fits the label, and no ancestor up to root cuts the label off.
QStringList CutLabels(const QWidget* root);
// Every visible clickable caption (a link, a banner) under root shows its whole text, by the same measure.
QStringList CutCaptions(const QWidget* root);
// Labels under root whose text lies under a control made after them (which stands above them).
QStringList HiddenLabelText(const QWidget* root);
// Buttons and other clickables under root that a click at their middle does not reach: another control
// of their window, or a window kept in front, lies over them. (Another tool window in front the user
// moves or minimises.)
QStringList CoveredButtons(const QWidget* root);
// Every visible button's caption under root contrasts with its face.
QStringList UnreadableButtons(const QWidget* root);
// Every visible frame under root holds its visible controls below its title and inside its border.
QStringList CoveredFrames(const QWidget* root);
// Visible labels under root whose text runs into a visible control beside or below it (one they do not
// lie inside, and that does not lie inside them).
QStringList CrowdedLabels(const QWidget* root);

// All the checks of what a window's controls show: labels, buttons, frames.
QStringList ControlFaults(const QWidget* root);

} // namespace testing
