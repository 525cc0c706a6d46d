#include "app/Registry.h"

#include "runes/RuneTables.h"
#include "runes/RunesForms.h"
#include "runictarot/RunicTarotForms.h"
#include "shell/ShellForms.h"
#include "shell/frmMDI.h"
#include "tarot/SaveReading.h"
#include "tarot/TarotForms.h"
#include "tarot/modInfo.h"

namespace app {

void RegisterAllForms()
{
    shell::RegisterShellForms();
    tarot::RegisterTarotForms();
    runes::RegisterRunesForms();
    runictarot::RegisterRunicTarotForms();

    // The main window and the tarot meet here alone: the tarot writes its reading into the main window's
    // pane, and the main window's Save saves the tarot reading on show.
    tarot::SetReadingPane([]() -> platform::RichTextBox* {
        shell::frmMDI* mdi = shell::MDI();
        return mdi ? mdi->ReadingPane() : nullptr;
    });
    shell::SetReadingSave(tarot::SaveShownReading);
    // The runes' meanings, which its windows and the reading read, are filled before any window opens.
    runes::InitRunesReading();
}

} // namespace app
