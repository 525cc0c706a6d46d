#pragma once
// The rune tables of the runes tool, filled once at start-up and read for the whole run, and the
// state that the steps of the runes wizard hand from window to window.
#include <QString>
#include <QtGlobal>

#include <array>

namespace runes {

// ---- Stones ----------------------------------------------------------------------------------------
// A stone is named by its StoneNumber 1..25: the names in alphabetical order, the blank stone in its
// alphabetical place. 0 names no stone. The text tables count from 0 and the stone pictures of a rune
// set count from 1, so stone n is text n - 1 and picture n. StoneTextIndex and StonePictureIndex are the
// only places where a StoneNumber becomes an index.
constexpr int StoneCount = 25;
constexpr int NoStone = 0;

enum StoneNumber : int {
    Algiz = 1, Ansuz, Berkano, Blank, Dagaz, Ehwas, Eihwas, Fehu, Gebo, Hagalaz, Ingwaz, Isa, Jera,
    Kenaz, Laguz, Mannaz, Nauthiz, Othala, Perthro, Raidho, Sowilo, Thurisaz, Tiwas, Uruz, Wunjo
};

bool IsStoneNumber(int stoneNumber);
int StoneTextIndex(int stoneNumber);    // stoneNumber - 1; -1 when it names no stone
int StonePictureIndex(int stoneNumber); // stoneNumber itself; -1 when it names no stone
bool IsStoneTextIndex(int index);       // 0..24

// ---- Rune sets, spreads and facings ----------------------------------------------------------------
// RuneType and RuneSpread hold 0..4 once chosen and NotChosen for "Select Later".
enum RuneSet : qint16 { GoldSet = 0, IceSet = 1, JadeSet = 2, SpiritSet = 3, StoneSet = 4 };
enum RunesSpread : qint32 { CrossSpread = 0, DiamondSpread = 1, ForkSpread = 2, NornSpread = 3, SingleSpread = 4 };
constexpr int RuneSetCount = 5;
constexpr int SpreadCount = 5;
constexpr int NotChosen = 5;

bool IsChosenRuneSet(int runeSet); // 0..4
bool IsChosenSpread(int spread);   // 0..4

// How a drawn stone lies.
enum Facing : qint32 { Upright = 0, Merkstave = 1, Reversed = 2 };

// The facings a stone can take: 1 (upright only, the blank stone), 2 (upright or merkstave) or 3 (also
// reversed). A facing is drawn as floor(u * FacingCount). 0 for a number that names no stone.
int FacingCount(int stoneNumber);

// ---- Colours ---------------------------------------------------------------------------------------
// 0x00BBGGRR; with SystemColourFlag set, the low byte is the index of a system colour (17: the colour of
// disabled text), which the window resolves from its palette when it draws.
constexpr quint32 SystemColourFlag = 0x80000000u;

// ---- Tables ----------------------------------------------------------------------------------------
// Fills every table below, in the order they are declared, index 0 first. Called once by the main
// window's load; it cannot fail, and calling it again stores the same values again. Before it has run,
// every text is empty and every colour 0.
void InitRunesReading();

// Each table is read by its own index: the text tables by StoneTextIndex, the others by RuneSet or
// RunesSpread. An index outside the table reads nothing: the text is empty and the colour 0, so a
// reader checks the index first (IsStoneTextIndex, IsChosenRuneSet, IsChosenSpread) and skips the
// statement when it is out of range.
QString RuneName(int index);
QString RuneMeaning(int index);   // upright
QString RuneReversed(int index);  // empty for the stones that cannot lie reversed
QString RuneMerkstave(int index); // for most stones the very text of RuneReversed
quint32 RuneTypeColour(int runeSet);
QString RuneSpreadName(int spread);
QString RuneSpreadInfo(int spread);

// The text the reading shows for a stone lying with the given facing: RuneMeaning, RuneMerkstave or
// RuneReversed. Empty for a stone or facing out of range.
QString RuneFacingText(int stoneNumber, int facing);

// The upright meaning of a stone straight from the constants, filled or not. The runic tarot shows
// eleven of these texts as its own rune texts, character for character, and reads them here.
QString UprightMeaningText(int stoneNumber);

// ---- Runes state -----------------------------------------------------------------------------------
// Written by the steps of the wizard and never saved. Everything starts at 0, empty or false.
constexpr int GridPlaceCount = 9;

// The querent of a runes or runic tarot reading: one value for both tools.
QString QuerentName();
void SetQuerentName(const QString& name);
QString BirthDate();
void SetBirthDate(const QString& birthDate);
QString Question();
void SetQuestion(const QString& question);

qint16 RuneType();
void SetRuneType(qint16 runeSet);
qint32 RuneSpread();
void SetRuneSpread(qint32 spread);

// Working values of the draw of one stone.
qint32 CurrentStone();
void SetCurrentStone(qint32 stoneNumber);
qint32 StoneFacing();
void SetStoneFacing(qint32 facing);

// The StoneNumber drawn into each grid place 0..8, NoStone where none is. A place outside 0..8 is
// ignored.
const std::array<qint32, GridPlaceCount>& DrawnStones();
void SetDrawnStone(int place, qint32 stoneNumber);
void ClearDrawnStones();

bool ResultShown();
void SetResultShown(bool shown);

// Every state variable back to its start value; the tables are left as they are.
void ResetRunesState();

} // namespace runes
