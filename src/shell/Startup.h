#pragma once
#include <QIcon>
#include <QString>

namespace shell {
// The names the program gives itself on the desktop: the application name, which X11 window managers
// see as the window class, and the id of its desktop entry, by which Wayland compositors find its
// launcher and icon.
QString ApplicationName();
QString DesktopFileName();
// The program's icon at every size drawn for the desktop's icon theme, so that the window system picks
// the one it needs for a title bar, a task bar or a window switcher.
QIcon ProgramIcon();

// Gives the program its names and version. Needs no application object: the command line is answered
// with them before there is one.
void NameProgram();
} // namespace shell
