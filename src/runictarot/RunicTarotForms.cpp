#include "runictarot/RunicTarotForms.h"

#include "platform/Forms.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"

namespace runictarot {

void RegisterRunicTarotForms()
{
    platform::Forms::Register(QString::fromLatin1(frmRunicTarotMain::kFormName), [] { return new frmRunicTarotMain; });
    platform::Forms::Register(QString::fromLatin1(frmRunicTarotDisplay::kFormName),
                              [] { return new frmRunicTarotDisplay; });
    platform::Forms::Register(QString::fromLatin1(frmRunicTarotSave::kFormName), [] { return new frmRunicTarotSave; });
}

} // namespace runictarot
