#include "runictarot/Links.h"

#include <QUrl>

#include <array>

namespace runictarot {

namespace {

constexpr std::array<QStringView, 4> kPrefixes = {u"https://", u"http://", u"mailto:", u"www."};

bool isMailPrefix(QStringView prefix) { return prefix == u"mailto:"; }

// A scheme or "www." right after one of these belongs to the word or address before it, as the "www."
// inside "ftp://www..." or "file:///www..." does.
bool continuesAWord(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'@' || c == u'/' || c == u':' || c == u'-';
}

bool endsLink(QChar c, bool mail)
{
    if (c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'<' || c == u'>' || c == u'"')
        return true;
    return mail && (c == u'?' || c == u'#');
}

bool closesSentence(QChar c) { return QStringView(u".,;:!?'\")]}").contains(c); }

// The prefix a link starts with at position i, if one starts there.
std::optional<QStringView> prefixAt(QStringView line, qsizetype i)
{
    if (i > 0 && continuesAWord(line[i - 1]))
        return std::nullopt;
    for (QStringView prefix : kPrefixes)
        if (line.sliced(i).startsWith(prefix, Qt::CaseInsensitive))
            return prefix;
    return std::nullopt;
}

// A plain mail address: something before one '@' and a domain after it.
bool isMailAddress(QStringView address)
{
    const qsizetype at = address.indexOf(u'@');
    return at > 0 && at == address.lastIndexOf(u'@') && at + 1 < address.size() && !address.contains(u':');
}

} // namespace

QList<LinkSpan> findLinks(QStringView line)
{
    QList<LinkSpan> out;
    qsizetype i = 0;
    while (i < line.size()) {
        const std::optional<QStringView> prefix = prefixAt(line, i);
        if (!prefix) {
            ++i;
            continue;
        }
        const bool mail = isMailPrefix(*prefix);
        qsizetype end = i + prefix->size();
        while (end < line.size() && !endsLink(line[end], mail))
            ++end;
        const qsizetype runEnd = end;
        // Trailing punctuation goes, but never into the prefix itself: "(www.)" is no link.
        while (end > i + prefix->size() && closesSentence(line[end - 1]))
            --end;
        const qsizetype length = end - i;
        if (length > prefix->size() && linkTarget(line.sliced(i, length)))
            out.append({static_cast<int>(i), static_cast<int>(length)});
        i = runEnd;
    }
    return out;
}

std::optional<QString> linkTarget(QStringView linkText)
{
    if (linkText.isEmpty() || linkText.size() > MaxLinkLength)
        return std::nullopt;

    if (linkText.startsWith(u"mailto:", Qt::CaseInsensitive)) {
        // The address alone: fields after it could name an attachment or fill a message for the user.
        QStringView address = linkText.sliced(7);
        for (qsizetype k = 0; k < address.size(); ++k) {
            if (address[k] == u'?' || address[k] == u'#') {
                address.truncate(k);
                break;
            }
        }
        if (!isMailAddress(address))
            return std::nullopt;
        QUrl url;
        url.setScheme(QStringLiteral("mailto"));
        url.setPath(address.toString(), QUrl::DecodedMode);
        if (!url.isValid())
            return std::nullopt;
        return QString::fromLatin1(url.toEncoded());
    }

    QString address = linkText.toString();
    if (address.startsWith(u"www.", Qt::CaseInsensitive))
        address.prepend(QStringLiteral("http://"));
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty())
        return std::nullopt;
    return QString::fromLatin1(url.toEncoded());
}

} // namespace runictarot
