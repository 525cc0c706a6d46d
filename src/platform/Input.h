#pragma once
// How mouse and keyboard input reaches the windows, as a user of a Linux desktop expects it: a click is a
// press and a release on the same control; a double-click never reaches past the screen its first click
// opened; Enter presses the focused button; a control that is clicked can be reached and pressed with the
// keyboard where the window asks for it.
#include <functional>

class QKeyEvent;
class QWidget;

namespace platform {

// What a clickable control (a picture, a label) does with the keyboard.
enum class ClickKeys {
    None,          // the mouse alone
    SpaceAndEnter  // Tab reaches it, it shows when it has the focus, Space or Enter clicks it
};

// Calls handler on a left click on the control: a press on it, then a release on it, inside it, while it
// is on view and enabled. The release of a press made elsewhere and the second press of a double-click
// are no click. The handler may take the control, or its whole window, away.
void OnClick(QWidget* control, std::function<void()> handler, ClickKeys keys = ClickKeys::None);

// A key pressed with Alt or Meta held (and not Ctrl): a menu or command key that matched no mnemonic. It
// types no character into a box, whatever text the keyboard reports for it.
bool IsCommandChord(const QKeyEvent& key);

// Installs, once for the whole program, the rules every window follows:
// - a double-click whose second press lands on another control than its first press (the first click put
//   a new screen under the pointer) is swallowed with its release: it presses nothing on the new screen;
// - Enter and Return press the push button that has the focus, as Space does;
// - Tab and Shift+Tab past the last or first control of a child window go on to the main window's own
//   controls instead of going round the child window.
void InstallInputRules();

} // namespace platform
