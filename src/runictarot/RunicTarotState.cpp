#include "runictarot/RunicTarotState.h"

namespace runictarot {

namespace {
RunicTarotState gState;
}

RunicTarotState& State() { return gState; }
void ResetRunicTarotState() { gState = RunicTarotState(); }

} // namespace runictarot
