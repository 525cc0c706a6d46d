#include "runes/RunesForms.h"

#include "platform/FormRegistration.h"
#include "runes/frmRunesReadingAll.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"

namespace runes {

void RegisterRunesForms()
{
    platform::RegisterForm<frmRunesReadingEntry>();
    platform::RegisterForm<frmRunesReadingSelect>();
    platform::RegisterForm<frmRunesReadingSpread>();
    platform::RegisterForm<frmRunesReadingResult>();
    platform::RegisterForm<frmRunesReadingAll>();
}

} // namespace runes
