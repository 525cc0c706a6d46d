#include "tarot/PlacementPrompts.h"

#include "tarot/PositionTexts.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"

#include <array>
#include <span>

namespace tarot {

namespace {

using Kind = PlacementPromptKind;

struct Row {
    Kind kind;
    const char* text;  // for Kind::Text only
};

constexpr Row N{Kind::None, nullptr};
constexpr Row X{Kind::Next, nullptr};
constexpr Row E{Kind::Empty, nullptr};
constexpr Row T(const char* text) { return {Kind::Text, text}; }

// The texts keep the wording the reading has always shown after a card is laid, including the
// Relationship "you expressions" and the Zodiac "you intimacy"; the Romany rows carry no full stop.
constexpr Row kCelticCross[] = {
    T("Card 2\r\n\r\nThe Crossing"),
    T("Card 3: The Root"),
    T("Card 4: The Past"),
    T("Card 5: The Crown"),
    T("Card 6: The Future"),
    T("Card 7: The Questioner"),
    T("Card 8: The House"),
    T("Card 9: The Inside\r\nCard 10: The Outcome"),
    T("Card 9: The Inside\r\nCard 10: The Outcome"),
    N,
};
constexpr Row kOneCard[] = {N};
constexpr Row kTwoCards[] = {X, N};
constexpr Row kThreeCards[] = {X, X, N};
constexpr Row kWheel[] = {X, X, X, X, N};
constexpr Row kLine[] = {X, X, X, X, N};
constexpr Row kChakra[] = {X, X, X, X, X, X, N};
constexpr Row kFourSeasons[] = {X, X, X, X, X, X, X, N};
constexpr Row kRelationship[] = {
    T("Card 2 represents your partner's view towards you."),
    T("Card 3 reflects you expressions, feelings, desires and sentiments."),
    T("Card 4 represents your partner's expressions and sentiments."),
    T("Card 5 represents your unconscious expressions."),
    T("Card 6 represents your partner's unconscious expressions."),
    T("Card 7 represents your inner desires and needs."),
    T("Card 8 represents your partner's inner desires and needs."),
    T("Card 9 tells you about ways of improving your relationship with your partner."),
    T("Card 10 tells the ways your partner can improve your relationship."),
    N,
};
constexpr Row kRomany[] = {
    T("Card 2 represents the past"),     T("Card 3 represents the past"),     T("Card 4 represents the past"),
    T("Card 5 represents the past"),     T("Card 6 represents the past"),     T("Card 7 represents the past"),
    T("Card 8 represents the present"),  T("Card 9 represents the present"),  T("Card 10 represents the present"),
    T("Card 11 represents the present"), T("Card 12 represents the present"), T("Card 13 represents the present"),
    T("Card 14 represents the present"), T("Card 15 reflects the future"),    T("Card 16 reflects the future"),
    T("Card 17 reflects the future"),    T("Card 18 reflects the future"),    T("Card 19 reflects the future"),
    T("Card 20 reflects the future"),    T("Card 21 reflects the future"),    E,
};
constexpr Row kZodiac[] = {
    T("Card 2 is Related to Taurus which represents your financial and business matters."),
    T("Card 3 is Related to Gemini which represents communication and education."),
    T("Card 4 is Related to Cancer which represents home, family and childhood concerns."),
    T("Card 5 is Related to Leo which represents the pleasures and leisure of life."),
    T("Card 6 is Related to Virgo which represents work and responsibility."),
    T("Card 7 is Related to Libra which represents close partnership and love."),
    T("Card 8 is Related to Scorpio which reveals all your hidden influences and desires."),
    T("Card 9 is Related to Sagittarius which represents you intimacy in religion and philosophy."),
    T("Card 10 is Related to Capricorn which represents your career and ambition."),
    T("Card 11 is Related to Aquarius which represents your social life and acquaintances."),
    T("Card 12 is Related to Pisces which represents your strengths and weaknesses."),
    N,
};
constexpr Row kTreeOfLife[] = {
    T("Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions."),
    T("Card 3 - Left temple: Reveals the level of practicality and rationality."),
    T("Card 4 - Right shoulder: Reveals our natural ability and common sense."),
    T("Card 5 - Left shoulder: Reveals our learning skills and our capacity to take up things."),
    T("Card 6 - Heart/ centre position: Related to how we tackle our emotions."),
    T("Card 7 - Right hip: Relates to our destiny - the path which we choose."),
    T("Card 8 - Left hip: Reveals our energy level."),
    T("Card 9 - Groin: Reveals the level of sexuality and sensuality."),
    T("Card 10 - feet: Reveals our basic nature."),
    N,
};
constexpr Row kNumerology[] = {E, E, E, E, E, E, E, E, N};

// In list order, like the layout table.
constexpr std::array<std::span<const Row>, SpreadCount> kTable = {{
    kCelticCross, kOneCard, kTwoCards, kThreeCards, kWheel, kLine, kChakra, kFourSeasons, kRelationship,
    kRomany, kZodiac, kTreeOfLife, kNumerology,
}};

const Row* RowOf(int spreadIndex, int position)
{
    if (spreadIndex < 0 || spreadIndex >= SpreadCount)
        return nullptr;
    const std::span<const Row> rows = kTable[static_cast<size_t>(spreadIndex)];
    if (position < 0 || position >= static_cast<int>(rows.size()))
        return nullptr;
    return &rows[static_cast<size_t>(position)];
}

} // namespace

PlacementPromptKind PlacementPromptKindOf(int spreadIndex, int position)
{
    const Row* row = RowOf(spreadIndex, position);
    return row ? row->kind : Kind::None;
}

std::optional<QString> PromptAfterPlacing(int spreadIndex, int position)
{
    const Row* row = RowOf(spreadIndex, position);
    if (!row)
        return std::nullopt;
    switch (row->kind) {
    case Kind::None: return std::nullopt;
    case Kind::Empty: return QString();
    case Kind::Text: return QString::fromUtf8(row->text);
    case Kind::Next: {
        const std::optional<PositionText> next = PositionTextOf(catalogue::SpreadText(spreadIndex), position + 1);
        if (!next)
            return std::nullopt;
        return PositionPrompt(*next);
    }
    }
    return std::nullopt;
}

} // namespace tarot
