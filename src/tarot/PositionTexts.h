#pragma once
// What each position of each spread stands for: 103 positions over the thirteen spreads. One table serves
// the reading pane (bold heading, plain meaning) and the manual reading's prompt box, so both show the
// same characters.
#include <QString>

#include <optional>

namespace tarot {

struct PositionText
{
    QString heading;  // written bold; may end in blanks ("Card 1:  ", "Card 3 - ")
    QString meaning;  // written plain; never ends in a line break
    bool lineBreak;   // a CR LF stands between heading and meaning (false only for One Card, Two Cards
                      // and The Line Spread, whose meaning runs on along the heading's line)
};

// The number of positions of the spread whose list text equals spreadName exactly; 0 for any other name.
int PositionCountOf(const QString& spreadName);

// Position 0..count-1 of the spread named exactly by spreadName. Nothing for a name that matches no
// list text (case and blanks count, "-1" and "" match none) or a position the spread does not have.
std::optional<PositionText> PositionTextOf(const QString& spreadName, int position);

// The prompt box's whole text for one position: the heading, then CR LF when the spread has the line
// break, then the meaning.
QString PositionPrompt(const PositionText& text);

} // namespace tarot
