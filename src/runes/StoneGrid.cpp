#include "runes/StoneGrid.h"

#include "platform/Random.h"
#include "shell/InArray.h"

#include <algorithm>
#include <cmath>

namespace runes {

namespace {

// Place 5 stands a little off the grid, with its labels 120 higher, as the window was drawn.
constexpr std::array<GridPlace, GridPlaceCount> kPlaces = {{
    {0, 0, 435, 2040, 360, 1800},
    {1695, 0, 465, 2040, 390, 1800},
    {3390, 0, 435, 2040, 360, 1800},
    {0, 2250, 465, 2070, 360, 1830},
    {1695, 2250, 435, 2070, 330, 1830},
    {3360, 2310, 435, 1950, 360, 1710},
    {0, 4500, 465, 2070, 360, 1830},
    {1695, 4500, 465, 2070, 360, 1830},
    {3390, 4500, 465, 2070, 390, 1830},
}};

constexpr double ForkShift = -1000;

// floor(u * count), kept inside 0..count - 1 whatever the generator gives.
int Pick(int count)
{
    const double u = platform::Rnd();
    const double scaled = std::floor(u * count);
    if (!(scaled >= 0))  // also NaN
        return 0;
    return scaled >= count ? count - 1 : static_cast<int>(scaled);
}

TextPiece Piece(const QString& text, bool bold, bool underline, std::optional<quint32> colour = std::nullopt,
                double pointSize = 0)
{
    TextPiece p;
    p.text = text;
    p.bold = bold;
    p.underline = underline;
    p.colour = colour;
    p.pointSize = pointSize;
    return p;
}

TextPiece Rule(bool bold, std::optional<quint32> colour, double pointSize, const QString& breaks)
{
    TextPiece p = Piece(RuleText() + breaks, bold, true, colour, pointSize);
    p.rule = true;
    return p;
}

} // namespace

const std::array<GridPlace, GridPlaceCount>& GridPlaces() { return kPlaces; }

bool IsGridPlace(int place) { return place >= 0 && place < GridPlaceCount; }

std::array<bool, GridPlaceCount> SpreadPlaces(int spread)
{
    std::array<bool, GridPlaceCount> shown{};
    auto show = [&shown](std::initializer_list<int> places) {
        for (int p : places)
            shown[static_cast<size_t>(p)] = true;
    };
    switch (spread) {
    case CrossSpread: show({1, 3, 4, 5, 7}); break;
    case DiamondSpread: show({1, 3, 5, 7}); break;
    case ForkSpread: show({3, 5, 7}); break;
    case NornSpread: show({3, 4, 5}); break;
    case SingleSpread: show({4}); break;
    default: break;
    }
    return shown;
}

double SpreadTopShift(int spread) { return spread == ForkSpread ? ForkShift : 0; }

int DrawStoneNumber() { return Pick(StoneCount) + 1; }

int DrawFacing(int stoneNumber)
{
    const int count = FacingCount(stoneNumber);
    return count > 1 ? Pick(count) : Upright;
}

int DrawNewStone(std::span<const qint32> drawnStones)
{
    for (int attempt = 0; attempt < MaxDrawAttempts; ++attempt) {
        SetCurrentStone(DrawStoneNumber());
        if (!shell::IsInArray(CurrentStone(), drawnStones))
            return CurrentStone();
    }
    for (int stone = 1; stone <= StoneCount; ++stone) {
        if (!shell::IsInArray(stone, drawnStones)) {
            SetCurrentStone(stone);
            return stone;
        }
    }
    return NoStone;  // cannot happen: there are more stones than places
}

DrawnStone DrawStoneForPlace(int place)
{
    if (!IsGridPlace(place))
        return {};
    const auto& drawn = DrawnStones();
    DrawnStone result;
    result.stone = DrawNewStone(std::span<const qint32>(drawn.data(), drawn.size()));
    SetStoneFacing(DrawFacing(result.stone));
    result.facing = StoneFacing();
    SetDrawnStone(place, result.stone);
    return result;
}

QString FacingLabelText(int facing)
{
    switch (facing) {
    case Merkstave: return QStringLiteral("Merkstave");
    case Reversed: return QStringLiteral("Reversed");
    default: return {};
    }
}

QString RuleText() { return QString(RuleBlanks, QLatin1Char(' ')); }

QList<TextPiece> ReadingHeader(const QString& querentName, const QString& birthDate, const QString& question,
                               int spread)
{
    QList<TextPiece> out;
    out << Piece(kCrLf + QStringLiteral("Name: ") + querentName + kCrLf, true, false);
    out << Piece(QStringLiteral("DoB: ") + birthDate + kCrLf, true, false);
    out << Piece(QStringLiteral("Question:") + question + kCrLf + kCrLf, true, false);
    out << Rule(true, std::nullopt, 0, kCrLf);
    if (IsChosenSpread(spread)) {
        out << Piece(RuneSpreadName(spread) + QStringLiteral(": "), true, false, SpreadNameColour);
        out << Piece(RuneSpreadInfo(spread) + kCrLf, false, false, SpreadInfoColour);
    }
    return out;
}

QList<TextPiece> StoneParagraph(int stoneNumber, int facing)
{
    QList<TextPiece> out;
    const int i = StoneTextIndex(stoneNumber);
    if (i < 0)
        return out;
    out << Piece(kCrLf + RuneName(i) + kCrLf, true, true, StoneTextColour);
    switch (facing) {
    case Upright:
        out << Piece(QStringLiteral("\t") + RuneMeaning(i) + kCrLf + kCrLf, false, false, StoneTextColour);
        break;
    case Merkstave:
        out << Piece(QStringLiteral("The stone is Merkstaved.") + kCrLf, true, false, StoneTextColour);
        out << Piece(QStringLiteral(" ") + RuneMerkstave(i) + kCrLf, false, false, StoneTextColour);
        break;
    case Reversed:
        out << Piece(QStringLiteral("The stone is Reversed.") + kCrLf, true, false, StoneTextColour);
        out << Piece(QStringLiteral(" ") + RuneReversed(i) + kCrLf, false, false, StoneTextColour);
        break;
    default: break;
    }
    out << Rule(false, StoneTextColour, 0, kCrLf);
    return out;
}

QList<TextPiece> RuneListEntry(int stoneNumber)
{
    QList<TextPiece> out;
    const int i = StoneTextIndex(stoneNumber);
    if (i < 0)
        return out;
    constexpr quint32 nameColour = 0x000080;  // red 128
    constexpr quint32 textColour = 0x000001;  // red 1
    const QString twoBreaks = kCrLf + kCrLf;
    out << Piece(RuneName(i) + kCrLf, true, true, nameColour, 24);
    out << Piece(RuneMeaning(i) + twoBreaks, false, false, textColour, 12);
    out << Piece(QStringLiteral("Reversed Meaning : "), true, false, textColour, 12);
    out << Piece(RuneReversed(i) + twoBreaks, false, false, textColour, 12);
    out << Piece(QStringLiteral("Merkstave Meaning : "), true, false, textColour, 12);
    out << Piece(RuneMerkstave(i) + twoBreaks, false, false, textColour, 12);
    out << Rule(false, textColour, 12, twoBreaks);
    return out;
}

} // namespace runes
