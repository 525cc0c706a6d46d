#pragma once
// What the set-up screen and the manual reading share when they hand a reading to the card-layout window:
// the hold that keeps the program still while a deal or its pause runs, the fresh card-layout window, and
// the main window's reading pane and querent bar.
#include <QString>

#include <memory>

class QObject;

namespace platform {
class Form;
}

namespace tarot {

// While one exists, the program is busy (the tool switch, closing the main window, Print and Save do
// nothing) and every click, key, wheel turn and shortcut aimed at the tool windows or at a menu is dropped,
// so that nothing the user does during the pause is carried out after it.
class InputHold {
public:
    InputHold();
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// True for a user-input event that the hold drops when aimed at target.
bool IsHeldInput(QObject* target, int eventType);

inline constexpr const char* kCardLayoutForm = "frmAuto";
inline constexpr const char* kManualForm = "frmTarotManual";

// Shows the card-layout window as a new instance, so that its load (which deals) always runs: a loaded one
// is unloaded first, its unload routine included. Null when the window is not there (not built yet, or the
// program is ending) or went away while loading.
platform::Form* beginFreshCardLayout();

// The reading pane's height while a reading is on show: the screen height less the main window's bars
// and 1200 twips, never below 0. Computed in single precision like the rest of the window's sizes.
double ReadingPaneHeightTw();
// Shows the reading pane at that height.
void ShowReadingPane();
// Fills the main window's querent bar.
void CopyQuerentBar(const QString& name, const QString& dob, const QString& country, const QString& question);

} // namespace tarot
