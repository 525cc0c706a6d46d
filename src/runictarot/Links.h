#pragma once
// The web and mail addresses in a text, as the report shows them: which runs of a line are links, and
// the address a link opens. Only "http://", "https://", "mailto:" and "www." (read as http) make links,
// and a run is a link only when it opens: nothing is underlined that a click would refuse.
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace runictarot {

// The longest link; a longer run is no link.
constexpr int MaxLinkLength = 1024;

struct LinkSpan {
    int start;   // in the text searched
    int length;
    friend bool operator==(const LinkSpan&, const LinkSpan&) = default;
};

// The links in one line of text, in order, none overlapping. A link starts at a scheme or "www." that
// is not the tail of a longer word or address, and ends at the first blank (any Unicode space, the
// no-break space included), control character, '<', '>' or '"'; a mail address also ends at '?' or
// '#'. Punctuation that closes a sentence after it is not part of it, and a scheme or "www." with
// nothing after it is no link.
QList<LinkSpan> findLinks(QStringView line);

// The address to hand to the browser for a link's text, percent-encoded: a web address as written
// ("www." read as http), a mail address with the address alone (no subject, body, attachment or other
// field). Nothing for a text that is too long, of another kind, or no address.
std::optional<QString> linkTarget(QStringView linkText);

} // namespace runictarot
