#include "shell/frmStartup.h"

#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "shell/Quit.h"
#include "shell/Startup.h"
#include "shell/Version.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QLabel>

#include <exception>

namespace shell {

frmStartup::frmStartup()
    : Form(QString::fromLatin1(kFormName), Kind::TopLevel),
      IMGIcon(QStringList{QStringLiteral(":/pictures/icons/program.png")}, QSize(32, 32))
{
    lblStartupCaption = new QLabel(this);
    lblStartupCaption->setObjectName(QStringLiteral("lblStartupCaption"));
    picStartupIcon = new platform::PictureBox(this);
    picStartupIcon->setObjectName(QStringLiteral("picStartupIcon"));
}

void frmStartup::Form_Load()
{
    SetCaption(QString::fromLatin1(kProgramCaption));
    lblStartupCaption->setText(QString::fromLatin1(kProgramCaption));
    setWindowIcon(ProgramIcon());
    picStartupIcon->setPicture(IMGIcon.ListImage(1));

    if (platform::instanceGuard().previousInstance()) {
        platform::MsgBox(QStringLiteral("Application is already running"), platform::MsgIcon::Information);
        return;  // the caller ends the program: nothing else of this copy runs
    }
    continues_ = true;
    try {
        AskForUpdate();
    } catch (const std::exception&) {
        // A reminder that fails part-way is given up; the program starts all the same.
    }
    if (platform::Form* main = platform::Forms::Get(QString::fromLatin1(frmMDI::kFormName)))
        main->Show();
    Hide();
}

void frmStartup::Form_Unload() { QuitApplication(); }

} // namespace shell
