#pragma once
// How the keyboard reaches the windows beyond what the toolkit's controls do themselves (clickable
// pictures and captions are platform::Clickable buttons; Enter presses a push button through its
// autoDefault; Tab leaves a tool window through its frame).
class QKeyEvent;

namespace platform {

// A key pressed with Alt or Meta held (and not Ctrl): a menu or command key that matched no mnemonic. It
// types no character into a box, whatever text the keyboard reports for it.
bool IsCommandChord(const QKeyEvent& key);

} // namespace platform
