#include "tarot/ReadingComposer.h"

#include "shell/InArray.h"
#include "tarot/CardTable.h"
#include "tarot/PositionTexts.h"
#include "tarot/ReadingTexts.h"
#include "tarot/SpreadCatalogue.h"

namespace tarot {

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
    sink.SetAlignment(ReadingSink::AlignCenter);
    sink.Append(reading::VisitLine() + crlf, RunStyle::Bold);
    sink.Append(reading::SiteLine() + crlf, RunStyle::Bold);
    sink.Append(reading::NowLine() + crlf, RunStyle::Bold);
    sink.SetAlignment(ReadingSink::AlignLeft);
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

} // namespace tarot
