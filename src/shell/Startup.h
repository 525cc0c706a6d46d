#pragma once
#include <QString>

namespace shell {
// The names the program gives itself on the desktop: the application name, which X11 window managers
// see as the window class, and the id of its desktop entry, by which Wayland compositors find its
// launcher and icon.
QString ApplicationName();
QString DesktopFileName();

// Sets up the application object's names and runs the start-up sequence. False when this copy must end
// at once (another copy is running).
bool StartProgram();
} // namespace shell
