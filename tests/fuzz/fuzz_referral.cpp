// The referral address: for any five entries it is a valid address of the maker's referral page whose
// fields decode back to exactly the entries, and nothing an entry holds adds a field or a fragment.
#include "FuzzCheck.h"

#include "shell/modTellAFriend.h"

#include <QUrl>
#include <QUrlQuery>

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
    const QUrlQuery query(url);
    const QList<QPair<QString, QString>> items = query.queryItems(QUrl::FullyDecoded);
    FUZZ_CHECK(items.size() == 7);
    FUZZ_CHECK(items[0].first == QLatin1String("page") && items[0].second == QLatin1String("qvms-refer-a-friend"));
    for (int i = 0; i < 5; ++i) {
        FUZZ_CHECK(items[i + 1].first == QStringLiteral("taf%1").arg(i + 1));
        FUZZ_CHECK(items[i + 1].second == entries[i]);
    }
    FUZZ_CHECK(items[6].first == QLatin1String("taf6"));
    return 0;
}
