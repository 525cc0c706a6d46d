#include "shell/modTellAFriend.h"

#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/modHelp.h"

#include <QUrl>

#include <string>

namespace shell {

namespace {

TellAFriendState g_state;

struct Entry {
    QString TellAFriendState::*value;
    const char* placeholder;
    const char* refusal;
    int longest;          // characters
    const char* tooLong;  // the message for an entry longer than that, the length at %1
};

// The order the request tests them in, which is not the order of the boxes on screen. The longest
// entries keep the whole address well inside what one argument of a program may hold (128 KiB on Linux):
// past it the browser would never start, and the user would be told nothing.
constexpr Entry kEntries[] = {
    {&TellAFriendState::strReferName, "Your Name", "Please Enter Your Name", kLongestReferralName,
     "Please Keep Your Name To %1 Characters"},
    {&TellAFriendState::strReferEmail, "Your Email Address", "Please Enter Your Email", kLongestReferralEmail,
     "Please Keep Your Email Address To %1 Characters"},
    {&TellAFriendState::strReferMessage, "Your Message", "Please Enter Your Message", kLongestReferralMessage,
     "Please Keep Your Message To %1 Characters"},
    {&TellAFriendState::strReferFriendName, "Friend's Name", "Please Enter Your Friend's Name",
     kLongestReferralName, "Please Keep Your Friend's Name To %1 Characters"},
    {&TellAFriendState::strReferFriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email",
     kLongestReferralEmail, "Please Keep Your Friend's Email Address To %1 Characters"},
};

// A character takes at most four bytes in UTF-8, each three when percent-encoded.
constexpr int kLongestEncodedCharacter = 12;
constexpr int longestAddress()
{
    int bytes = 2 * static_cast<int>(std::char_traits<char>::length(kSiteAddress)) +
                static_cast<int>(std::char_traits<char>::length(
                    "/selvanthe/ssd.php?page=qvms-refer-a-friend&taf1=&taf2=&taf3=&taf4=&taf5=&taf6=/selvanthe/"));
    for (const Entry& e : kEntries)
        bytes += e.longest * kLongestEncodedCharacter;
    return bytes;
}
// A quarter of the limit: a launcher may pass the address on inside a longer argument of its own.
static_assert(longestAddress() <= 32 * 1024, "the longest referral address must fit one program argument");

} // namespace

TellAFriendState& TellAFriend() { return g_state; }

void SendReferral()
{
    TellAFriendState& s = g_state;
    for (const Entry& e : kEntries) {
        const QString value = TrimSpaces(s.*e.value);
        QString refusal;
        if (value.isEmpty() || value == QLatin1String(e.placeholder))
            refusal = QString::fromLatin1(e.refusal);
        else if (value.toUcs4().size() > e.longest)
            refusal = QString::fromLatin1(e.tooLong).arg(e.longest);
        if (!refusal.isEmpty()) {
            // Over the exit screen, which stays on top: a box left to find its own place could open
            // behind it, modal and out of sight.
            platform::messageBoxes().show(platform::Forms::Peek(QStringLiteral("frmExitScreen")),
                                          refusal, platform::MsgIcon::Critical,
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
