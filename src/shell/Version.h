#pragma once

namespace shell {
// The program's name with its version, as every window's caption shows it.
inline constexpr const char* kProgramCaption = "Selvanthe v1.15";
} // namespace shell
