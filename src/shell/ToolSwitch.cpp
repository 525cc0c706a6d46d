#include "shell/ToolSwitch.h"

#include "platform/Forms.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/frmMDI.h"

#include <QPointer>

#include <array>

namespace shell {

namespace {

QStringList& unloadOrder()
{
    static QStringList order;
    return order;
}

QString& entryWindow(Tool tool)
{
    static std::array<QString, 3> entries;
    return entries[static_cast<size_t>(tool)];
}

} // namespace

void SetToolWindowUnloadOrder(QStringList order) { unloadOrder() = std::move(order); }

void SetToolEntryWindow(Tool tool, const QString& name) { entryWindow(tool) = name; }

const QStringList& ToolWindowUnloadOrder() { return unloadOrder(); }

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

    QPointer<platform::Form> window = platform::Forms::Get(entryWindow(tool));
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
