#include "tarot/TarotForms.h"

#include "platform/Forms.h"

namespace tarot {

void RegisterTarotForms() {}

} // namespace tarot
