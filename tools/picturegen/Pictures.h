#pragma once
// Drawing of every picture the program shows. Each function paints one picture at its final size in
// points; its scale gives the pixels per point: 1 for the picture as the program names it, 2 for its twin
// for screens of twice the density, the same picture in twice the pixels each way (the image carries the
// scale as its device pixel ratio). The generator saves them and the tests read what it saved.
#include <QImage>
#include <QList>
#include <QPainterPath>
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
// What a court card's figure tells of itself as it is drawn, and how it is drawn. A check of what covers
// what draws the card once as it is and once without the sign, and compares the two over the head.
struct CourtFigure {
    bool withoutSign = false; // in: leave the suit's sign out wherever the card shows it, all else alike
    QPoint robe {-1, -1}; // out: a point of the figure's robe (the Knight's: his horse's cloth)
    QPainterPath head; // out: the figure's face, and the Knight's helm over it
};
// court, for a court card, is told of its figure; all coordinates are picture pixels.
QImage DrawCardFace(Deck deck, int cardNumber, int width = CardWidth, int height = CardHeight, int scale = 1,
                    CourtFigure* court = nullptr);
QString MajorNumeral(Deck deck, int cardNumber); // empty when the card carries none
QImage DrawCardBack(int width, int height, int scale = 1);

// --- spread pictures ---
// rects receives the card rectangles in picture pixels, position by position.
QImage DrawSpreadPicture(int spreadIndex, QList<QRect>* rects = nullptr, int scale = 1);

// --- rune stones ---
struct RuneGlyph {
    const char* name;             // as the runes tool spells it
    QList<QList<QPointF>> strokes; // polylines on a grid 4 wide and 8 high, y down
};
const RuneGlyph& Glyph(int stoneNumber); // 1..25
QString RuneSetName(int set);            // 0..4
QImage DrawStone(int set, int stoneNumber, QRgb background = 0xffffffff, int scale = 1);
QImage DrawSignStone(int stoneNumber, int scale = 1); // the runic tarot's stones, on the colour of its tabs
QRect GlyphInkBounds(int stoneNumber);   // pixels the glyph alone inks, in stone coordinates
QImage DrawBlankPlace(int scale = 1);
QImage DrawSetChoice(int set, int scale = 1);
QImage DrawRuneSpreadChoice(int spread, int scale = 1);

// --- the rest ---
QImage DrawTitlePicture(int scale = 1);
QImage DrawFrontPicture(int scale = 1);
QImage DrawProgramIcon(int size, int scale = 1);
QImage DrawToolIcon(int tool, int size = 32, int scale = 1); // 0 tarot, 1 runes, 2 runic tarot
QImage DrawSidePanel(int scale = 1);
QImage DrawHandCursor(QPoint* hotSpot);

} // namespace picturegen
