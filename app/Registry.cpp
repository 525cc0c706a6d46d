#include "app/Registry.h"

#include "runes/RuneTables.h"
#include "runes/RunesForms.h"
#include "runes/frmRunesReadingAll.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"
#include "runictarot/RunicTarotForms.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"
#include "shell/ShellForms.h"
#include "shell/ToolSwitch.h"
#include "shell/frmMDI.h"
#include "tarot/SaveReading.h"
#include "tarot/TarotForms.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"
#include "tarot/modInfo.h"

namespace app {

namespace {

template <class T>
QString nameOf()
{
    return QString::fromLatin1(T::kFormName);
}

// The tool windows the tool switch closes, in this order. Two come twice: the runic tarot report's
// unload shows the reading window again, and the card-layout window is made sure of last.
QStringList toolWindowUnloadOrder()
{
    return {nameOf<runes::frmRunesReadingAll>(),
            nameOf<runes::frmRunesReadingEntry>(),
            nameOf<runes::frmRunesReadingResult>(),
            nameOf<runes::frmRunesReadingSelect>(),
            nameOf<runes::frmRunesReadingSpread>(),
            nameOf<runictarot::frmRunicTarotDisplay>(),
            nameOf<runictarot::frmRunicTarotMain>(),
            nameOf<runictarot::frmRunicTarotSave>(),
            nameOf<tarot::frmAuto>(),
            nameOf<tarot::frmTarot>(),
            nameOf<tarot::frmTarotFront>(),
            nameOf<tarot::frmTarotManual>(),
            nameOf<tarot::frmTarotOpen>(),
            nameOf<runictarot::frmRunicTarotDisplay>(),
            nameOf<tarot::frmAuto>()};
}

} // namespace

void RegisterAllForms()
{
    shell::RegisterShellForms();
    tarot::RegisterTarotForms();
    runes::RegisterRunesForms();
    runictarot::RegisterRunicTarotForms();

    // The main window and the tarot meet here alone: the tarot writes its reading into the main window's
    // pane, and the main window's Save saves the tarot reading on show.
    tarot::SetReadingPane([](const tarot::PaneWrite& write) {
        if (shell::frmMDI* mdi = shell::MDI())
            mdi->WriteReading(write);
    });
    shell::SetReadingSave(tarot::SaveShownReading);
    // The tool switch closes every tool window and opens the chosen tool's first.
    shell::SetToolSwitch(shell::RunToolSwitch);
    shell::SetToolWindowUnloadOrder(toolWindowUnloadOrder());
    shell::SetToolEntryWindow(shell::Tool::Runes, nameOf<runes::frmRunesReadingEntry>());
    shell::SetToolEntryWindow(shell::Tool::Tarot, nameOf<tarot::frmTarotOpen>());
    shell::SetToolEntryWindow(shell::Tool::RunicTarot, nameOf<runictarot::frmRunicTarotMain>());
    // The runes' meanings, which its windows and the reading read, are filled before any window opens.
    runes::InitRunesReading();
}

} // namespace app
