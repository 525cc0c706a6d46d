// The referral address: for any five entries it is a valid address of the maker's referral page whose
// fields decode back to exactly the entries, and nothing an entry holds adds a field or a fragment.
#include "FuzzCheck.h"

#include "shell/modTellAFriend.h"

#include <QUrl>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Five entries, apart where the input holds a zero byte.
    QList<QByteArray> parts = fuzzBytes(data, size).split('\0');
    while (parts.size() < 5)
        parts.append(QByteArray());
    QStringList entries;
    for (int i = 0; i < 5; ++i)
        entries << QString::fromUtf8(parts[i]);

    const QByteArray address = shell::ReferralAddress(entries[0], entries[1], entries[2], entries[3], entries[4]);
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    FUZZ_CHECK(url.isValid());
    FUZZ_CHECK(url.scheme() == QLatin1String("https") && url.host() == QLatin1String("www.selvanthe.example"));
    FUZZ_CHECK(!url.hasFragment());
    // The fields as the page reads them: the query split at '&' and '=', each value percent-decoded as
    // UTF-8. (QUrlQuery's own decoding is not that: it turns some valid characters outside the basic
    // plane into replacement characters.)
    const QList<QByteArray> fields = url.query(QUrl::FullyEncoded).toLatin1().split('&');
    FUZZ_CHECK(fields.size() == 7);
    auto field = [&fields](int i) {
        const qsizetype eq = fields[i].indexOf('=');
        FUZZ_CHECK(eq > 0 && fields[i].indexOf('=', eq + 1) < 0);
        return qMakePair(fields[i].left(eq), QUrl::fromPercentEncoding(fields[i].mid(eq + 1)));
    };
    FUZZ_CHECK(field(0) == qMakePair(QByteArray("page"), QStringLiteral("qvms-refer-a-friend")));
    for (int i = 0; i < 5; ++i) {
        const auto [key, value] = field(i + 1);
        FUZZ_CHECK(key == "taf" + QByteArray::number(i + 1));
        FUZZ_CHECK(value == entries[i]);
    }
    FUZZ_CHECK(field(6).first == "taf6");
    return 0;
}
