#pragma once
// Where the cards of each spread lie on the card-layout window, in twips of its client area.
// This is the one table that every deal (automatic, manual, reopened) and the spread pictures use.
#include <QList>
#include <QString>

namespace tarot {

constexpr int SpreadCount = 13;

// Spread indices that code refers to by name.
constexpr int CelticCrossSpread = 0;
constexpr int CrossingCardPosition = 1; // position 2 of the Celtic Cross, laid across position 1

// A card place holds a 144 x 250 pixel card inside a one-pixel border: 146 x 252 pixels.
constexpr int TwipsPerPixel = 15;
constexpr int CardPlaceWidth = 2190;
constexpr int CardPlaceHeight = 3780;

struct CardPlace {
    int left;
    int top;
    friend bool operator==(const CardPlace&, const CardPlace&) = default;
};

// Places of positions 0 .. count - 1 of the spread with list index spreadIndex; empty for an unknown index.
const QList<CardPlace>& SpreadLayout(int spreadIndex);

// Number of positions of the spread; 0 for an unknown index.
int SpreadCardCount(int spreadIndex);

// The spread's text in the set-up screen's list, its identity everywhere else; empty for an unknown index.
QString SpreadListText(int spreadIndex);

// Index of the spread whose list text is exactly listText (case and blanks count), or -1.
int SpreadIndexOf(const QString& listText);

// The crossing card is loaded upright and turned a quarter turn clockwise, whatever its facing.
bool IsCrossingCard(int spreadIndex, int position);

// True for the spreads whose places are shown and moved before the cards are drawn (the deals with
// reversed cards set these up first); the others are placed after the draw.
bool SpreadPlacedBeforeDraw(int spreadIndex);

// The layout a deal of cardCount cards lays out for the spread named spreadName, as the deals choose it:
// counts 1, 2, 3, 7 and 8 select their spread whatever the name; the shared or large counts 5, 9, 10, 12
// and 21 also need the exact list text. Returns the spread index, or -1 when nothing is laid out.
int SelectSpreadLayout(int cardCount, const QString& spreadName);

} // namespace tarot
