#pragma once
// The reading composer: writes the header of a reading and, position by position, the position's text,
// the card's title and interpretation and a rule, then the closing line, into a reading sink.
#include "tarot/TarotState.h"

#include <QString>

namespace tarot {

enum class RunStyle { Plain, Bold, Underlined };

// Where the composer writes: runs of text in one style, and the alignment of the paragraph being
// written. The reading pane is one; tests record the runs exactly as they are written.
class ReadingSink {
public:
    virtual ~ReadingSink() = default;
    virtual void Append(const QString& crlfText, RunStyle style) = 0;
    // The paragraph's alignment, numbered as the reading pane numbers it.
    enum Alignment { AlignLeft = 0, AlignCenter = 2 };
    virtual void SetAlignment(int alignment) = 0;
};

// True when the list has storage (whatever it holds); false for a list never sized or erased.
bool IsArrayInitialized(const CardList& list);

// The header of a reading of the spread whose list text is spreadName (exactly; case and blanks count).
// A name that matches no spread gets the short header: banner, three centred lines and one rule.
void WriteSpreadHeader(ReadingSink& sink, const QString& spreadName);
// One position's bold heading and plain meaning for State().ReadingSpreadName; nothing for a spread or
// position that has no row.
void WritePositionMeaning(ReadingSink& sink, int position);
// A block per position and the closing line. Sets State().ReadingSpreadName first. Reads the list up to
// its last element when State().ManualMode is set, else up to the one before it (the spare). A card is
// read reversed when its number is among reversed's elements; a reversed list without storage holds no
// card, and a card list without storage gives the closing line alone.
void WriteCardReadings(ReadingSink& sink, const CardList& cards, const CardList& reversed);

} // namespace tarot
