#pragma once
// The refer-a-friend request: the entries the exit screen's form hands over, their checks, and the
// maker's referral page opened with the entries in its address. Nothing is sent by the program itself.
#include "shell/Referral.h"

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

// Checks the stored entries in turn; the first that is empty, still its placeholder, or longer than the
// request takes (100 characters for a name, 254 for an e-mail address, 2000 for the message) is told in a
// message box and ends the request. Otherwise builds the address and opens it.
void SendReferral();
// Opens the last address built in the default browser. What the browser does is not looked at.
void OpenReferralPage();

// Tests start from a form never sent.
void ResetTellAFriendForTests();

} // namespace shell
