#include "shell/modTellAFriend.h"

#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/modHelp.h"

#include <QUrl>

namespace shell {

namespace {

TellAFriendState g_state;

struct Entry {
    QString TellAFriendState::*value;
    const char* placeholder;
    const char* refusal;
};

// The order the request tests them in, which is not the order of the boxes on screen.
const Entry kEntries[] = {
    {&TellAFriendState::strReferName, "Your Name", "Please Enter Your Name"},
    {&TellAFriendState::strReferEmail, "Your Email Address", "Please Enter Your Email"},
    {&TellAFriendState::strReferMessage, "Your Message", "Please Enter Your Message"},
    {&TellAFriendState::strReferFriendName, "Friend's Name", "Please Enter Your Friend's Name"},
    {&TellAFriendState::strReferFriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
};

QByteArray encoded(const QString& value) { return QUrl::toPercentEncoding(value); }

} // namespace

TellAFriendState& TellAFriend() { return g_state; }

QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QByteArray ReferralAddress(const QString& name, const QString& email, const QString& message,
                           const QString& friendName, const QString& friendEmail)
{
    const QByteArray site(kSiteAddress);
    QByteArray address = site + "/selvanthe/ssd.php?page=qvms-refer-a-friend";
    address += "&taf1=" + encoded(name);
    address += "&taf2=" + encoded(email);
    address += "&taf3=" + encoded(message);
    address += "&taf4=" + encoded(friendName);
    address += "&taf5=" + encoded(friendEmail);
    address += "&taf6=" + site + "/selvanthe/";
    return address;
}

void SendReferral()
{
    TellAFriendState& s = g_state;
    for (const Entry& e : kEntries) {
        const QString value = TrimSpaces(s.*e.value);
        if (value.isEmpty() || value == QLatin1String(e.placeholder)) {
            // Over the exit screen, which stays on top: a box left to find its own place could open
            // behind it, modal and out of sight.
            platform::messageBoxes().show(platform::Forms::Peek(QStringLiteral("frmExitScreen")),
                                          QString::fromLatin1(e.refusal), platform::MsgIcon::Critical,
                                          platform::MsgButtons::Ok, platform::AppTitle());
            return;
        }
    }
    s.strReferralUrl = QString::fromLatin1(
        ReferralAddress(TrimSpaces(s.strReferName), TrimSpaces(s.strReferEmail), TrimSpaces(s.strReferMessage),
                        TrimSpaces(s.strReferFriendName), TrimSpaces(s.strReferFriendEmail)));
    OpenReferralPage();
}

void OpenReferralPage()
{
    const QUrl url = QUrl::fromEncoded(g_state.strReferralUrl.toLatin1(), QUrl::StrictMode);
    if (!url.isValid())
        return;
    platform::ShellOpen(QString::fromLatin1(url.toEncoded()));
}

void ResetTellAFriendForTests() { g_state = TellAFriendState(); }

} // namespace shell
