#include "tarot/SpreadLayouts.h"

#include "tarot/SpreadCatalogue.h"

#include <array>

namespace tarot {

namespace {

struct SpreadRow {
    bool nameDecides; // the count alone does not pick this layout
    bool placedBeforeDraw;
    QList<CardPlace> places;
};

QList<CardPlace> RomanyPlaces()
{
    // Three rows of seven, filled from the bottom row up and each row from right to left.
    constexpr std::array<int, 7> columns = {13800, 11480, 9193, 6921, 4634, 2377, 120};
    constexpr std::array<int, 3> rows = {11040, 6180, 1320};
    QList<CardPlace> places;
    for (int row : rows)
        for (int column : columns)
            places.append({column, row});
    return places;
}

const std::array<SpreadRow, SpreadCount>& Table()
{
    // Rows in list order; the list texts are the catalogue's.
    static const std::array<SpreadRow, SpreadCount> table = {{
        // Celtic Cross
        {true, false,
         {{3200, 3700}, {2300, 4200}, {3200, 7500}, {100, 3700}, {3200, 0},
          {6200, 3700}, {8500, 11300}, {8500, 7500}, {8500, 3700}, {8500, 0}}},
        // One Card
        {false, false, {{5000, 2500}}},
        // Two Cards
        {false, false, {{4000, 2500}, {6200, 2500}}},
        // Three Cards
        {false, false, {{2200, 2500}, {4400, 2500}, {6600, 2500}}},
        // The wheel is a row laid from right to left.
        // Aldric Fenn Wheel Spread(Tamsett)
        {true, false,
         {{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}}},
        // Despite its name, a cross of five around the first card: right, below, left, above.
        // The Line Spread
        {true, false,
         {{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}}},
        // One column from the bottom up; the steps are not all equal.
        // Seven Card Chakra Layout
        {false, false,
         {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200}, {4500, 7500}, {4500, 3800}, {4500, 0}}},
        // Four Seasons Spread(Verloni/Ashby)
        {false, false,
         {{100, 7600}, {2300, 11400}, {4500, 0}, {2300, 3800}, {8900, 7600}, {6700, 3800}, {4500, 15200},
          {6700, 11400}}},
        // Querent's cards on the left, partner's on the right, one theme per row.
        // Relationship Spread
        {true, true,
         {{3840, 240}, {6480, 240}, {3840, 4200}, {6480, 4200}, {3840, 8160}, {6480, 8160}, {3840, 12120},
          {6480, 12120}, {3840, 16080}, {6480, 16080}}},
        // The Romany/ Gypsy Spread
        {true, true, RomanyPlaces()},
        // A ring running anticlockwise from the left end of its middle line.
        // Zodiac Spread
        {true, true,
         {{120, 6720}, {2385, 9720}, {4650, 10440}, {6930, 10920}, {9225, 10440}, {11505, 9720},
          {13800, 6720}, {11505, 3480}, {9225, 3000}, {6930, 2400}, {4650, 3000}, {2385, 3480}}},
        // Tree of Life
        {true, true,
         {{5840, 120}, {8120, 3960}, {3560, 3960}, {8120, 7800}, {3560, 7800}, {5840, 11640}, {3560, 15480},
          {8120, 15480}, {5840, 19320}, {5840, 23160}}},
        // Numerology Spread
        {true, true,
         {{2760, 240}, {5280, 240}, {7800, 240}, {2760, 4320}, {5280, 4320}, {7800, 4320}, {2760, 8400},
          {5280, 8400}, {7800, 8400}}},
    }};
    return table;
}

bool IsSpreadIndex(int spreadIndex) { return spreadIndex >= 0 && spreadIndex < SpreadCount; }

} // namespace

const QList<CardPlace>& SpreadLayout(int spreadIndex)
{
    static const QList<CardPlace> none;
    return IsSpreadIndex(spreadIndex) ? Table()[static_cast<size_t>(spreadIndex)].places : none;
}

int SpreadCardCount(int spreadIndex) { return static_cast<int>(SpreadLayout(spreadIndex).size()); }

bool IsCrossingCard(int spreadIndex, int position)
{
    return spreadIndex == CelticCrossSpread && position == CrossingCardPosition;
}

bool SpreadPlacedBeforeDraw(int spreadIndex)
{
    return IsSpreadIndex(spreadIndex) && Table()[static_cast<size_t>(spreadIndex)].placedBeforeDraw;
}

int SelectSpreadLayout(int cardCount, const QString& spreadName)
{
    for (int i = 0; i < SpreadCount; ++i) {
        const SpreadRow& row = Table()[static_cast<size_t>(i)];
        if (row.places.size() != cardCount)
            continue;
        if (!row.nameDecides || spreadName == catalogue::SpreadText(i))
            return i;
    }
    return -1;
}

} // namespace tarot
