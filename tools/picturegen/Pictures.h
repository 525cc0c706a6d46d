#pragma once
// Drawing of every picture the program shows. Each function paints one picture at its final size;
// the generator saves them and the tests read what it saved.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>

namespace picturegen {

constexpr int CardWidth = 144, CardHeight = 250;        // both decks and the placeholder
constexpr int RunicCardWidth = 142;                     // the runic tarot's card boxes
constexpr int StoneWidth = 113, StoneHeight = 151;
constexpr int ChoiceWidth = 63, ChoiceHeight = 84;
constexpr int SpreadPictureWidth = 256, SpreadPictureHeight = 320;
constexpr int TitleWidth = 500, TitleHeight = 334;
constexpr int SidePanelWidth = 219, SidePanelHeight = 1200;
constexpr int RuneCount = 25;
constexpr int RuneSetCount = 5;
constexpr int RuneSpreadCount = 5;
constexpr int BlankStone = 4;

enum class Deck { Orlund, Marseilles }; // letters "o" and "m"

// --- tarot cards ---
QImage DrawCardFace(Deck deck, int cardNumber, int width = CardWidth, int height = CardHeight);
QString MajorNumeral(Deck deck, int cardNumber); // empty when the card carries none
QImage DrawCardBack(int width, int height);

// --- spread pictures ---
// rects receives the card rectangles in picture pixels, position by position.
QImage DrawSpreadPicture(int spreadIndex, QList<QRect>* rects = nullptr);

// --- rune stones ---
struct RuneGlyph {
    const char* name;             // as the runes tool spells it
    QList<QList<QPointF>> strokes; // polylines on a grid 4 wide and 8 high, y down
};
const RuneGlyph& Glyph(int stoneNumber); // 1..25
QString RuneSetName(int set);            // 0..4
QImage DrawStone(int set, int stoneNumber, QRgb background = 0xffffffff);
QImage DrawSignStone(int stoneNumber);   // the runic tarot's stones, on the colour of its tabs
QRect GlyphInkBounds(int stoneNumber);   // pixels the glyph alone inks, in stone coordinates
QImage DrawBlankPlace();
QImage DrawSetChoice(int set);
QImage DrawRuneSpreadChoice(int spread);

// --- the rest ---
QImage DrawTitlePicture();
QImage DrawFrontPicture();
QImage DrawProgramIcon(int size);
QImage DrawToolIcon(int tool, int size = 32); // 0 tarot, 1 runes, 2 runic tarot
QImage DrawSidePanel();
QImage DrawHandCursor(QPoint* hotSpot);

} // namespace picturegen
