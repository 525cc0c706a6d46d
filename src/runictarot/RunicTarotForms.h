#pragma once

namespace runictarot {
// Makes this tool's windows known by their names.
void RegisterRunicTarotForms();
} // namespace runictarot
