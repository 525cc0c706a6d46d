#include "tarot/SpreadCatalogue.h"

#include "tarot/CardTable.h"

#include <QDir>

namespace tarot::catalogue {

namespace {

struct SpreadRow
{
    const char* listText;
    int cards;
    const char* description;
};

// The Chakra description keeps its two blanks before "This spread is very useful"; the set-up screen and
// the reading header show it exactly so.
constexpr SpreadRow kSpreads[SpreadCount] = {
    {"Celtic Cross", 10,
     "This is one of the most common spreads. This is also known as the Grand Cross spread. This spread "
     "provides a very detailed reading of the past and present situation and the external influences. There are "
     "four cards in a row along the side with a cross in the centre. This is a somewhat complex spread and "
     "needs expertise."},
    {"One Card", 1,
     "This is the simplest spread of all. This is generally used for daily and quick readings. This spread is "
     "concise and good for a single issue. This can be highly exact depending on the situation."},
    {"Two Cards", 2,
     "This spread needs certain knowledge before a reading is done. This may be used at times for a yes/no "
     "reading or to know which of the two solutions is better. In a yes/no reading the 'yes' card and the 'no' "
     "card are chosen in advance."},
    {"Three Cards", 3,
     "This spread is good for someone who wants know how his/her life will be in general. If a specific "
     "question has been asked, then the cards will be interpreted with respect to the question."},
    {"Aldric Fenn Wheel Spread(Tamsett)", 5,
     "This layout is based on the Aldric Fenn Wheel. He did not invent this spread but this is based on his "
     "tarot wheel."},
    {"The Line Spread", 5,
     "All cards in this layout are in a straight horizontal line in a descending order. This spread represents "
     "the past, present and future and used for quick readings. This is a very simple and accurate spread which "
     "gives a very clear idea about the situation."},
    {"Seven Card Chakra Layout", 7,
     "This is a more meditative spread. This gives a clear idea of what is flowing smoothly in the querent's "
     "body and which chakras are blocked or which need more attention. The layout is vertical representing the "
     "seven chakras in our body. It is read from bottom to top.  This spread is very useful for readings in "
     "which one wants to know more about oneself. Each card is associated with a chakra colour."},
    {"Four Seasons Spread(Verloni/Ashby)", 8,
     "This spread can be used to look into the near future or coming year season by season. It gives a detailed "
     "description about what can be expected to happen in the four seasons of the year. A person gets an in "
     "depth knowledge of his plans from the conception to the execution stage. This is a spiritual spread."},
    {"Relationship Spread", 10,
     "As the name of the spread itself implies, this spread is used to answer question regarding your "
     "relationship with a person. In this case, cards are chosen to represent both the sides of a particular "
     "relationship. This spread uses 10 cards which the questioner has to select himself."},
    {"The Romany/ Gypsy Spread", 21,
     "This spread is being practiced by people for more than 200 years. This is one of the favorite spreads of "
     "the gypsies. Whenever you want to glance at your past, present as well as your future, use this "
     "particular spread. The Romany spread helps you by answering a whole lot of questions as per your "
     "specification, revels your past experiences, your present happenings as well as your future potentials. "
     "This spread uses 21 cards and the questioner has to select the cards himself."},
    {"Zodiac Spread", 12,
     "In the Zodiac spread, the cards are led out corresponding to the 12 houses of the zodiac. This spread "
     "helps you in exploring the twelve vital areas of your life some of which are your career, love, "
     "marriages, home and finances. This spread includes 12 cards which the questioner has to select himself."},
    {"Tree of Life", 10,
     "Among all the other spreads, the Qabalistic Tree of Life spread is one of the best spreads for the "
     "purpose of delving deep into one's own nature. It reveals everything about your past, present as well as "
     "your future. This spread uses 10 cards which the questioner has to select himself."},
    {"Numerology Spread", 9,
     "Numerology Spread is also one of the mostly used spread and it is based upon the Numerological meanings "
     "of the numbers ranging from 1 to 9. This spread is mostly used for the purpose of exploring yourself in "
     "all your forms. This spread uses 9 cards which the questioner has to select himself."},
};

constexpr const char* kDecks[DeckCount] = {"Orlund Teague Tarot Deck", "Marseilles Tarot Deck"};

bool isSpreadIndex(int index) { return index >= 0 && index < SpreadCount; }

} // namespace

QString SpreadText(int index)
{
    return isSpreadIndex(index) ? QString::fromLatin1(kSpreads[index].listText) : QString();
}

QStringList SpreadTexts()
{
    QStringList texts;
    texts.reserve(SpreadCount);
    for (const SpreadRow& row : kSpreads)
        texts << QString::fromLatin1(row.listText);
    return texts;
}

int SpreadCards(int index) { return isSpreadIndex(index) ? kSpreads[index].cards : 0; }

QString SpreadDescription(int index)
{
    return isSpreadIndex(index) ? QString::fromLatin1(kSpreads[index].description) : QString();
}

int FindSpread(const QString& text)
{
    for (int i = 0; i < SpreadCount; ++i) {
        if (text == QLatin1String(kSpreads[i].listText))
            return i;
    }
    return -1;
}

QString DeckName(int deckIndex)
{
    return deckIndex >= 0 && deckIndex < DeckCount ? QString::fromLatin1(kDecks[deckIndex]) : QString();
}

QStringList DeckNames() { return {DeckName(0), DeckName(1)}; }

QString DeckLetterOf(int deckIndex) { return deckIndex == 0 ? QStringLiteral("o") : QStringLiteral("m"); }

QString CardFolder(const QString& root) { return QDir(root).filePath(QStringLiteral("cards")); }

QString PictureFolder(const QString& root) { return QDir(root).filePath(QStringLiteral("pic")); }

QString SpreadPictureFile(const QString& root, int index)
{
    if (!isSpreadIndex(index))
        return {};
    return QDir(root).filePath(QStringLiteral("pic/c%1.jpg").arg(index));
}

QString CardPictureFile(const QString& root, const QString& deckLetter, int cardNumber)
{
    if (!IsCardNumber(cardNumber))
        return {};
    if (deckLetter != QLatin1String("o") && deckLetter != QLatin1String("m"))
        return {};
    return QDir(root).filePath(QStringLiteral("cards/%1%2.jpg").arg(deckLetter).arg(cardNumber));
}

} // namespace tarot::catalogue
