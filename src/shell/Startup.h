#pragma once

namespace shell {
// Sets up the application object's names and runs the start-up sequence. False when this copy must end
// at once (another copy is running).
bool StartProgram();
} // namespace shell
