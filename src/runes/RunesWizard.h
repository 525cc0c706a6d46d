#pragma once
// The roads between the steps of the runes wizard. A step that hands over shows the next window first
// and is unloaded after it, by these routines rather than by its own handler, so nothing runs on in a
// window that has gone. A step whose next window cannot be opened stays, so the user always has a way on.
namespace platform {
class Form;
}

namespace runes {

// Entry step's Next, after the details are stored: the result, the spread screen or the set screen.
void GoToNextStep(platform::Form* entry);
// Set screen, after RuneType is stored: the spread screen while no spread is chosen, else the result.
void ShowNextAfterRuneSet(platform::Form* setScreen);
// Spread screen, after RuneSpread is stored: the result.
void ShowResultAfterSpread(platform::Form* spreadScreen);

// Both Exit buttons, and the user's close of the entry, set and spread screens: every tool window
// goes, the welcome panel comes back, the reading pane and the side panel hide; the step bar stays.
void ExitRunesTool();
// The result window's Start Again, and the user's close of it: the runes windows go and a fresh entry
// step opens, centred in the width the side panel leaves, with the side panel and the step bar.
void StartAgain();

// Shows the step-bar labels from..to (3..8) of the main window, or hides them.
void ShowStepLabels(int from, int to, bool visible);

} // namespace runes
