#pragma once

namespace shell {
// Makes every window of the program known by its name, so that touching it loads it.
void RegisterAllForms();
} // namespace shell
