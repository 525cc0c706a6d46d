#pragma once

namespace shell {
// The shell's own windows: start-up, main window, about box, exit screen.
void RegisterShellForms();
} // namespace shell
