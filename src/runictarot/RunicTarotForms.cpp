#include "runictarot/RunicTarotForms.h"

#include "platform/FormRegistration.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"

namespace runictarot {

void RegisterRunicTarotForms()
{
    platform::RegisterForm<frmRunicTarotMain>();
    platform::RegisterForm<frmRunicTarotDisplay>();
    platform::RegisterForm<frmRunicTarotSave>();
}

} // namespace runictarot
