#include "shell/Startup.h"

#include "shell/Version.h"

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

} // namespace shell
