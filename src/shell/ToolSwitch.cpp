#include "shell/ToolSwitch.h"

#include "platform/Forms.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/frmMDI.h"

#include <QPointer>

namespace shell {

const QStringList& ToolWindowUnloadOrder()
{
    static const QStringList order = {
        QStringLiteral("frmRunesReadingAll"),    QStringLiteral("frmRunesReadingEntry"),
        QStringLiteral("frmRunesReadingResult"), QStringLiteral("frmRunesReadingSelect"),
        QStringLiteral("frmRunesReadingSpread"), QStringLiteral("frmRunicTarotDisplay"),
        QStringLiteral("frmRunicTarotMain"),     QStringLiteral("frmRunicTarotSave"),
        QStringLiteral("frmAuto"),               QStringLiteral("frmTarot"),
        QStringLiteral("frmTarotFront"),         QStringLiteral("frmTarotManual"),
        QStringLiteral("frmTarotOpen"),          QStringLiteral("frmRunicTarotDisplay"),
        QStringLiteral("frmAuto")};
    return order;
}

void UnloadToolWindows()
{
    for (const QString& name : ToolWindowUnloadOrder())
        platform::Forms::Unload(name);
}

void SwitchToTool(Tool tool)
{
    if (IsBusy() || IsQuitting())
        return;
    frmMDI* mdi = MDI();
    if (!mdi)
        return;
    UnloadToolWindows();
    mdi->ShowWelcomePanel(false);
    mdi->HideReadingPane();
    mdi->ShowRunesSidePanel(false);
    mdi->ShowRunesStepBar(false);

    const char* first = tool == Tool::Runes   ? "frmRunesReadingEntry"
                        : tool == Tool::Tarot ? "frmTarotOpen"
                                              : "frmRunicTarotMain";
    QPointer<platform::Form> window = platform::Forms::Get(QString::fromLatin1(first));
    if (!window)
        return;
    window->Show();
    // The load routine may have ended the tool (or the program) already.
    if (!window || window->isUnloading() || IsQuitting())
        return;
    // Centred across the work area; for the runes entry, across what the side panel leaves of it.
    window->CentreInWorkArea();
    if (tool == Tool::Runes) {
        mdi->ShowRunesSidePanel(true);
        mdi->ShowRunesStepBar(true);
    }
}

void RunToolSwitch(int controlIndex)
{
    switch (controlIndex) {
    case 0:
    case 3: SwitchToTool(Tool::Runes); break;
    case 1:
    case 4: SwitchToTool(Tool::Tarot); break;
    case 2:
    case 5: SwitchToTool(Tool::RunicTarot); break;
    default: break;
    }
}

} // namespace shell
