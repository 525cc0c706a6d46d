#include "shell/ShellForms.h"

#include "platform/Forms.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"

namespace shell {

void RegisterShellForms()
{
    using platform::Forms;
    Forms::Register(QString::fromLatin1(frmStartup::kFormName), [] { return new frmStartup; });
    Forms::Register(QString::fromLatin1(frmMDI::kFormName), [] { return new frmMDI; });
    Forms::Register(QString::fromLatin1(frmAbout::kFormName), [] { return new frmAbout; });
    Forms::Register(QString::fromLatin1(frmExitScreen::kFormName), [] { return new frmExitScreen; });
}

} // namespace shell
