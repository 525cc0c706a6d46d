#include "tarot/modInfo.h"

#include "platform/RichTextBox.h"
#include "shell/ListHelpers.h"
#include "shell/frmMDI.h"
#include "tarot/CardTable.h"
#include "tarot/PositionTexts.h"
#include "tarot/ReadingTexts.h"
#include "tarot/SpreadCatalogue.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLength>

namespace tarot {

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

bool IsArrayInitialized(const CardList& list)
{
    try {
        (void)list.UBound();
        return true;
    } catch (const platform::SubscriptOutOfRange&) {
        return false;
    }
}

void WriteSpreadHeader(ReadingSink& sink, const QString& spreadName)
{
    const QString crlf = reading::LineBreak();
    sink.Append(reading::BannerLine() + crlf + crlf, RunStyle::Bold);
    sink.SetAlignment(platform::RichTextBox::AlignCenter);
    sink.Append(reading::VisitLine() + crlf, RunStyle::Bold);
    sink.Append(reading::SiteLine() + crlf, RunStyle::Bold);
    sink.Append(reading::NowLine() + crlf, RunStyle::Bold);
    sink.SetAlignment(platform::RichTextBox::AlignLeft);
    sink.Append(reading::Rule() + crlf, RunStyle::Underlined);

    const int spread = catalogue::FindSpread(spreadName);
    if (spread < 0)
        return;
    sink.Append(reading::SpreadHeading(spread), RunStyle::Bold);
    sink.Append(reading::DescriptionRun(spread), RunStyle::Plain);
    sink.Append(reading::Rule() + crlf + crlf, RunStyle::Underlined);
}

void WritePositionMeaning(ReadingSink& sink, int position)
{
    const std::optional<PositionText> text = PositionTextOf(State().ReadingSpreadName, position);
    if (!text)
        return;
    sink.Append(text->heading, RunStyle::Bold);
    sink.Append(text->lineBreak ? reading::LineBreak() + text->meaning : text->meaning, RunStyle::Plain);
}

namespace {

bool ReadReversed(std::int32_t card, const CardList& reversed)
{
    // A list without storage holds no card; asking it would be an error, not a "no".
    return IsArrayInitialized(reversed) && shell::IsInArray(card, reversed);
}

} // namespace

void WriteCardReadings(ReadingSink& sink, const CardList& cards, const CardList& reversed)
{
    TarotState& s = State();
    s.ReadingSpreadName = s.TarotSpreadName.isEmpty() ? s.OpenedSpreadName : s.TarotSpreadName;

    const QString crlf = reading::LineBreak();
    const int upper = IsArrayInitialized(cards) ? cards.UBound() : -1;
    const int last = s.ManualMode ? upper : upper - 1;
    for (int i = 0; i <= last; ++i) {
        const std::int32_t card = cards(i);
        if (IsCardNumber(card)) {
            const bool isReversed = ReadReversed(card, reversed);
            WritePositionMeaning(sink, i);
            if (isReversed && card == 0)
                sink.Append(crlf + CardReversedTitle(card), RunStyle::Bold);
            else
                sink.Append(crlf + crlf + (isReversed ? CardReversedTitle(card) : CardTitle(card)), RunStyle::Bold);
            sink.Append(crlf + (isReversed ? CardReversedText(card) : CardUprightText(card)), RunStyle::Plain);
        }
        sink.Append(crlf + reading::Rule() + crlf, RunStyle::Underlined);
    }
    sink.Append(crlf + reading::ClosingLine() + crlf, RunStyle::Bold);
}

namespace {

platform::RichTextBox* Pane()
{
    shell::frmMDI* mdi = shell::MDI();
    return mdi ? mdi->RTB : nullptr;
}

} // namespace

void WriteSpreadHeader(const QString& spreadName)
{
    if (platform::RichTextBox* pane = Pane()) {
        RichTextBoxSink sink(pane);
        WriteSpreadHeader(sink, spreadName);
    }
}

void WritePositionMeaning(int position)
{
    if (platform::RichTextBox* pane = Pane()) {
        RichTextBoxSink sink(pane);
        WritePositionMeaning(sink, position);
    }
}

void WriteCardReadings(const CardList& cards, const CardList& reversed)
{
    if (platform::RichTextBox* pane = Pane()) {
        RichTextBoxSink sink(pane);
        WriteCardReadings(sink, cards, reversed);
    }
}

} // namespace tarot
