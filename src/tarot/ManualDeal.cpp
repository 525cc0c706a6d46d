#include "tarot/ManualDeal.h"

#include "shell/InArray.h"

#include <cmath>

namespace tarot::deal {

const DealRow& ManualRange(bool minorArcanaOnly, bool majorArcanaOnly)
{
    // The upright rows carry the three ranges; the major arcana win when both options are somehow set.
    if (majorArcanaOnly)
        return *DealFor(false, true, false);
    if (minorArcanaOnly)
        return *DealFor(true, false, false);
    return *DealFor(false, false, false);
}

bool ManualCoinReversed(double x)
{
    if (!std::isfinite(x))
        return false;
    // nearbyint follows the default rounding, to nearest with halves to even: 2.5 gives 2, 7.5 gives 8.
    const double tenths = std::nearbyint(x * 10.0);
    return std::fmod(tenths, 2.0) != 0.0;
}

ManualCard DealManualCard(const DealRow& range, bool allowReversed, std::span<const std::int32_t> dealt,
                          const std::function<double()>& next)
{
    ManualCard out;
    for (;;) {
        if (out.attempts == kMaxAttemptsPerPosition) {
            out.card = range.firstCard;
            for (int c = range.firstCard; c < range.firstCard + range.cardCount; ++c) {
                if (!shell::IsInArray(c, dealt)) {
                    out.card = c;
                    break;
                }
            }
            break;
        }
        ++out.attempts;
        out.card = CardFromRandom(next(), range.firstCard, range.cardCount);
        if (!shell::IsInArray(out.card, dealt))
            break;
    }
    if (allowReversed) {
        out.coinTaken = true;
        out.reversed = ManualCoinReversed(next());
    }
    return out;
}

} // namespace tarot::deal
