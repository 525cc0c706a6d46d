#include "runes/RunesWizard.h"

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "runes/RuneTables.h"
#include "runes/frmRunesReadingAll.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"
#include "shell/Quit.h"
#include "shell/ToolSwitch.h"
#include "shell/frmMDI.h"

#include <QPointer>

namespace runes {

namespace {

QString Name(const char* formName) { return QString::fromLatin1(formName); }

// Shows the next step and then takes the current one away. When the next window does not come up, the
// current one stays on show.
void HandOver(platform::Form* from, const char* next)
{
    if (shell::IsQuitting())
        return;
    QPointer<platform::Form> current(from);
    QPointer<platform::Form> window = platform::Forms::Get(Name(next));
    if (!window)
        return;
    window->Show();
    if (!window || window->isUnloading())
        return;
    if (current)
        platform::Forms::Unload(current);
}

} // namespace

void ShowStepLabels(int from, int to, bool visible)
{
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowRunesSteps(from, to, visible);
}

void GoToNextStep(platform::Form* entry)
{
    if (IsChosenRuneSet(RuneType()) && IsChosenSpread(RuneSpread()))
        HandOver(entry, frmRunesReadingResult::kFormName);
    else if (IsChosenRuneSet(RuneType()))
        HandOver(entry, frmRunesReadingSpread::kFormName);
    else
        HandOver(entry, frmRunesReadingSelect::kFormName);
}

void ShowNextAfterRuneSet(platform::Form* setScreen)
{
    HandOver(setScreen, IsChosenSpread(RuneSpread()) ? frmRunesReadingResult::kFormName
                                                      : frmRunesReadingSpread::kFormName);
}

void ShowResultAfterSpread(platform::Form* spreadScreen) { HandOver(spreadScreen, frmRunesReadingResult::kFormName); }

void ExitRunesTool()
{
    if (shell::IsQuitting())
        return;
    shell::UnloadToolWindows();
    shell::frmMDI* mdi = shell::MDI();
    if (!mdi)
        return;
    mdi->ShowWelcomePanel(true);
    mdi->HideReadingPane();
    mdi->ShowRunesSidePanel(false);
}

void StartAgain()
{
    if (shell::IsQuitting())
        return;
    for (const char* name : {frmRunesReadingResult::kFormName, frmRunesReadingSelect::kFormName,
                             frmRunesReadingSpread::kFormName, frmRunesReadingAll::kFormName,
                             frmRunesReadingEntry::kFormName})
        platform::Forms::Unload(Name(name));
    platform::Randomize();
    shell::frmMDI* mdi = shell::MDI();
    QPointer<platform::Form> entry = platform::Forms::Get(Name(frmRunesReadingEntry::kFormName));
    if (entry) {
        entry->Show();
        if (entry && !entry->isUnloading() && mdi)
            entry->CentreInWorkArea();  // in the width the side panel leaves, once it shows
    }
    if (!mdi || shell::IsQuitting())
        return;
    if (!entry) {
        // No entry step to go back to: the welcome panel, so the user is not left facing an empty area.
        ExitRunesTool();
        return;
    }
    mdi->ShowRunesSidePanel(true);
    mdi->ShowRunesStepBar(true);
}

} // namespace runes
