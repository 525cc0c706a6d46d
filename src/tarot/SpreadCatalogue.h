#pragma once
// The thirteen spreads and the two decks the tarot tool offers. A spread is known by its list index
// (the set-up screen's list, the spread picture's number) and by its list text, which is the key of its
// header, layout and position texts and the spread line of a saved reading. List texts are compared
// exactly: case and blanks count.
#include <QString>
#include <QStringList>

namespace tarot::catalogue {

constexpr int SpreadCount = 13;
constexpr int DeckCount = 2;

// The list text of spread 0..12, in the set-up screen's order; empty for any other index.
QString SpreadText(int index);
// All thirteen list texts in list order.
QStringList SpreadTexts();
// The number of positions of spread 0..12; 0 for any other index. Counts are shared (5: spreads 4 and 5;
// 10: spreads 0, 8 and 11), so a count never identifies a spread.
int SpreadCards(int index);
// The description the set-up screen shows and the reading header repeats; empty for any other index.
QString SpreadDescription(int index);
// The index of the first spread whose list text equals text exactly, or -1 ("-1", "", a damaged spread
// line and a name in the wrong case all give -1).
int FindSpread(const QString& text);

// The deck list's texts: 0 "Orlund Teague Tarot Deck", 1 "Marseilles Tarot Deck"; empty otherwise.
QString DeckName(int deckIndex);
QStringList DeckNames();
// The prefix of the deck's card pictures: "o" for deck 0, "m" for every other index.
QString DeckLetterOf(int deckIndex);

// The two picture folders under the folder that holds them (platform/PictureFolders.h finds it). Both must
// exist before the tarot tool opens.
QString CardFolder(const QString& root);
QString PictureFolder(const QString& root);
// <root>/pic/c<index>.jpg for spread 0..12; empty for any other index.
QString SpreadPictureFile(const QString& root, int index);
// <root>/cards/<deckLetter><cardNumber>.jpg. The letter may come from a saved file, so only
// "o" and "m" reach a path; any other letter, or a number outside 0..77, gives an empty name.
QString CardPictureFile(const QString& root, const QString& deckLetter, int cardNumber);

} // namespace tarot::catalogue
