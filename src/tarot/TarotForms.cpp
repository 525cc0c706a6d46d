#include "tarot/TarotForms.h"

#include "platform/Forms.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

namespace tarot {

namespace {
template <class T> void registerForm()
{
    platform::Forms::Register(QString::fromLatin1(T::kFormName), [] { return new T; });
}
} // namespace

void RegisterTarotForms()
{
    // In the order the tool opens them.
    registerForm<frmTarotOpen>();
    registerForm<frmTarotFront>();
    registerForm<frmTarot>();
    registerForm<frmAuto>();
    registerForm<frmTarotManual>();
}

} // namespace tarot
