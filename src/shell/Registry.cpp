#include "shell/Registry.h"

#include "runes/RunesForms.h"
#include "runictarot/RunicTarotForms.h"
#include "shell/ShellForms.h"
#include "tarot/TarotForms.h"

namespace shell {

void RegisterAllForms()
{
    RegisterShellForms();
    tarot::RegisterTarotForms();
    runes::RegisterRunesForms();
    runictarot::RegisterRunicTarotForms();
}

} // namespace shell
