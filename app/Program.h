#pragma once
// The start-up sequence of the program, once its names are given (shell/Startup.h).

namespace app {
// Runs the start-up sequence on the application object: the program's icon for every window and message
// box, every window made known, then the start-up window. False when this copy must end at once (another
// copy is running).
bool StartProgram();
} // namespace app
