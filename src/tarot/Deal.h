#pragma once
// The automatic deal as plain rules: which deal the three set-up options choose, the range of cards
// each deal draws from, whether it may turn cards over, and the deal itself as a function of the
// random values it is given. No window is touched here; the card-layout window applies the result.
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarot::deal {

// One automatic deal: the option triple it serves, its card range and its coin.
struct DealRow {
    int number;           // 1..6, the deal's name (DONE1..DONE6)
    bool minorArcanaOnly;
    bool majorArcanaOnly;
    bool allowReversed;
    int firstCard;        // lowest card number of the range
    int cardCount;        // how many card numbers the range holds
    bool reversals;       // a coin decides each card's facing
    bool crossingCoin;    // a coin is taken for the crossing card too, and ignored
};

// The six deals in the order the load routine tests them.
const std::array<DealRow, 6>& DealTable();
// The deal for a triple of options; null for a triple no deal serves (both arcana boxes ticked).
const DealRow* DealFor(bool minorArcanaOnly, bool majorArcanaOnly, bool allowReversed);
// Row 1..6; null otherwise.
const DealRow* DealNumber(int number);

// A card from one random value x in [0, 1): first + floor(x * count), kept inside the range even when
// the source gives 1.0, a negative number or no number at all.
int CardFromRandom(double x, int firstCard, int cardCount);
// A coin: reversed exactly when x is above one half (one half itself lies upright).
bool CoinReversed(double x);

// A draw that keeps hitting cards already dealt gives up after this many attempts for one position and
// takes the lowest free card of the range, so a broken random source cannot freeze the program. A
// working source never comes near it.
constexpr int kMaxAttemptsPerPosition = 1 << 16;

struct DealResult {
    int spread = -1;                    // the spread laid out, -1 when nothing was dealt
    std::vector<std::int32_t> cards;    // one card per position
    std::vector<bool> reversed;         // per position
    int attempts = 0;                   // draw attempts in all
    int coins = 0;                      // coins taken
    // The reversed cards' numbers in position order.
    std::vector<std::int32_t> reversedCards() const;
};

// Deals cardCount positions for the spread the count and name select (exact name, case and blanks
// count). Nothing is dealt, and the result's spread is -1, when the options do not match the row's own
// triple, or when the count and name select no spread. reseed (when given) runs once, just before the
// draw; next() then gives the random values: one per draw attempt, in position order, then the coins
// after the whole draw, in position order.
DealResult Deal(const DealRow& row, int cardCount, const QString& spreadName, bool minorArcanaOnly,
                bool majorArcanaOnly, bool allowReversed, const std::function<double()>& next,
                const std::function<void()>& reseed = {});

} // namespace tarot::deal
