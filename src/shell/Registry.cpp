#include "shell/Registry.h"

#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"

namespace shell {

void RegisterAllForms()
{
    using platform::Forms;
    Forms::Register(QString::fromLatin1(frmStartup::kFormName), [] { return new frmStartup; });
    Forms::Register(QString::fromLatin1(frmMDI::kFormName), [] { return new frmMDI; });
    Forms::Register(QString::fromLatin1(frmAbout::kFormName), [] { return new frmAbout; });
}

} // namespace shell
