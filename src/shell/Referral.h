#pragma once
// The rule of a referral: how long its entries may be, and the address of the maker's referral page that
// carries them.
#include <QByteArray>
#include <QString>

namespace shell {

// The longest entries the request takes, in characters.
constexpr int kLongestReferralName = 100;
constexpr int kLongestReferralEmail = 254; // the longest address mail can carry
constexpr int kLongestReferralMessage = 2000;

// The text without its leading and trailing spaces. Only the space goes: a message's closing CR LF stays,
// so an untouched message still differs from its placeholder.
QString TrimSpaces(const QString& text);

// The referral page's address for these entries. Each entry is UTF-8 percent-encoded, so that no entry
// can add a key, start a fragment, turn into spaces or break the address.
QByteArray ReferralAddress(const QString& name, const QString& email, const QString& message, const QString& friendName,
                           const QString& friendEmail);

} // namespace shell
