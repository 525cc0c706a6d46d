#pragma once
// Clickable web addresses in one read-only rich text box at a time: while detection is on, the box
// underlines every address in its text and a press of the left mouse button on one opens it in the
// browser. Only web and mail addresses are links ("http://", "https://", "mailto:", and "www." read as
// http); anything else that looks like an address stays plain text.
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class QTextEdit;

namespace runictarot {

// The longest link that is opened; a longer one is shown but not followed.
constexpr int MaxLinkLength = 1024;

struct LinkSpan {
    int start;   // in the text searched
    int length;
    friend bool operator==(const LinkSpan&, const LinkSpan&) = default;
};

// The addresses in one line of text, in order. An address runs to the next blank; punctuation that
// closes a sentence after it is not part of it.
QList<LinkSpan> findLinks(QStringView line);

// The address to hand to the browser for a link's text, percent-encoded; nothing for a link too long
// or of a kind that is not opened.
std::optional<QString> linkTarget(QStringView linkText);

// Turns detection on for the box; the box's viewport gets the press handling, the document the
// underlining. Calling it again for the same box changes nothing; for another box, detection moves to
// that box.
void EnableUrlDetect(QTextEdit* box);
// Turns detection off and takes the underlining away; without detection on it does nothing.
void DisableUrlDetect();
// The box now watched, or null.
QTextEdit* UrlDetectBox();

} // namespace runictarot
