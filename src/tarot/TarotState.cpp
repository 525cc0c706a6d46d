#include "tarot/TarotState.h"

namespace tarot {

namespace {
TarotState g_state;
}

TarotState& State() { return g_state; }

void ResetStateForTests() { g_state = TarotState(); }

} // namespace tarot
