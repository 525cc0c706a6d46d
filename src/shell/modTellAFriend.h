#pragma once
// The refer-a-friend request: the entries the exit screen's form hands over, their checks, and the
// maker's referral page opened with the entries in its address. Nothing is sent by the program itself.
#include <QByteArray>
#include <QString>

namespace shell {

// What the last Submit handed over, and the last address built. Only Submit and the request read them.
struct TellAFriendState {
    QString strReferName;
    QString strReferEmail;
    QString strReferMessage;
    QString strReferFriendName;
    QString strReferFriendEmail;
    QString strReferralUrl;  // percent-encoded, ready for the browser
};
TellAFriendState& TellAFriend();

// The longest entries the request takes, in characters.
constexpr int kLongestReferralName = 100;
constexpr int kLongestReferralEmail = 254;  // the longest address mail can carry
constexpr int kLongestReferralMessage = 2000;

// The text without its leading and trailing spaces. Only the space goes: a message's closing CR LF stays,
// so an untouched message still differs from its placeholder.
QString TrimSpaces(const QString& text);

// The referral page's address for these entries. Each entry is UTF-8 percent-encoded, so that no entry
// can add a key, start a fragment, turn into spaces or break the address.
QByteArray ReferralAddress(const QString& name, const QString& email, const QString& message,
                           const QString& friendName, const QString& friendEmail);

// Checks the stored entries in turn; the first that is empty, still its placeholder, or longer than the
// request takes (100 characters for a name, 254 for an e-mail address, 2000 for the message) is told in a
// message box and ends the request. Otherwise builds the address and opens it.
void SendReferral();
// Opens the last address built in the default browser. What the browser does is not looked at.
void OpenReferralPage();

// Tests start from a form never sent.
void ResetTellAFriendForTests();

} // namespace shell
