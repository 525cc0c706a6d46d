// Link detection in the report: every link lies inside the text, in order and apart, and every
// underlined link opens, as a web address or as a bare mail address.
#include "FuzzCheck.h"

#include "runictarot/Links.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest reads: UTF-8, or raw UTF-16 code units, so that any character
    // (no-break and other Unicode spaces, lone surrogates) can turn up.
    const QByteArray rest = fuzzBytes(data + 1, size - 1);
    const QString line = (data[0] & 1)
                             ? QString::fromUtf16(reinterpret_cast<const char16_t*>(rest.constData()), rest.size() / 2)
                             : QString::fromUtf8(rest);
    int end = 0;
    for (const runictarot::LinkSpan& span : runictarot::findLinks(line)) {
        FUZZ_CHECK(span.start >= end && span.length > 0 && span.start + span.length <= line.size());
        end = span.start + span.length;
        const QStringView text = QStringView(line).sliced(span.start, span.length);
        FUZZ_CHECK(text.size() <= runictarot::MaxLinkLength);
        for (QChar c : text)
            FUZZ_CHECK(!c.isSpace());
        const std::optional<QString> target = runictarot::linkTarget(text);
        FUZZ_CHECK(target.has_value());
        const bool web = target->startsWith(QLatin1String("http://")) || target->startsWith(QLatin1String("https://"));
        const bool mail = target->startsWith(QLatin1String("mailto:"));
        FUZZ_CHECK(web || mail);
        if (mail)
            FUZZ_CHECK(!target->contains(QLatin1Char('?')) && !target->contains(QLatin1Char('#')));
    }
    // And a text handed to linkTarget on its own never opens anything but those kinds.
    if (const std::optional<QString> target = runictarot::linkTarget(line)) {
        FUZZ_CHECK(target->startsWith(QLatin1String("http://")) || target->startsWith(QLatin1String("https://")) ||
                   target->startsWith(QLatin1String("mailto:")));
    }
    return 0;
}
