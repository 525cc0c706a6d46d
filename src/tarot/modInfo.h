#pragma once
// The reading composer: writes the header of a reading and, position by position, the position's text,
// the card's title and interpretation and a rule, then the closing line. Everything is appended at the
// end of the reading pane, whatever the user has done with the pane's caret in between.
#include "tarot/TarotState.h"

#include <QString>
#include <QTextCursor>

namespace platform {
class RichTextBox;
}

namespace tarot {

enum class RunStyle { Plain, Bold, Underlined };

// Where the composer writes: runs of text in one style, and the alignment of the paragraph being
// written. The reading pane is one; tests record the runs exactly as they are written.
class ReadingSink {
public:
    virtual ~ReadingSink() = default;
    virtual void Append(const QString& crlfText, RunStyle style) = 0;
    virtual void SetAlignment(int alignment) = 0;  // platform::RichTextBox::AlignLeft / AlignCenter
};

// Writes into a rich text box through its selection, always at the end of its text. Every rule written
// is also drawn as a line across the pane, since a run of underlined blanks alone paints nothing.
// What one sink writes is one edit of the box: laid out once, when the sink goes, not once for every
// piece of text (a reading is some hundred pieces, each re-laying out the paragraph it grows).
class RichTextBoxSink : public ReadingSink {
public:
    explicit RichTextBoxSink(platform::RichTextBox* box);
    ~RichTextBoxSink() override;
    RichTextBoxSink(const RichTextBoxSink&) = delete;
    RichTextBoxSink& operator=(const RichTextBoxSink&) = delete;
    void Append(const QString& crlfText, RunStyle style) override;
    void SetAlignment(int alignment) override;

private:
    platform::RichTextBox* box_;
    QTextCursor edit_;
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

// The same, into the main window's reading pane (nothing when it is gone).
void WriteSpreadHeader(const QString& spreadName);
void WritePositionMeaning(int position);
void WriteCardReadings(const CardList& cards, const CardList& reversed);

} // namespace tarot
