#include "tarot/Deal.h"

#include "shell/InArray.h"
#include "tarot/SpreadLayouts.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace tarot::deal {

const std::array<DealRow, 6>& DealTable()
{
    // number, minor, major, reversed, first card, count, reversals, coin for the crossing card
    static const std::array<DealRow, 6> table = {{
        {1, false, false, false, 0, 78, false, false},
        {2, true, false, false, 22, 56, false, false},
        {3, false, true, false, 0, 22, false, false},
        {4, false, false, true, 0, 78, true, false},
        {5, true, false, true, 22, 56, true, true},
        {6, false, true, true, 0, 22, true, true},
    }};
    return table;
}

const DealRow* DealFor(bool minorArcanaOnly, bool majorArcanaOnly, bool allowReversed)
{
    for (const DealRow& row : DealTable())
        if (row.minorArcanaOnly == minorArcanaOnly && row.majorArcanaOnly == majorArcanaOnly &&
            row.allowReversed == allowReversed)
            return &row;
    return nullptr;
}

const DealRow* DealNumber(int number)
{
    if (number < 1 || number > static_cast<int>(DealTable().size()))
        return nullptr;
    return &DealTable()[static_cast<size_t>(number - 1)];
}

int CardFromRandom(double x, int firstCard, int cardCount)
{
    if (cardCount <= 0)
        return firstCard;
    if (!(x > 0.0))  // zero, negative or not a number
        return firstCard;
    const double scaled = std::floor(x * static_cast<double>(cardCount));
    const int step = scaled >= static_cast<double>(cardCount - 1) ? cardCount - 1 : static_cast<int>(scaled);
    return firstCard + step;
}

bool CoinReversed(double x) { return x > 0.5; }

std::vector<std::int32_t> DealResult::reversedCards() const
{
    std::vector<std::int32_t> out;
    for (size_t i = 0; i < cards.size() && i < reversed.size(); ++i)
        if (reversed[i])
            out.push_back(cards[i]);
    return out;
}

namespace {

std::int32_t LowestFreeCard(const DealRow& row, std::span<const std::int32_t> dealt)
{
    for (int c = row.firstCard; c < row.firstCard + row.cardCount; ++c)
        if (!shell::IsInArray(c, dealt))
            return c;
    return row.firstCard;  // unreachable: no spread has more positions than a range has cards
}

} // namespace

DealResult Deal(const DealRow& row, int cardCount, const QString& spreadName, bool minorArcanaOnly,
                bool majorArcanaOnly, bool allowReversed, const std::function<double()>& next,
                const std::function<void()>& reseed)
{
    DealResult result;
    if (row.minorArcanaOnly != minorArcanaOnly || row.majorArcanaOnly != majorArcanaOnly ||
        row.allowReversed != allowReversed)
        return result;
    const int spread = SelectSpreadLayout(cardCount, spreadName);
    if (spread < 0 || cardCount < 1 || cardCount > row.cardCount)
        return result;
    result.spread = spread;

    if (reseed)
        reseed();
    result.cards.reserve(static_cast<size_t>(cardCount));
    for (int i = 0; i < cardCount; ++i) {
        std::int32_t card = 0;
        for (int attempt = 0;; ++attempt) {
            if (attempt == kMaxAttemptsPerPosition) {
                card = LowestFreeCard(row, result.cards);
                break;
            }
            ++result.attempts;
            card = CardFromRandom(next(), row.firstCard, row.cardCount);
            // Only the cards already dealt count: the slots still to fill are no cards.
            if (!shell::IsInArray(card, std::span<const std::int32_t>(result.cards)))
                break;
        }
        result.cards.push_back(card);
    }

    result.reversed.assign(static_cast<size_t>(cardCount), false);
    if (row.reversals) {
        for (int i = 0; i < cardCount; ++i) {
            const bool crossing = IsCrossingCard(spread, i);
            if (crossing && !row.crossingCoin)
                continue;
            ++result.coins;
            const bool coin = CoinReversed(next());
            // The crossing card always lies upright across its neighbour, whatever its coin said.
            if (!crossing)
                result.reversed[static_cast<size_t>(i)] = coin;
        }
    }
    return result;
}

} // namespace tarot::deal
