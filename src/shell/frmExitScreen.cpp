#include "shell/frmExitScreen.h"

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/Startup.h"
#include "shell/Version.h"
#include "shell/frmStartup.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using platform::Look;
using platform::Verdana;
using platform::setGeometryTw;

namespace shell {

namespace {

constexpr const char* kNamePlaceholder = "Your Name";
constexpr const char* kEmailPlaceholder = "Your Email Address";
constexpr const char* kFriendNamePlaceholder = "Friend's Name";
constexpr const char* kFriendEmailPlaceholder = "Friend's Email Address";
constexpr const char* kMessagePlaceholder = "Your Message";

QLineEdit* textBox(QWidget* parent, const char* name, const char* text, double l, double t, double w, double h)
{
    return platform::MakeTextBox(parent, QString::fromLatin1(name), QString::fromLatin1(text), {l, t, w, h},
                                 Verdana(8.25));
}

// A frame of the design: navy, its caption in white. Only the window roles change, so the boxes and the
// button inside keep their usual colours.
QGroupBox* navyFrame(QWidget* parent, const char* name, const char* caption, double l, double t, double w, double h)
{
    QGroupBox* frame = platform::MakeFrame(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                                           {l, t, w, h}, Verdana(8.25));
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, platform::bgr(0x800000));
    p.setColor(QPalette::WindowText, Qt::white);
    frame->setPalette(p);
    frame->setAutoFillBackground(true);
    return frame;
}

QString forum() { return QString::fromLatin1(kForumHost); }

} // namespace

QString SupportMessage(int n)
{
    const QString f = forum();
    switch (qBound(0, n, 3)) {
    case 0:
        return QStringLiteral("Quendra Softwares, such as this can be created and maintained only with your support. "
                              "The best way to support Quendra Vale is to visit ") +
               f + QStringLiteral(" regularly and take part in the discussions and other activities on the board.");
    case 1:
        return QStringLiteral("Visit ") + f + QStringLiteral(" regularly. Support ") + f +
               QStringLiteral(" by taking part in the discussions and other activities. These softwares cannot be "
                              "supported and maintained, without you regularly visiting ") +
               f;
    case 2:
        return f + QStringLiteral(" is a FREE online discussion forum for all things quendra. To help ") + f +
               QStringLiteral(" develop and maintain this software visit Quendravale regularly.");
    default:
        return f + QStringLiteral(" needs your help. All you need to do is visit ") + f +
               QStringLiteral(" regularly and take part in the various discussions and activites to help us "
                              "maintain and develop more Quendra Softwares.");
    }
}

QString SoftwarePromotionText()
{
    // The run of spaces pushes the second paragraph onto a line of its own in the label.
    return QStringLiteral("If you have enjoyed this software you will surely be interested in our other Quendra "
                          "Softwares. From a single software, we have now grown to become the world\u2019s largest "
                          "resource of quendra softwares. Be it astrology, psychic, tarot, numerology or occult, we "
                          "have programs in all fields thus giving our users a wide choice depending on their "
                          "interests.") +
           QString(61, QLatin1Char(' ')) +
           QStringLiteral("All the programs in the Quendra Softwares suite are simple and easy to use. They are not "
                          "only fun to use but also very informative. Try them out today and share your experience "
                          "with your friends and family. ");
}

frmExitScreen::frmExitScreen() : Form(QString::fromLatin1(kFormName), Kind::TopLevel)
{
    // Set before the window is first shown: changing the flags of a shown window hides it.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    SetClientSizeTw(11115, 4725);

    picExitIcon = platform::MakePicture(this, QStringLiteral("picExitIcon"), {360, 120, 540, 540});
    lblExitCaption = platform::MakeLabel(this, QStringLiteral("lblExitCaption"), {}, {1080, 240, 720, 435},
                                         Verdana(18));
    Label2 = platform::MakeLabel(this, QStringLiteral("Label2"), {}, {120, 840, 6975, 1095},
                                 Look(Verdana(8.25, true)).Align(Qt::AlignLeft | Qt::AlignTop).Wrap());

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit ") + forum() + QStringLiteral(" Now"), this);
    platform::Dress(Check1, QStringLiteral("Check1"), {30, 2040, 7185, 555}, Verdana(8.25));
    Check1->setCursor(Qt::PointingHandCursor);
    // Only the user's tick: unticking in code raises toggled, not clicked.
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });

    cmdClose = platform::MakeButton(this, QStringLiteral("cmdClose"), QStringLiteral("E&xit"), {6000, 2760, 1245, 375},
                                    Verdana(8.25));
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    Frame2 = navyFrame(this, "Frame2", "Refer A Friend", 120, 3240, 7065, 1455);
    txtName = textBox(Frame2, "txtName", kNamePlaceholder, 85, 360, 3375, 285);
    txtEmail = textBox(Frame2, "txtEmail", kEmailPlaceholder, 3600, 360, 3375, 285);
    txtFriendName = textBox(Frame2, "txtFriendName", kFriendNamePlaceholder, 85, 720, 3375, 285);
    txtFriendEmail = textBox(Frame2, "txtFriendEmail", kFriendEmailPlaceholder, 3600, 720, 3375, 285);
    cmdSubmit = platform::MakeButton(Frame2, QStringLiteral("cmdSubmit"), QStringLiteral("Refer A Friend &Now"),
                                     {1920, 1080, 3375, 285}, Verdana(8.25));
    connect(cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });
    // Placed beyond the frame's edge, out of sight, yet still reached by Tab (a hidden box would not be).
    txtMessage = new QPlainTextEdit(Frame2);
    platform::Dress(txtMessage, QStringLiteral("txtMessage"), {4800, 3600, 1815, 495}, Verdana(8.25));
    txtMessage->setTabChangesFocus(true);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetMessageText(QStringLiteral("Your Message\r\n"));

    Frame6 = navyFrame(this, "Frame6", "Download Quendra Softwares", 7320, 120, 3735, 4575);
    // Plain text, as every label's: rich text would fold the run of spaces into one.
    Label3 = platform::MakeLabel(Frame6, QStringLiteral("Label3"), SoftwarePromotionText(), {120, 360, 3495, 3855},
                                 Look(Verdana(8.25)).Fore(Qt::white).Align(Qt::AlignLeft | Qt::AlignTop).Wrap());
    lblGoToHome = platform::MakeLink(Frame6, QStringLiteral("lblGoToHome"),
                                     QStringLiteral("Click Here To Visit Quendra Softwares"), {75, 4250, 3585, 210},
                                     Look(Verdana(8.25)).Fore(Qt::yellow));
    connect(lblGoToHome, &QAbstractButton::clicked, this, [this] { lblGoToHome_Click(); });

    for (QWidget* box : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                         static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
                         static_cast<QWidget*>(txtMessage)})
        box->installEventFilter(this);
}

void frmExitScreen::Form_Load()
{
    SetCaption(QString::fromLatin1(kProgramCaption));
    lblExitCaption->setText(QString::fromLatin1(kProgramCaption));
    // The design's place is too low for the 18 point caption.
    platform::SizeToText(lblExitCaption);

    QPixmap icon;
    if (const frmStartup* startup = platform::Forms::Peek<frmStartup>())
        icon = startup->IMGIcon.ListImage(1);
    if (icon.isNull())  // the start-up window stays loaded for the whole run; this is only a safety net
        icon = platform::BuiltInPicture(QStringLiteral(":/pictures/icons/program.png"), QSize(32, 32));
    setWindowIcon(ProgramIcon());
    picExitIcon->setPicture(icon);

    platform::Randomize();
    // Int(x * 4) for x in [0, 1), kept to 0..3 whatever the generator gives.
    const double x = platform::Rnd();
    const int n = x >= 0.75 ? 3 : x >= 0.5 ? 2 : x >= 0.25 ? 1 : 0;
    Label2->setText(SupportMessage(n));

    Move((platform::ScreenWidth() - Width()) / 2, (platform::ScreenHeight() - Height()) / 2);
}

void frmExitScreen::Form_Unload() { QuitApplication(); }

void frmExitScreen::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenHomePage();
}

void frmExitScreen::lblGoToHome_Click() { OpenSoftwareCataloguePage(); }

void frmExitScreen::cmdClose_Click() { QuitApplication(); }

void frmExitScreen::cmdSubmit_Click()
{
    TellAFriendState& s = TellAFriend();
    s.strReferName = TrimSpaces(txtName->text());
    s.strReferEmail = TrimSpaces(txtEmail->text());
    s.strReferMessage = TrimSpaces(MessageText());
    s.strReferFriendName = TrimSpaces(txtFriendName->text());
    s.strReferFriendEmail = TrimSpaces(txtFriendEmail->text());

    const QString& email = s.strReferEmail;
    const QString& friendEmail = s.strReferFriendEmail;
    if (email == friendEmail) {
        tell("Please Enter Distinct Email Addresses");
        return;
    }
    const QChar at(QLatin1Char('@')), dot(QLatin1Char('.'));
    if (!email.contains(at) || !friendEmail.contains(at) || !email.contains(dot) || !friendEmail.contains(dot)) {
        tell("Please Enter Proper Email Address");
        return;
    }
    SendReferral();
}

void frmExitScreen::txtName_GotFocus() { enterBox(txtName, kNamePlaceholder); }
void frmExitScreen::txtName_LostFocus() { leaveBox(txtName, kNamePlaceholder); }
void frmExitScreen::txtEmail_GotFocus() { enterBox(txtEmail, kEmailPlaceholder); }
void frmExitScreen::txtEmail_LostFocus() { leaveBox(txtEmail, kEmailPlaceholder); }
void frmExitScreen::txtFriendName_GotFocus() { enterBox(txtFriendName, kFriendNamePlaceholder); }
void frmExitScreen::txtFriendName_LostFocus() { leaveBox(txtFriendName, kFriendNamePlaceholder); }
void frmExitScreen::txtFriendEmail_GotFocus() { enterBox(txtFriendEmail, kFriendEmailPlaceholder); }
void frmExitScreen::txtFriendEmail_LostFocus() { leaveBox(txtFriendEmail, kFriendEmailPlaceholder); }
void frmExitScreen::txtMessage_GotFocus() { enterBox(txtMessage, kMessagePlaceholder); }
void frmExitScreen::txtMessage_LostFocus() { leaveBox(txtMessage, kMessagePlaceholder); }

void frmExitScreen::txtEmail_KeyPress(int& KeyAscii) { refuseSpace(txtEmail, KeyAscii); }
void frmExitScreen::txtFriendEmail_KeyPress(int& KeyAscii) { refuseSpace(txtFriendEmail, KeyAscii); }

QString frmExitScreen::MessageText() const
{
    QString text = txtMessage->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmExitScreen::SetMessageText(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtMessage->setPlainText(plain);
}

QString frmExitScreen::boxText(const QWidget* box) const
{
    if (box == txtMessage)
        return MessageText();
    return static_cast<const QLineEdit*>(box)->text();
}

void frmExitScreen::setBoxText(QWidget* box, const QString& text)
{
    if (box == txtMessage)
        SetMessageText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

void frmExitScreen::enterBox(QWidget* box, const char* placeholder)
{
    if (TrimSpaces(boxText(box)) == QLatin1String(placeholder))
        setBoxText(box, QString());
}

void frmExitScreen::leaveBox(QWidget* box, const char* placeholder)
{
    if (TrimSpaces(boxText(box)).isEmpty())
        setBoxText(box, QString::fromLatin1(placeholder));
}

void frmExitScreen::refuseSpace(QLineEdit* box, int& keyAscii)
{
    if (keyAscii != 32)
        return;
    tell("Email Address Cannot Contain Space");
    keyAscii = 0;
    box->setFocus();
}

void frmExitScreen::tell(const char* text)
{
    // Over this window, which stays on top: a box left to find its own place could open behind it,
    // modal and out of sight, and the program would look frozen.
    platform::messageBoxes().show(this, QString::fromLatin1(text), platform::MsgIcon::Critical,
                                  platform::MsgButtons::Ok, platform::AppTitle());
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // A message box opening or the user switching programs is no entering or leaving of a box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const bool in = event->type() == QEvent::FocusIn;
        if (watched == txtName)
            in ? txtName_GotFocus() : txtName_LostFocus();
        else if (watched == txtEmail)
            in ? txtEmail_GotFocus() : txtEmail_LostFocus();
        else if (watched == txtFriendName)
            in ? txtFriendName_GotFocus() : txtFriendName_LostFocus();
        else if (watched == txtFriendEmail)
            in ? txtFriendEmail_GotFocus() : txtFriendEmail_LostFocus();
        else if (watched == txtMessage)
            in ? txtMessage_GotFocus() : txtMessage_LostFocus();
        break;
    }
    case QEvent::KeyPress: {
        if (watched != txtEmail && watched != txtFriendEmail)
            break;
        if (static_cast<QKeyEvent*>(event)->text() != QStringLiteral(" "))
            break;
        int keyAscii = 32;
        if (watched == txtEmail)
            txtEmail_KeyPress(keyAscii);
        else
            txtFriendEmail_KeyPress(keyAscii);
        return keyAscii == 0;
    }
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}

} // namespace shell
