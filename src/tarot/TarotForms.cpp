#include "tarot/TarotForms.h"

#include "platform/FormRegistration.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

namespace tarot {

void RegisterTarotForms()
{
    // In the order the tool opens them.
    platform::RegisterForm<frmTarotOpen>();
    platform::RegisterForm<frmTarotFront>();
    platform::RegisterForm<frmTarot>();
    platform::RegisterForm<frmAuto>();
    platform::RegisterForm<frmTarotManual>();
}

} // namespace tarot
