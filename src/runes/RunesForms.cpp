#include "runes/RunesForms.h"

#include "platform/Forms.h"
#include "runes/frmRunesReadingAll.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"

namespace runes {

namespace {
template <class T> void RegisterForm()
{
    platform::Forms::Register(QString::fromLatin1(T::kFormName), [] { return new T; });
}
} // namespace

void RegisterRunesForms()
{
    RegisterForm<frmRunesReadingEntry>();
    RegisterForm<frmRunesReadingSelect>();
    RegisterForm<frmRunesReadingSpread>();
    RegisterForm<frmRunesReadingResult>();
    RegisterForm<frmRunesReadingAll>();
}

} // namespace runes
