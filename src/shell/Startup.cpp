#include "shell/Startup.h"

#include "shell/Registry.h"
#include "shell/Version.h"
#include "shell/frmStartup.h"

#include <QApplication>
#include <QDir>

namespace shell {

QString ApplicationName() { return QStringLiteral("Selvanthe"); }

QString DesktopFileName() { return QStringLiteral(SELVANTHE_APP_ID); }

QIcon ProgramIcon()
{
    // The same pictures an installation puts into the icon theme, compiled in.
    const QDir theme(QStringLiteral(":/pictures/desktop"));
    QIcon icon;
    for (const QString& name : theme.entryList({QStringLiteral("icon-*.png")}, QDir::Files))
        icon.addFile(theme.filePath(name));
    return icon;
}

void NameProgram()
{
    QCoreApplication::setOrganizationName(ApplicationName());
    QCoreApplication::setApplicationName(ApplicationName());
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(DesktopFileName());
}

bool StartProgram()
{
    // Before the first message box: "already running" and the update question come before any window.
    QApplication::setWindowIcon(ProgramIcon());
    // Closing the main window leads to the exit screen; the program ends only through QuitApplication.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    RegisterAllForms();
    auto* startup = platform::Forms::Get<frmStartup>();
    return startup && startup->continuesRunning();
}

} // namespace shell
