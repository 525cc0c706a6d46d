#pragma once
// The composition root: the one place that knows every tool of the program.

namespace app {
// Makes every window of the program known by its name, so that touching it loads it.
void RegisterAllForms();
} // namespace app
