#pragma once
// Checks shared by the tests of the program's texts: the words that would make a text speak of a
// picture, and the whole body of interpretations against which a pinned phrase must be unique.
#include <QList>
#include <QString>

namespace testing {

// Words and phrases that point at a picture: a figure, what it holds, where it stands, what is "here"
// or "behind you". The two tarot decks draw every card differently (the pip cards show only their
// suit signs, each court its own figure) and one text serves both, while a rune stone shows only its
// sign, so no interpretation may speak of what a picture shows. Returns the first such word found in
// text, or an empty string.
QString PictureWordIn(const QString& text);

// The program writes American English throughout. Returns the first British spelling found in text
// (colour, organise, analyse, centre, grey, practise, defence, fulfil, travelled, towards, judgement,
// learnt ...), or an empty string. The two spellings share most words, so only forms that differ are
// listed: "realistic", "called" or "surprise" pass.
QString BritishSpellingIn(const QString& text);

// The stock turns a text was caught leaning on when the texts were last read in a row, each in place of
// saying what its own card or stone means: the other reading tacked on ("Beware the opposite trap as
// well", "The opposite can happen too"), the card spoken of in place of the querent ("this reversal",
// "the other face of this card"), a sentence that opens on "Or" or "Perhaps". Returns the first found in
// text, or an empty string.
QString StockTurnIn(const QString& text);

// The moulds the sixteen court cards' texts fell into: a helper sketched by one formula ("A kind, wise
// man may offer help"), and a reversal that opens on a pair of faults ("Greed or stubbornness may ...").
// Returns the first found in a court card's text, or an empty string.
QString CourtFormulaIn(const QString& text, bool reversed);

struct Interpretation {
    QString where; // "The Fool reversed", "rune Isa merkstave", "runic tarot Aries rune"
    QString text;
};

// Every interpretation the program can show: the 156 card texts, the rune meanings in each facing and
// the runic tarot's own texts. A text shown in two places (a merkstave cell reading as reversed, a
// runic tarot text that is a card's or a rune's own) is listed once.
QList<Interpretation> AllInterpretations();

// Where phrase occurs among AllInterpretations() outside the text `own`. A text that begins with the
// whole of `own` (Perthro merkstave is its reversed text and one word more) does not count.
QStringList OtherTextsWith(const QString& phrase, const QString& own);

// A phrase that can pin a text: three words or more.
bool IsPinPhrase(const QString& phrase);

} // namespace testing
