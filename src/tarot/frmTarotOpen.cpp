#include "tarot/frmTarotOpen.h"

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "platform/PictureFolders.h"
#include "tarot/TarotScreens.h"

#include <QPushButton>
#include <QTimer>

namespace tarot {

QString MissingFoldersMessage()
{
    return QStringLiteral("Cards or Spread Pictures are missing.\nPlease Reinstall Software.");
}

frmTarotOpen::frmTarotOpen() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kToolCaption));
    SetClientSizeTw(7485, 5010);

    Image1 = platform::MakePicture(this, QStringLiteral("Image1"), {0, 0, 7500, 5010});
    Image1->setStretch(true);
    Image1->setPicture(platform::FolderPicture(QStringLiteral("tarot/title.jpg"), QSize(500, 334)));

    cmdContd = platform::MakeButton(this, QStringLiteral("cmdContd"), QStringLiteral("Continue...."),
                                    {5880, 4560, 1455, 375});
    cmdContd->raise();
    connect(cmdContd, &QPushButton::clicked, this, [this] { cmdContd_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmTarotOpen::Form_Load()
{
    CentreInWorkArea();
    // The update question, when due, comes before anything else the tool asks.
    shell::AskForUpdate();
    cmdContd->setVisible(false);
    cmdContd->setEnabled(false);
    // The folder found is checked: beside the program, in the installation's data folder or in a data
    // folder of the desktop; when none holds both, the check fails beside the program.
    if (!platform::PictureFoldersPresent(platform::PictureRoot())) {
        platform::MsgBox(MissingFoldersMessage(), platform::MsgIcon::Information);
        shell::QuitApplication();
        return;
    }
    Timer1->start();
}

void frmTarotOpen::Timer1_Timer()
{
    const bool appearing = cmdContd->isHidden();
    cmdContd->setEnabled(true);
    cmdContd->setVisible(true);
    // The one thing to do on this screen takes the focus as it appears, once: the timer goes on ticking.
    if (appearing)
        cmdContd->setFocus(Qt::OtherFocusReason);
}

void frmTarotOpen::cmdContd_Click()
{
    if (platform::Form* front = platform::Forms::Get(QString::fromLatin1(kQuerentForm)))
        front->Show();
    Hide();
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(false);
}

void frmTarotOpen::Form_Unload()
{
    Timer1->stop();
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(true);
}

} // namespace tarot
