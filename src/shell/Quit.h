#pragma once
// The one way the program ends, and the guard that keeps the windows still while a deal runs.

namespace shell {

// Unloads every loaded window, each running its unload routine once, then ends the process. An unload
// routine that asks to quit again while this runs is answered at once; only the outermost call ends the
// program, and it never returns.
void QuitApplication();
bool IsQuitting();

// While busy (a deal or its pause), the tool switch, the ways of closing the main window, Print and
// Save do nothing.
bool IsBusy();
class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

// Tests start every case from a program that is not ending.
void ResetQuitStateForTests();

} // namespace shell
