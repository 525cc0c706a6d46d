#pragma once

namespace tarot {
// Makes this tool's windows known by their names.
void RegisterTarotForms();
} // namespace tarot
