#include "runes/RunesForms.h"

#include "platform/Forms.h"

namespace runes {

void RegisterRunesForms() {}

} // namespace runes
