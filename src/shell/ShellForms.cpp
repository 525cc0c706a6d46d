#include "shell/ShellForms.h"

#include "platform/FormRegistration.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"

namespace shell {

void RegisterShellForms()
{
    platform::RegisterForm<frmStartup>();
    platform::RegisterForm<frmMDI>();
    platform::RegisterForm<frmAbout>();
    platform::RegisterForm<frmExitScreen>();
}

} // namespace shell
