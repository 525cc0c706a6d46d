#pragma once

namespace runes {
// Makes this tool's windows known by their names.
void RegisterRunesForms();
} // namespace runes
