#include "shell/Startup.h"

#include "platform/Input.h"
#include "shell/Registry.h"
#include "shell/frmStartup.h"

#include <QApplication>

namespace shell {

QString ApplicationName() { return QStringLiteral("Selvanthe"); }

QString DesktopFileName() { return QStringLiteral(SELVANTHE_APP_ID); }

bool StartProgram()
{
    QCoreApplication::setOrganizationName(ApplicationName());
    QCoreApplication::setApplicationName(ApplicationName());
    QGuiApplication::setDesktopFileName(DesktopFileName());
    // Closing the main window leads to the exit screen; the program ends only through QuitApplication.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    platform::InstallInputRules();
    RegisterAllForms();
    auto* startup = platform::Forms::Get<frmStartup>();
    return startup && startup->continuesRunning();
}

} // namespace shell
