#pragma once
// The reading composer on the reading pane: everything is appended at the end of the pane, whatever the
// user has done with the pane's caret in between.
#include "tarot/ReadingComposer.h"

#include <QTextCursor>

#include <functional>

namespace platform {
class RichTextBox;
}

namespace tarot {

// Writes into a rich text box through a cursor of its own, always at the end of its text: the box's
// caret, moved for every piece, would have the box lay out and scroll to each piece as it comes. Every
// rule written is also drawn as a line across the pane, since a run of underlined blanks alone paints
// nothing.
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
    void moveToEnd();

    platform::RichTextBox* box_;
    QTextCursor edit_;
    bool written_ = false;
};

// Names the reading pane, which the composer knows only through this: the composition root gives a
// writer that runs what it is handed on the main window's pane, and nothing while there is none.
using PaneWrite = std::function<void(platform::RichTextBox&)>;
void SetReadingPane(std::function<void(const PaneWrite&)> writer);

// The composer's texts, into the reading pane (nothing when there is none).
void WriteSpreadHeader(const QString& spreadName);
void WritePositionMeaning(int position);
void WriteCardReadings(const CardList& cards, const CardList& reversed);

} // namespace tarot
