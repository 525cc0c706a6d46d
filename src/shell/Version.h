#pragma once

namespace shell {
// The program's version, from the build (the project's version), and its name with that version, as
// every window's caption shows it.
inline constexpr const char* kProgramVersion = SELVANTHE_VERSION;
inline constexpr const char* kProgramCaption = "Selvanthe v" SELVANTHE_VERSION;
} // namespace shell
