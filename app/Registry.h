#pragma once
// The composition root: the one place that knows every tool of the program.

namespace app {
// Makes every window of the program known by its name, so that touching it loads it, and joins the tools
// to the main window (its reading pane and its Save) and fills the runes' tables they read.
void RegisterAllForms();
} // namespace app
