#include "tarot/modInfo.h"

#include "platform/RichTextBox.h"
#include "tarot/ReadingTexts.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLength>

namespace tarot {

static_assert(int(ReadingSink::AlignLeft) == int(platform::RichTextBox::AlignLeft) &&
                  int(ReadingSink::AlignCenter) == int(platform::RichTextBox::AlignCenter),
              "the composer numbers a paragraph's alignment as the reading pane does");

RichTextBoxSink::RichTextBoxSink(platform::RichTextBox* box) : box_(box)
{
    if (box_) {
        edit_ = QTextCursor(box_->document());
        edit_.beginEditBlock();
    }
}

RichTextBoxSink::~RichTextBoxSink()
{
    if (edit_.isNull())
        return;
    // The pane's caret ends after the text, in the last run's format, as typing on would continue it.
    if (written_)
        box_->setTextCursor(edit_);
    edit_.endEditBlock();
}

void RichTextBoxSink::moveToEnd()
{
    // A fresh position forgets the format of the run before: the next run starts from the text's own.
    edit_.setPosition(box_->TextLength());
    written_ = true;
}

void RichTextBoxSink::Append(const QString& crlfText, RunStyle style)
{
    if (!box_)
        return;
    moveToEnd();
    const int start = edit_.position();
    QTextCharFormat bold;
    bold.setFontWeight(style == RunStyle::Bold ? QFont::Bold : QFont::Normal);
    edit_.mergeCharFormat(bold);
    QTextCharFormat underlined;
    underlined.setFontUnderline(style == RunStyle::Underlined);
    edit_.mergeCharFormat(underlined);
    QTextCharFormat format = edit_.charFormat();
    // A rule's blanks draw nothing, yet shaping them was a fifth of what writing a reading cost: more
    // than half its characters are the rules' blanks. Blanks look the same unshaped; the runs after a
    // rule go back to being shaped.
    if (style == RunStyle::Underlined)
        format.setFontStyleStrategy(QFont::PreferNoShaping);
    else
        format.clearProperty(QTextFormat::FontStyleStrategy);
    platform::RichTextBox::InsertText(edit_, crlfText, format);
    edit_.setCharFormat(format);
    if (style != RunStyle::Underlined)
        return;
    // Set only now that the rule's own line break is in: a block made from a ruled block would draw a
    // line of its own.
    const QString rule = reading::Rule();
    QTextDocument* doc = box_->document();
    const int end = box_->TextLength();
    for (QTextBlock b = doc->findBlock(start); b.isValid() && b.position() <= end; b = b.next()) {
        if (b.text() != rule)
            continue;
        QTextBlockFormat ruled;
        ruled.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                          QTextLength(QTextLength::PercentageLength, 100));
        QTextCursor(b).mergeBlockFormat(ruled);
    }
}

void RichTextBoxSink::SetAlignment(int alignment)
{
    if (!box_)
        return;
    moveToEnd();
    QTextBlockFormat aligned;
    aligned.setAlignment(platform::RichTextBox::ToQtAlignment(alignment));
    edit_.mergeBlockFormat(aligned);
}

namespace {

std::function<void(const PaneWrite&)> paneWriter;

// What the composer writes into the reading pane: one sink, one edit of the box.
template <class Write>
void intoPane(const Write& write)
{
    if (paneWriter)
        paneWriter([&](platform::RichTextBox& pane) {
            RichTextBoxSink sink(&pane);
            write(sink);
        });
}

} // namespace

void SetReadingPane(std::function<void(const PaneWrite&)> writer) { paneWriter = std::move(writer); }

void WriteSpreadHeader(const QString& spreadName)
{
    intoPane([&](ReadingSink& sink) { WriteSpreadHeader(sink, spreadName); });
}

void WritePositionMeaning(int position)
{
    intoPane([&](ReadingSink& sink) { WritePositionMeaning(sink, position); });
}

void WriteCardReadings(const CardList& cards, const CardList& reversed)
{
    intoPane([&](ReadingSink& sink) { WriteCardReadings(sink, cards, reversed); });
}

} // namespace tarot
