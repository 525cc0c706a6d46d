#pragma once
// The one operation behind the three tool buttons and the three welcome links: close whatever tool is
// open, clear the main window's panels and open the chosen tool's first window, always afresh.
#include <QString>
#include <QStringList>

namespace shell {

enum class Tool { Runes, Tarot, RunicTarot };

// The shell knows no tool by name: the composition root hands it the tool windows, in the order they
// are unloaded, and the window each tool opens with.
void SetToolWindowUnloadOrder(QStringList order);
void SetToolEntryWindow(Tool tool, const QString& name);

// The tool windows in the order they are unloaded, as handed over.
const QStringList& ToolWindowUnloadOrder();

// Unloads every tool window in that order (a window that is not loaded is passed over).
void UnloadToolWindows();

// The switch for cmdSelectOption index 0..2 or lblCaption index 3..5.
void RunToolSwitch(int controlIndex);
void SwitchToTool(Tool tool);

} // namespace shell
