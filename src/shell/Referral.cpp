#include "shell/Referral.h"

#include "shell/MakerSite.h"

#include <QUrl>

namespace shell {

namespace {
QByteArray encoded(const QString& value) { return QUrl::toPercentEncoding(value); }
} // namespace

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

QByteArray ReferralAddress(const QString& name, const QString& email, const QString& message, const QString& friendName,
                           const QString& friendEmail)
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

} // namespace shell
