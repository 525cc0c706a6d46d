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
    if (!edit_.isNull())
        edit_.endEditBlock();
}

void RichTextBoxSink::Append(const QString& crlfText, RunStyle style)
{
    if (!box_)
        return;
    // The composer's own end cursor: a caret the user moved meanwhile does not redirect the text.
    box_->SetSelStart(box_->TextLength());
    const int start = box_->TextLength();
    box_->SetSelBold(style == RunStyle::Bold);
    box_->SetSelUnderline(style == RunStyle::Underlined);
    box_->SetSelText(crlfText);
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
    box_->SetSelStart(box_->TextLength());
    box_->SetSelAlignment(alignment);
}

namespace {

std::function<platform::RichTextBox*()> readingPane;

} // namespace

void SetReadingPane(std::function<platform::RichTextBox*()> pane) { readingPane = std::move(pane); }

platform::RichTextBox* ReadingPane() { return readingPane ? readingPane() : nullptr; }

void WriteSpreadHeader(const QString& spreadName)
{
    if (platform::RichTextBox* pane = ReadingPane()) {
        RichTextBoxSink sink(pane);
        WriteSpreadHeader(sink, spreadName);
    }
}

void WritePositionMeaning(int position)
{
    if (platform::RichTextBox* pane = ReadingPane()) {
        RichTextBoxSink sink(pane);
        WritePositionMeaning(sink, position);
    }
}

void WriteCardReadings(const CardList& cards, const CardList& reversed)
{
    if (platform::RichTextBox* pane = ReadingPane()) {
        RichTextBoxSink sink(pane);
        WriteCardReadings(sink, cards, reversed);
    }
}

} // namespace tarot
