#include "runictarot/RunicTarotForms.h"

#include "platform/Forms.h"

namespace runictarot {

void RegisterRunicTarotForms() {}

} // namespace runictarot
