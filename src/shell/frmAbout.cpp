#include "shell/frmAbout.h"

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Startup.h"
#include "shell/Version.h"
#include "shell/modHelp.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

using platform::setGeometryTw;

#include <QKeyEvent>

namespace shell {

namespace {
platform::Label* aboutLabel(QWidget* parent, const char* name, const QString& text, double l, double t, double w, double h,
                            bool bold, const QColor& colour)
{
    return platform::MakeLabel(
        parent, QString::fromLatin1(name), text, {l, t, w, h},
        platform::Look(platform::Verdana(8.25, bold)).Fore(colour).Align(Qt::AlignLeft | Qt::AlignTop).Wrap());
}
} // namespace

frmAbout::frmAbout() : Form(QString::fromLatin1(kFormName), Kind::TopLevel)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetCaption(QString::fromLatin1(kProgramCaption));
    setWindowIcon(ProgramIcon());
    const QPixmap icon = platform::BuiltInPicture(QStringLiteral(":/pictures/icons/program.png"), QSize(32, 32));
    platform::setBackColor(this, Qt::black);
    SetClientSizeTw(6810, 3870);

    Picture1 = platform::MakePicture(this, QStringLiteral("Picture1"), {120, 120, 480, 480});
    Picture1->setPicture(icon);

    const QColor white(Qt::white), cyan(Qt::cyan);
    Label2 = aboutLabel(this, "Label2", QString::fromLatin1(kProgramCaption), 840, 240, 2355, 240, true, white);
    Label1 = aboutLabel(this, "Label1",
                        QStringLiteral("Selvanthe consists of a combination of tarot reading, runes reading and runic "
                                       "tarot softwares. Tarot and Runes stones reading have been very popular methods "
                                       "of esoteric divination since the ancient ages. Tarot and Runes can provide you "
                                       "with an insight into the future as reflected in the stars."),
                        240, 720, 6465, 1095, false, white);
    lblHomePage = platform::MakeLink(
        this, QStringLiteral("lblHomePage"), QStringLiteral("Click here to visit ") + QString::fromLatin1(kSiteDisplayAddress),
        {2640, 1920, 4050, 195}, platform::Look(platform::Verdana(8.25)).Fore(cyan).Align(Qt::AlignLeft | Qt::AlignTop).Wrap());
    Label3 = aboutLabel(this, "Label3",
                        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                       "online. Get this software fully branded for your website. "),
                        240, 2280, 6105, 675, true, white);
    lblCobrand = platform::MakeLink(
        this, QStringLiteral("lblCobrand"), QStringLiteral("Click here for more details."), {4320, 2880, 2355, 195},
        platform::Look(platform::Verdana(8.25)).Fore(cyan).Align(Qt::AlignLeft | Qt::AlignTop).Wrap());
    connect(lblHomePage, &QAbstractButton::clicked, this, [this] { lblHomePage_Click(); });
    connect(lblCobrand, &QAbstractButton::clicked, this, [this] { lblCobrand_Click(); });

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: #c0c0c0; background-color: #c0c0c0;"));
    setGeometryTw(line, 0, 3240, 6900, 15);

    cmdOK = platform::MakeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), {5400, 3360, 1260, 345});
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void frmAbout::cmdOK_Click() { platform::Forms::Unload(this); }

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // Escape closes it, as it closes every dialog box.
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    Form::keyPressEvent(event);
}
void frmAbout::lblHomePage_Click() { OpenHomePage(); }
void frmAbout::lblCobrand_Click() { OpenFullBrandPage(); }

void ShowAbout()
{
    if (platform::Form* about = platform::Forms::Get(QString::fromLatin1(frmAbout::kFormName)))
        about->ShowModal();
}

} // namespace shell
