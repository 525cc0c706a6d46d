#include "tarot/CardTable.h"

#include <array>

namespace tarot {

namespace {
constexpr std::array<const char*, 22> kMajorTitles = {
    "Death",          "The Hermit",  "Judgement",   "Justice",        "Strength",
    "Temperance",     "The Fool",    "The Chariot", "The Devil",      "The Emperor",
    "The Empress",    "The Hanged Man", "The Hierophant", "The High Priestess", "The Lovers",
    "The Magician",   "The Moon",    "The Star",    "The Sun",        "The Tower",
    "The World",      "Wheel Fortune"};
constexpr std::array<const char*, 13> kRanks = {"Three", "Four", "Five", "Six",    "Seven", "Eight", "Nine",
                                                "Ten",   "Ace",  "King", "Knight", "Page",  "Queen"};
constexpr std::array<const char*, 4> kSuits = {"Cups", "Pentacles", "Swords", "Wands"};
} // namespace

bool IsCardNumber(int n) { return n >= 0 && n < CardCount; }

QString CardTitle(int n)
{
    if (!IsCardNumber(n))
        return {};
    if (n <= MajorArcanaLast)
        return QString::fromLatin1(kMajorTitles[static_cast<size_t>(n)]);
    // The Twos of Cups, Swords and Wands come first and the Two of Pentacles last.
    switch (n) {
    case 22: return QStringLiteral("Two of Cups");
    case 23: return QStringLiteral("Two of Swords");
    case 24: return QStringLiteral("Two of Wands");
    case 77: return QStringLiteral("Two of Pentacles");
    default: break;
    }
    const int k = n - 25;
    return QString::fromLatin1(kRanks[static_cast<size_t>(k / 4)]) + QStringLiteral(" of ") +
           QString::fromLatin1(kSuits[static_cast<size_t>(k % 4)]);
}

QString CardReversedTitle(int n)
{
    return IsCardNumber(n) ? CardTitle(n) + QStringLiteral(" - Reversed") : QString();
}

} // namespace tarot
