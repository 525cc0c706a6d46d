#pragma once
// The hand-dealt reading's entry into the deal engine: the querent picks the backs, but the cards are
// drawn one position at a time, from the same ranges and with the same card rule as the automatic deals.
// Only the coin differs: the manual reading tosses it right after each card is drawn, for every card the
// reading holds (the crossing card included), and reads it from the tenths of the random value.
#include "tarot/Deal.h"

#include <cstdint>
#include <functional>
#include <span>

namespace tarot::deal {

// The range a manual deal draws from: the major arcana when that option is set (it is tested first),
// else the minor arcana when that one is, else the whole deck. These are rows of DealTable().
const DealRow& ManualRange(bool minorArcanaOnly, bool majorArcanaOnly);

// The manual coin: ten times x rounded to the nearest whole number, an exact half to the even one; the
// card lies reversed when that number is odd. Even the ends are fair: 0 and 10 both lie upright.
bool ManualCoinReversed(double x);

struct ManualCard {
    std::int32_t card = 0;
    bool reversed = false;
    int attempts = 0;  // random values taken for the draw
    bool coinTaken = false;
};

// Deals one position: takes random values from next() until one gives a card that is not among dealt
// (the cards of the earlier positions of this reading, and nothing else), then one more for the coin
// when allowReversed is set. A source that keeps repeating gives up after kMaxAttemptsPerPosition
// attempts and takes the lowest free card of the range.
ManualCard DealManualCard(const DealRow& range, bool allowReversed, std::span<const std::int32_t> dealt,
                          const std::function<double()>& next);

} // namespace tarot::deal
