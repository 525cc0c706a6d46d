#include "app/Registry.h"

#include "runes/RunesForms.h"
#include "runictarot/RunicTarotForms.h"
#include "shell/ShellForms.h"
#include "tarot/TarotForms.h"

namespace app {

void RegisterAllForms()
{
    shell::RegisterShellForms();
    tarot::RegisterTarotForms();
    runes::RegisterRunesForms();
    runictarot::RegisterRunicTarotForms();
}

} // namespace app
