#include "app/Program.h"

#include "app/Registry.h"
#include "platform/Forms.h"
#include "shell/Startup.h"
#include "shell/frmStartup.h"

#include <QApplication>

namespace app {

bool StartProgram()
{
    // Before the first message box: "already running" and the update question come before any window.
    QApplication::setWindowIcon(shell::ProgramIcon());
    // Closing the main window leads to the exit screen; the program ends only through QuitApplication.
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        application->setQuitOnLastWindowClosed(false);
    RegisterAllForms();
    auto* startup = platform::Forms::Get<shell::frmStartup>();
    return startup && startup->continuesRunning();
}

} // namespace app
