#pragma once
// Keeps a top-level window, with the frame the window manager puts around it, inside the part of the
// screen a window may take.
class QWidget;

namespace platform {

// Places the window so that its frame fills the available part of the screen.
void FitOnScreen(QWidget* window);

// After the window is first shown, the window manager puts its frame on; if the frame then sticks out of
// the available part of the screen, the window is fitted again, once, with that frame. Later moves and
// resizes are the user's.
void KeepFrameOnScreenWhenShown(QWidget* window);

} // namespace platform
