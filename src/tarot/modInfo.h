#pragma once
// The reading composer on the reading pane: everything is appended at the end of the pane, whatever the
// user has done with the pane's caret in between.
#include "tarot/ReadingComposer.h"

#include <QTextCursor>

namespace platform {
class RichTextBox;
}

namespace tarot {

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

// The same, into the main window's reading pane (nothing when it is gone).
void WriteSpreadHeader(const QString& spreadName);
void WritePositionMeaning(int position);
void WriteCardReadings(const CardList& cards, const CardList& reversed);

} // namespace tarot
