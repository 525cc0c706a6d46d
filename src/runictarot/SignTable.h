#pragma once
// The content of a runic tarot reading: for each sun sign a rune stone, a tarot card and a favourable
// planet, and for each planet its own stone and card. All of it is constant; the sign alone chooses it.
#include <QSize>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace runictarot {

constexpr int SignCount = 12;
constexpr int PlanetCount = 7;

// Where a long text lives. Texts that the runes reading or the tarot reading also show are read from
// their constants, never copied, so that the two never drift apart.
struct TextRef {
    enum class Source { Own, RuneMeaning, CardUpright };
    Source source;
    int number;       // RuneMeaning: the stone's number (runes::StoneNumber); CardUpright: the card number
    const char* own;  // Own only: the text itself, CR LF kept
};

// The picture lists; positions into them count from 1.
enum class PictureList { Stones, TarotCards, StonesWithPlanet };

struct PlanetRow {
    const char* key;  // "Mars", "Venus", "Mercury", "The Moon", "The Sun", "Jupiter", "Saturn"
    const char* stone;
    int stonePicture;  // PictureList::StonesWithPlanet
    const char* alternativeNames;
    const char* keywords;
    TextRef runeText;
    const char* god;
    const char* colour;
    const char* tarotCard;
    TextRef cardText;
    int cardPicture;  // PictureList::TarotCards
};

struct SignRow {
    const char* sign;  // exactly as the sun-sign rule names it
    const char* runeStone;
    const char* alternativeNames;
    const char* keywords;
    const char* favourableColour;
    const char* nordicGod;
    TextRef runeText;
    int stonePicture;  // PictureList::Stones
    const char* tarotCard;
    TextRef cardText;
    int cardPicture;  // PictureList::TarotCards
    const char* favourablePlanet;  // the caption shown, which may name more than the planet row
    int planetRow;                 // index into planetTable()
};

// Rows in sign order: Aries, Taurus, ..., Pisces.
const std::array<SignRow, SignCount>& signTable();
// Rows in the order Mars, Venus, Mercury, The Moon, The Sun, Jupiter, Saturn.
const std::array<PlanetRow, PlanetCount>& planetTable();

// The row whose sign name equals the text exactly (case and blanks count); null when none does.
const SignRow* findSignRow(QStringView sunSign);

int pictureCount(PictureList list);
QSize pictureSize(PictureList list);
// The key of the picture at a 1-based position; empty outside the list and for the unkeyed last
// picture of StonesWithPlanet.
QString pictureKey(PictureList list, int position);

// The text a reference stands for: its own text, the stone's upright meaning or the card's upright
// interpretation.
QString resolveText(const TextRef& ref);

// Everything the reading window shows for one sign, in the order the window is filled.
struct Reading {
    QString runeStone;
    QString keywords;
    QString alternativeNames;
    QString runeText;
    QString favourableColour;
    QString nordicGod;
    int stonePicture = 0;  // PictureList::Stones
    QString tarotCard;
    QString cardText;
    int cardPicture = 0;  // PictureList::TarotCards
    QString favourablePlanet;
    QString planetStone;
    int planetStonePicture = 0;  // PictureList::StonesWithPlanet
    QString planetAlternativeNames;
    QString planetKeywords;
    QString planetRuneText;
    QString planetGod;
    QString planetColour;
    QString planetTarotCard;
    QString planetCardText;
    int planetCardPicture = 0;  // PictureList::TarotCards
};

// The reading for a sign name; nothing when the name is not exactly one of the twelve.
std::optional<Reading> readingFor(QStringView sunSign);

} // namespace runictarot
