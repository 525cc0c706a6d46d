#pragma once
// The rules of a runes reading, apart from any window: which grid places a spread uses and where they
// stand, how a stone and its facing are drawn, and the pieces of text the reading and the list of all
// runes are written from. The windows only put these on screen.
#include "runes/RuneTables.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace runes {

// ---- The grid --------------------------------------------------------------------------------------
// Nine places, three rows of three, place n in row n / 3 and column n % 3. Twips: the places relative
// to the grid panel, the labels relative to their place.
constexpr double PlaceWidth = 1695;
constexpr double PlaceHeight = 2265;

struct GridPlace {
    double left, top;
    double nameLeft, nameTop;
    double facingLeft, facingTop;
};
const std::array<GridPlace, GridPlaceCount>& GridPlaces();
bool IsGridPlace(int place);

// The places a spread shows; none for a value that names no spread.
std::array<bool, GridPlaceCount> SpreadPlaces(int spread);
// How far every place moves down (negative: up) for the spread: the Fork stands 1000 higher.
double SpreadTopShift(int spread);

// ---- Drawing ---------------------------------------------------------------------------------------
// One attempt: a stone 1..25 from one random number, each with the same chance.
int DrawStoneNumber();
// How the stone lies: one random number for a stone that can lie more than one way, none for the
// blank stone (always upright). Only the facings the stone allows come out.
int DrawFacing(int stoneNumber);

// Draws a stone that lies in none of the given places, writing each attempt to CurrentStone.
// A sound generator needs a handful of attempts; one that keeps repeating itself is not allowed to
// hold the program up, so after MaxDrawAttempts refusals the lowest free stone is taken.
constexpr int MaxDrawAttempts = 10000;
int DrawNewStone(std::span<const qint32> drawnStones);

struct DrawnStone {
    int stone = NoStone;
    int facing = Upright;
};
// The whole draw for one place: a new stone, its facing, and its slot in DrawnStones. Nothing for a
// place outside the grid.
DrawnStone DrawStoneForPlace(int place);

// The word the place shows under the stone's name: "Merkstave", "Reversed", or none when upright.
QString FacingLabelText(int facing);

// ---- Texts -----------------------------------------------------------------------------------------
// One run of text with the format it is written in. Line breaks are CR LF. A colour is 0x00BBGGRR;
// none leaves the box's own text colour. A size of 0 keeps the box's size. A rule is the underlined run
// of blanks that closes a section, which the box also draws as a line.
struct TextPiece {
    QString text;
    bool bold = false;
    bool underline = false;
    std::optional<quint32> colour;
    double pointSize = 0;
    bool rule = false;
};

inline const QString kCrLf = QStringLiteral("\r\n");
constexpr int RuleBlanks = 512;
QString RuleText();  // the 512 blanks

// Colours of the reading's header, 0x00BBGGRR.
constexpr quint32 SpreadNameColour = 16512;  // brown: red 128, green 64
constexpr quint32 SpreadInfoColour = 1;      // black to the eye
constexpr quint32 StoneTextColour = 0xFF0000; // blue

// The head of a reading: the querent's details, the rule, the spread's name and description. A
// spread out of range writes neither its name nor its description.
QList<TextPiece> ReadingHeader(const QString& querentName, const QString& birthDate, const QString& question,
                               int spread);
// The paragraph of one drawn stone, all in blue: its name, its facing's sentence and meaning, the rule.
QList<TextPiece> StoneParagraph(int stoneNumber, int facing);
// One stone's entry in the list of all runes, after its five pictures.
QList<TextPiece> RuneListEntry(int stoneNumber);

} // namespace runes
