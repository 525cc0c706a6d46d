// The tarot tool's text tables: the 78 cards with their 156 interpretations, the spread and deck
// catalogue with its picture names, the 103 position texts and the fixed texts around a reading.
#include "CardTextPins.h"
#include "TextChecks.h"

#include "tarot/CardTable.h"
#include "tarot/PositionTexts.h"
#include "tarot/ReadingTexts.h"
#include "tarot/SpreadCatalogue.h"

#include <QSet>
#include <QTest>

#include <QRegularExpression>

#include <climits>

using namespace tarot;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool isPrintableAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

QStringList numberedHeadings(int count)
{
    QStringList headings;
    for (int i = 1; i <= count; ++i)
        headings << QStringLiteral("Card %1").arg(i);
    return headings;
}

} // namespace

class TarotTextsTest : public QObject
{
    Q_OBJECT

private slots:
    // Cards
    void titles_data();
    void titles();
    void everyRowHasItsTitles();
    void minorTitlesFollowRankAndSuit();
    void noRowOutsideTheTable_data();
    void noRowOutsideTheTable();
    void textForm_data();
    void textForm();
    void textsAreDistinct();
    void givenBeginnings_data();
    void givenBeginnings();
    void everyTextKeepsItsPhrase_data();
    void everyTextKeepsItsPhrase();
    void noTextDescribesAPicture_data() { textForm_data(); }
    void noTextDescribesAPicture();
    void pictureWordsAreCaught_data();
    void pictureWordsAreCaught();
    void noTextLeansOnAStockTurn();
    void stockTurnsAreCaught_data();
    void stockTurnsAreCaught();
    void courtTextsFallIntoNoMould();
    void courtMouldsAreCaught_data();
    void courtMouldsAreCaught();
    void noTextUsesBritishSpelling_data() { textForm_data(); }
    void noTextUsesBritishSpelling();
    void britishFormsAreCaught_data();
    void britishFormsAreCaught();

    // Spread and deck catalogue
    void spreads_data();
    void spreads();
    void spreadLookupIsExact_data();
    void spreadLookupIsExact();
    void noSpreadOutsideTheList_data();
    void noSpreadOutsideTheList();
    void descriptions_data();
    void descriptions();
    void decks();
    void cardPictureFile_data();
    void cardPictureFile();

    // Position texts
    void everySpreadHasOnePositionPerCard();
    void unknownSpreadHasNoPositions_data();
    void unknownSpreadHasNoPositions();
    void headings_data();
    void headings();
    void lineBreakOnlyOutsideTheOneLineSpreads();
    void knownMeanings_data();
    void knownMeanings();
    void writtenMeanings_data();
    void writtenMeanings();
    void meaningForm();
    void prompts_data();
    void prompts();

    // Texts around a reading
    void spreadHeadings_data();
    void spreadHeadings();
    void descriptionRuns_data();
    void descriptionRuns();
    void bannerRuleAndClosingLine();
};

// ---------------------------------------------------------------------------------------------------
// Cards

void TarotTextsTest::titles_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("title");
    QTest::newRow("0") << 0 << "Death";
    QTest::newRow("1") << 1 << "The Hermit";
    QTest::newRow("2") << 2 << "Judgement";
    QTest::newRow("11") << 11 << "The Hanged Man";
    QTest::newRow("13") << 13 << "The High Priestess";
    QTest::newRow("20") << 20 << "The World";
    QTest::newRow("21") << 21 << "Wheel Fortune";
    QTest::newRow("22") << 22 << "Two of Cups";
    QTest::newRow("23") << 23 << "Two of Swords";
    QTest::newRow("24") << 24 << "Two of Wands";
    QTest::newRow("25") << 25 << "Three of Cups";
    QTest::newRow("26") << 26 << "Three of Pentacles";
    QTest::newRow("27") << 27 << "Three of Swords";
    QTest::newRow("57") << 57 << "Ace of Cups";
    QTest::newRow("76") << 76 << "Queen of Wands";
    QTest::newRow("77") << 77 << "Two of Pentacles";
}

void TarotTextsTest::titles()
{
    QFETCH(int, card);
    QFETCH(QString, title);
    QCOMPARE(CardTitle(card), title);
    QCOMPARE(CardReversedTitle(card), title + " - Reversed");
}

void TarotTextsTest::everyRowHasItsTitles()
{
    QSet<QString> seen;
    for (int n = 0; n < CardCount; ++n) {
        const QString title = CardTitle(n);
        QVERIFY2(title.size() >= 5 && title.size() <= 19, qPrintable(QString::number(n)));
        QCOMPARE(CardReversedTitle(n), title + " - Reversed");
        seen.insert(title);
    }
    QCOMPARE(seen.size(), 78);
}

void TarotTextsTest::minorTitlesFollowRankAndSuit()
{
    const QStringList ranks = {"Three", "Four", "Five", "Six",    "Seven", "Eight", "Nine",
                               "Ten",   "Ace",  "King", "Knight", "Page",  "Queen"};
    const QStringList suits = {"Cups", "Pentacles", "Swords", "Wands"};
    for (int rank = 0; rank < ranks.size(); ++rank) {
        for (int suit = 0; suit < suits.size(); ++suit)
            QCOMPARE(CardTitle(25 + 4 * rank + suit), ranks[rank] + " of " + suits[suit]);
    }
}

void TarotTextsTest::noRowOutsideTheTable_data()
{
    QTest::addColumn<int>("card");
    QTest::newRow("-1") << -1;
    QTest::newRow("78") << 78;
    QTest::newRow("1000") << 1000;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TarotTextsTest::noRowOutsideTheTable()
{
    QFETCH(int, card);
    QVERIFY(!IsCardNumber(card));
    QVERIFY(CardTitle(card).isEmpty());
    QVERIFY(CardReversedTitle(card).isEmpty());
    QVERIFY(CardUprightText(card).isEmpty());
    QVERIFY(CardReversedText(card).isEmpty());
}

void TarotTextsTest::textForm_data()
{
    QTest::addColumn<QString>("text");
    for (int n = 0; n < CardCount; ++n) {
        QTest::addRow("%d upright", n) << CardUprightText(n);
        QTest::addRow("%d reversed", n) << CardReversedText(n);
    }
}

void TarotTextsTest::textForm()
{
    QFETCH(QString, text);
    QVERIFY2(text.size() >= 122 && text.size() <= 344, qPrintable(QString::number(text.size())));
    QVERIFY(isPrintableAscii(text)); // also rules out tabs and line breaks
    QCOMPARE(text.trimmed(), text);
    QVERIFY(text.endsWith(QLatin1Char('.')));
    QVERIFY(!text.contains(QLatin1String("  ")));
}

void TarotTextsTest::textsAreDistinct()
{
    // The World and the Three of Swords have reversed texts of their own, so all 156 texts differ.
    QSet<QString> texts;
    for (int n = 0; n < CardCount; ++n) {
        texts.insert(CardUprightText(n));
        texts.insert(CardReversedText(n));
    }
    QCOMPARE(texts.size(), 2 * CardCount);
}

void TarotTextsTest::givenBeginnings_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length"); // 0: only the opening is fixed

    QTest::newRow("0 up") << 0 << false
                          << "This is the beginning of a new life. You have to start from scratch." << 0;
    QTest::newRow("0 rev") << 0 << true
                           << "The changes in your life may not be pleasant. You may not be ready to face them." << 0;
    QTest::newRow("21 up") << 21 << false
                           << "You may have some special gains. Your destiny may be changing and you may face "
                              "advancement in life."
                           << 196;
    QTest::newRow("21 rev") << 21 << true
                            << "Your time may not be so good now. You may face a bout of failures and bad luck." << 0;
    QTest::newRow("77 up") << 77 << false
                           << "There is a need for maintaining a good budget and taking care of finances." << 0;
    QTest::newRow("77 rev") << 77 << true << "You may not be able to handle multiple matters." << 0;

    // The upright texts the runic tarot shows as well.
    QTest::newRow("3") << 3 << false << "You may get involved in legal issues. Seek" << 228;
    QTest::newRow("4") << 4 << false << "You have the courage, determination and will power" << 308;
    QTest::newRow("7") << 7 << false << "You may see success soon. Have a positive" << 243;
    QTest::newRow("8") << 8 << false << "Your dark side may be trying to take" << 247;
    QTest::newRow("9") << 9 << false << "This is the time to organize yourself and" << 299;
    QTest::newRow("11") << 11 << false << "You need to rise above this material world." << 260;
    QTest::newRow("12") << 12 << false << "You may be more worried about your social" << 204;
    QTest::newRow("13") << 13 << false << "Your intuition will play a very important part" << 227;
    QTest::newRow("14") << 14 << false << "This is the time to understand and give" << 261;
    QTest::newRow("15") << 15 << false << "This card signifies a strong personality with willpower," << 253;
    QTest::newRow("16") << 16 << false << "Your intuitiveness is at its peak now. Do" << 255;
    QTest::newRow("17") << 17 << false << "This is a very positive card and signifies" << 260;
    QTest::newRow("18") << 18 << false << "You are enthusiastic and passionate about your work." << 219;
    QTest::newRow("19") << 19 << false << "There may be a sudden change or disruption" << 209;
    QTest::newRow("20") << 20 << false << "Trust people who mean well. Look at both" << 272;
}

void TarotTextsTest::givenBeginnings()
{
    QFETCH(int, card);
    QFETCH(bool, reversed);
    QFETCH(QString, opening);
    QFETCH(int, length);
    const QString text = reversed ? CardReversedText(card) : CardUprightText(card);
    QVERIFY2(text.startsWith(opening), qPrintable(text));
    QVERIFY(text.size() > opening.size());
    if (length > 0)
        QCOMPARE(text.size(), length);
}

// A text filed under the wrong number reads fine on its own, so each is pinned to its card by a phrase
// that no other text of the program uses.
void TarotTextsTest::everyTextKeepsItsPhrase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrase");
    QCOMPARE(int(std::size(kCardTextPins)), CardCount);
    for (int n = 0; n < CardCount; ++n) {
        const QByteArray title = CardTitle(n).toLatin1();
        QTest::addRow("%d %s upright", n, title.constData())
            << CardUprightText(n) << QString::fromLatin1(kCardTextPins[n].upright);
        QTest::addRow("%d %s reversed", n, title.constData())
            << CardReversedText(n) << QString::fromLatin1(kCardTextPins[n].reversed);
    }
}

void TarotTextsTest::everyTextKeepsItsPhrase()
{
    QFETCH(QString, text);
    QFETCH(QString, phrase);
    QVERIFY2(testing::IsPinPhrase(phrase), qPrintable(phrase));
    QVERIFY2(text.contains(phrase), qPrintable(QStringLiteral("\"%1\" is not in: %2").arg(phrase, text)));
    const QStringList others = testing::OtherTextsWith(phrase, text);
    QVERIFY2(others.isEmpty(), qPrintable(QStringLiteral("\"%1\" also in %2").arg(phrase, others.join(", "))));
}

// The pip cards show only their suit signs and the courts figures of their own, and one text serves both decks: a
// text speaks of the card's meaning, never of a figure or a scene.
void TarotTextsTest::noTextDescribesAPicture()
{
    QFETCH(QString, text);
    const QString word = testing::PictureWordIn(text);
    QVERIFY2(word.isEmpty(), qPrintable(QStringLiteral("\"%1\" in: %2").arg(word, text)));
}

void TarotTextsTest::pictureWordsAreCaught_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("caught");
    QTest::newRow("figure") << "Like the blindfolded figure with crossed swords, you hold still." << true;
    QTest::newRow("behind you") << "Yet two cups still stand behind you." << true;
    QTest::newRow("stands") << "The rainbow stands over your house." << true;
    QTest::newRow("in his hand") << "The Page gazes at the coin in his hands." << true;
    QTest::newRow("from the clouds") << "A coin offered by a hand from the clouds." << true;
    QTest::newRow("here") << "A breakthrough in thinking is here." << true;
    QTest::newRow("holds") << "The sunflower the Queen holds turns to the sun." << true;
    QTest::newRow("the picture") << "As the picture shows, the waves rise." << true;
    QTest::newRow("stands for") << "This rune stands for the dawn." << false;
    QTest::newRow("there, where") << "There is a way where you thought there was none." << false;
    QTest::newRow("hold on") << "Hold on to your dream." << false;
}

void TarotTextsTest::pictureWordsAreCaught()
{
    QFETCH(QString, sentence);
    QFETCH(bool, caught);
    QCOMPARE(!testing::PictureWordIn(sentence).isEmpty(), caught);
}

// Read in a row, the texts showed the devices they leaned on in place of saying what their own card or
// stone means: each one named then is caught wherever it comes back, in a card's, a rune's or a sign's
// text.
void TarotTextsTest::noTextLeansOnAStockTurn()
{
    QStringList found;
    for (const testing::Interpretation& i : testing::AllInterpretations()) {
        const QString turn = testing::StockTurnIn(i.text);
        if (!turn.isEmpty())
            found << QStringLiteral("%1: \"%2\"").arg(i.where, turn);
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

void TarotTextsTest::stockTurnsAreCaught_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("caught");
    QTest::newRow("the opposite trap") << "Beware the opposite trap as well: pride that sets you up for a fall."
                                       << true;
    QTest::newRow("the opposite too") << "The opposite can happen too: a life so busy that it leaves no room." << true;
    QTest::newRow("the opposite danger") << "Working so hard that you miss life itself is the opposite danger." << true;
    QTest::newRow("this reversal") << "The kinder side of this reversal is that you are learning to share." << true;
    QTest::newRow("this card") << "Restless drifting is the other face of this card." << true;
    QTest::newRow("the other side of") << "Pride is the other side of your success." << true;
    QTest::newRow("Or") << "You doubt yourself. Or the praise goes to someone else." << true;
    QTest::newRow("Or first") << "Or you may simply be tired." << true;
    QTest::newRow("Perhaps") << "The balance is lost. Perhaps you measure your worth by what you own." << true;
    QTest::newRow("opposites") << "You blend opposites and find the right measure between them." << false;
    QTest::newRow("or within") << "You may give too much and be used, or receive help with strings attached." << false;
    QTest::newRow("perhaps within") << "A transition is under way, perhaps a journey." << false;
    QTest::newRow("what this card signifies") << "This card signifies a strong personality with willpower." << false;
}

void TarotTextsTest::stockTurnsAreCaught()
{
    QFETCH(QString, sentence);
    QFETCH(bool, caught);
    QCOMPARE(!testing::StockTurnIn(sentence).isEmpty(), caught);
}

// Read the sixteen courts in a row and a mould shows: a helper sketched as "A kind, wise man may ...", or
// reversals that open on a pair of faults ("Greed or stubbornness may ..."). No court falls into one.
void TarotTextsTest::courtTextsFallIntoNoMould()
{
    QStringList found;
    for (int n = 61; n <= 76; ++n)
        for (bool reversed : {false, true}) {
            const QString mould =
                testing::CourtFormulaIn(reversed ? CardReversedText(n) : CardUprightText(n), reversed);
            if (!mould.isEmpty())
                found << QStringLiteral("%1%2: \"%3\"").arg(CardTitle(n), reversed ? " reversed" : "", mould);
        }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

void TarotTextsTest::courtMouldsAreCaught_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<bool>("caught");
    QTest::newRow("a kind, wise man may")
        << "A kind, wise man, perhaps a healer or adviser, may offer help." << false << true;
    QTest::newRow("a woman may") << "Your temper flares. A domineering woman may cause trouble." << true << true;
    QTest::newRow("an energetic newcomer may") << "An energetic newcomer may bring inspiration." << false << true;
    QTest::newRow("a wise professional may")
        << "A wise professional, such as a lawyer, may advise you well." << false << true;
    QTest::newRow("a pair of faults") << "Greed or stubbornness may take over." << true << true;
    QTest::newRow("three faults") << "Haste, impatience or anger may cause trouble." << true << true;
    QTest::newRow("a pair, upright") << "Greed or stubbornness may take over." << false << false;
    QTest::newRow("help from someone") << "Help may come from an older friend who listens." << false << false;
    QTest::newRow("a woman who") << "Advice from a woman who has known sorrow will be honest." << false << false;
    QTest::newRow("an opening of its own")
        << "Words are running ahead of your thoughts, or so it seems." << true << false;
}

void TarotTextsTest::courtMouldsAreCaught()
{
    QFETCH(QString, sentence);
    QFETCH(bool, reversed);
    QFETCH(bool, caught);
    QCOMPARE(!testing::CourtFormulaIn(sentence, reversed).isEmpty(), caught);
}

void TarotTextsTest::noTextUsesBritishSpelling()
{
    QFETCH(QString, text);
    const QString word = testing::BritishSpellingIn(text);
    QVERIFY2(word.isEmpty(), qPrintable(QStringLiteral("\"%1\" in: %2").arg(word, text)));
}

void TarotTextsTest::britishFormsAreCaught_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("caught");
    QTest::newRow("-our") << "Accept the honour with grace." << true;
    QTest::newRow("-ise") << "Get organised." << true;
    QTest::newRow("-isation") << "A sudden realisation." << true;
    QTest::newRow("-yse") << "Analyse what went wrong." << true;
    QTest::newRow("-re") << "The stone in the centre." << true;
    QTest::newRow("grey") << "A grey day." << true;
    QTest::newRow("practise") << "You practise your craft." << true;
    QTest::newRow("defence") << "Without defence." << true;
    QTest::newRow("fulfil") << "It no longer fulfils you." << true;
    QTest::newRow("doubled l") << "A counsellor, a traveller." << true;
    QTest::newRow("towards") << "Turn towards what is left." << true;
    QTest::newRow("judgement") << "Harsh judgement." << true;
    QTest::newRow("learnt") << "What you have learnt." << true;
    QTest::newRow("American") << "Get organized, honor your word and practice toward the center." << false;
    QTest::newRow("alike in both") << "Realistic and idealistic: a surprise, a promise, a wise choice." << false;
    QTest::newRow("doubled l in both") << "Called, fulfilled, totally and equally; a cancellation." << false;
    QTest::newRow("not -our") << "Pour your four hours into our tour." << false;
}

void TarotTextsTest::britishFormsAreCaught()
{
    QFETCH(QString, sentence);
    QFETCH(bool, caught);
    QCOMPARE(!testing::BritishSpellingIn(sentence).isEmpty(), caught);
}

// ---------------------------------------------------------------------------------------------------
// Spread and deck catalogue

void TarotTextsTest::spreads_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<int>("cards");
    QTest::newRow("0") << 0 << "Celtic Cross" << 10;
    QTest::newRow("1") << 1 << "One Card" << 1;
    QTest::newRow("2") << 2 << "Two Cards" << 2;
    QTest::newRow("3") << 3 << "Three Cards" << 3;
    QTest::newRow("4") << 4 << "Aldric Fenn Wheel Spread(Tamsett)" << 5;
    QTest::newRow("5") << 5 << "The Line Spread" << 5;
    QTest::newRow("6") << 6 << "Seven Card Chakra Layout" << 7;
    QTest::newRow("7") << 7 << "Four Seasons Spread(Verloni/Ashby)" << 8;
    QTest::newRow("8") << 8 << "Relationship Spread" << 10;
    QTest::newRow("9") << 9 << "The Romany/ Gypsy Spread" << 21;
    QTest::newRow("10") << 10 << "Zodiac Spread" << 12;
    QTest::newRow("11") << 11 << "Tree of Life" << 10;
    QTest::newRow("12") << 12 << "Numerology Spread" << 9;
}

void TarotTextsTest::spreads()
{
    QFETCH(int, index);
    QFETCH(QString, listText);
    QFETCH(int, cards);
    QCOMPARE(catalogue::SpreadText(index), listText);
    QCOMPARE(catalogue::SpreadTexts().size(), catalogue::SpreadCount);
    QCOMPARE(catalogue::SpreadTexts().at(index), listText);
    QCOMPARE(catalogue::SpreadCards(index), cards);
    QCOMPARE(catalogue::FindSpread(listText), index);
    QCOMPARE(catalogue::SpreadPictureFile("/opt/selvanthe", index),
             QStringLiteral("/opt/selvanthe/pic/c%1.jpg").arg(index));
}

void TarotTextsTest::spreadLookupIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("menu's lower case") << "Seven card chakra layout";
    QTest::newRow("all lower case") << "celtic cross";
    QTest::newRow("trailing blank") << "Celtic Cross ";
    QTest::newRow("leading blank") << " One Card";
    QTest::newRow("no spread yet") << "-1";
    QTest::newRow("empty") << "";
    QTest::newRow("heading, not list text") << "Celtic Cross Spread";
}

void TarotTextsTest::spreadLookupIsExact()
{
    QFETCH(QString, name);
    QCOMPARE(catalogue::FindSpread(name), -1);
}

void TarotTextsTest::noSpreadOutsideTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("13") << 13;
    QTest::newRow("INT_MIN") << INT_MIN;
}

void TarotTextsTest::noSpreadOutsideTheList()
{
    QFETCH(int, index);
    QVERIFY(catalogue::SpreadText(index).isEmpty());
    QCOMPARE(catalogue::SpreadCards(index), 0);
    QVERIFY(catalogue::SpreadDescription(index).isEmpty());
    QVERIFY(catalogue::SpreadPictureFile("/opt/selvanthe", index).isEmpty());
    QVERIFY(reading::SpreadHeading(index).isEmpty());
    QVERIFY(reading::DescriptionRun(index).isEmpty());
}

// Every description in full: the set-up screen and the head of every reading show them as they stand,
// with their own wording and the Chakra description's two blanks.
void TarotTextsTest::descriptions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("description");
    QTest::newRow("Celtic Cross")
        << 0
        << "This is one of the most common spreads. This is also known as the Grand Cross spread. This spread "
           "provides a very detailed reading of the past and present situation and the external influences. There "
           "are four cards in a row along the side with a cross in the centre. This is a somewhat complex spread "
           "and needs expertise.";
    QTest::newRow("One Card") << 1
                              << "This is the simplest spread of all. This is generally used for daily and quick "
                                 "readings. This spread is concise and good for a single issue. This can be highly "
                                 "exact depending on the situation.";
    QTest::newRow("Two Cards")
        << 2
        << "This spread needs certain knowledge before a reading is done. This may be used at times for a yes/no "
           "reading or to know which of the two solutions is better. In a yes/no reading the 'yes' card and the "
           "'no' card are chosen in advance.";
    QTest::newRow("Three Cards") << 3
                                 << "This spread is good for someone who wants know how his/her life will be in "
                                    "general. If a specific question has been asked, then the cards will be "
                                    "interpreted with respect to the question.";
    QTest::newRow("wheel") << 4
                           << "This layout is based on the Aldric Fenn Wheel. He did not invent this spread but "
                              "this is based on his tarot wheel.";
    QTest::newRow("Line")
        << 5
        << "All cards in this layout are in a straight horizontal line in a descending order. This spread "
           "represents the past, present and future and used for quick readings. This is a very simple and "
           "accurate spread which gives a very clear idea about the situation.";
    QTest::newRow("Chakra")
        << 6
        << "This is a more meditative spread. This gives a clear idea of what is flowing smoothly in the "
           "querent's body and which chakras are blocked or which need more attention. The layout is vertical "
           "representing the seven chakras in our body. It is read from bottom to top.  This spread is very "
           "useful for readings in which one wants to know more about oneself. Each card is associated with a "
           "chakra colour.";
    QTest::newRow("Four Seasons")
        << 7
        << "This spread can be used to look into the near future or coming year season by season. It gives a "
           "detailed description about what can be expected to happen in the four seasons of the year. A person "
           "gets an in depth knowledge of his plans from the conception to the execution stage. This is a "
           "spiritual spread.";
    QTest::newRow("Relationship")
        << 8
        << "As the name of the spread itself implies, this spread is used to answer question regarding your "
           "relationship with a person. In this case, cards are chosen to represent both the sides of a "
           "particular relationship. This spread uses 10 cards which the questioner has to select himself.";
    QTest::newRow("Romany")
        << 9
        << "This spread is being practiced by people for more than 200 years. This is one of the favorite "
           "spreads of the gypsies. Whenever you want to glance at your past, present as well as your future, "
           "use this particular spread. The Romany spread helps you by answering a whole lot of questions as per "
           "your specification, revels your past experiences, your present happenings as well as your future "
           "potentials. This spread uses 21 cards and the questioner has to select the cards himself.";
    QTest::newRow("Zodiac")
        << 10
        << "In the Zodiac spread, the cards are led out corresponding to the 12 houses of the zodiac. This "
           "spread helps you in exploring the twelve vital areas of your life some of which are your career, "
           "love, marriages, home and finances. This spread includes 12 cards which the questioner has to select "
           "himself.";
    QTest::newRow("Tree of Life")
        << 11
        << "Among all the other spreads, the Qabalistic Tree of Life spread is one of the best spreads for the "
           "purpose of delving deep into one's own nature. It reveals everything about your past, present as well "
           "as your future. This spread uses 10 cards which the questioner has to select himself.";
    QTest::newRow("Numerology")
        << 12
        << "Numerology Spread is also one of the mostly used spread and it is based upon the Numerological "
           "meanings of the numbers ranging from 1 to 9. This spread is mostly used for the purpose of exploring "
           "yourself in all your forms. This spread uses 9 cards which the questioner has to select himself.";
}

void TarotTextsTest::descriptions()
{
    QFETCH(int, index);
    QFETCH(QString, description);
    QCOMPARE(catalogue::SpreadDescription(index), description);
}

void TarotTextsTest::decks()
{
    QCOMPARE(catalogue::DeckNames(), QStringList({"Orlund Teague Tarot Deck", "Marseilles Tarot Deck"}));
    QVERIFY(catalogue::DeckName(2).isEmpty());
    QVERIFY(catalogue::DeckName(-1).isEmpty());
    QCOMPARE(catalogue::DeckLetterOf(0), QStringLiteral("o"));
    QCOMPARE(catalogue::DeckLetterOf(1), QStringLiteral("m"));
    QCOMPARE(catalogue::DeckLetterOf(2), QStringLiteral("m"));
    QCOMPARE(catalogue::DeckLetterOf(-1), QStringLiteral("m"));
    QCOMPARE(catalogue::CardFolder("/opt/selvanthe"), QStringLiteral("/opt/selvanthe/cards"));
    QCOMPARE(catalogue::PictureFolder("/opt/selvanthe/"), QStringLiteral("/opt/selvanthe/pic"));
}

void TarotTextsTest::cardPictureFile_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("file");
    QTest::newRow("o12") << "o" << 12 << "/opt/selvanthe/cards/o12.jpg";
    QTest::newRow("o0") << "o" << 0 << "/opt/selvanthe/cards/o0.jpg";
    QTest::newRow("m77") << "m" << 77 << "/opt/selvanthe/cards/m77.jpg";
    QTest::newRow("card 78") << "o" << 78 << "";
    QTest::newRow("card -1") << "m" << -1 << "";
    QTest::newRow("unknown letter") << "x" << 5 << "";
    QTest::newRow("upper case letter") << "O" << 5 << "";
    QTest::newRow("no letter") << "" << 5 << "";
    QTest::newRow("path in letter") << "../o" << 5 << "";
}

void TarotTextsTest::cardPictureFile()
{
    QFETCH(QString, letter);
    QFETCH(int, card);
    QFETCH(QString, file);
    QCOMPARE(catalogue::CardPictureFile("/opt/selvanthe", letter, card), file);
}

// ---------------------------------------------------------------------------------------------------
// Position texts

void TarotTextsTest::everySpreadHasOnePositionPerCard()
{
    int total = 0;
    for (int i = 0; i < catalogue::SpreadCount; ++i) {
        const QString name = catalogue::SpreadText(i);
        const int cards = catalogue::SpreadCards(i);
        QCOMPARE(PositionCountOf(name), cards);
        for (int p = 0; p < cards; ++p)
            QVERIFY2(PositionTextOf(name, p).has_value(), qPrintable(name + " " + QString::number(p)));
        QVERIFY(!PositionTextOf(name, -1));
        QVERIFY(!PositionTextOf(name, cards));
        total += cards;
    }
    QCOMPARE(total, 103);
}

void TarotTextsTest::unknownSpreadHasNoPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no spread yet") << "-1";
    QTest::newRow("empty") << "";
    QTest::newRow("Chakra in lower case") << "seven card chakra layout";
    QTest::newRow("trailing blank") << "Celtic Cross ";
}

void TarotTextsTest::unknownSpreadHasNoPositions()
{
    QFETCH(QString, name);
    QCOMPARE(PositionCountOf(name), 0);
    QVERIFY(!PositionTextOf(name, 0));
}

void TarotTextsTest::headings_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("Celtic Cross") << "Celtic Cross"
                                  << QStringList{"Card 1: The Covering", "Card 2: The Crossing", "Card 3: The Root",
                                                 "Card 4: The Past",     "Card 5: The Crown",    "Card 6: The Future",
                                                 "Card 7: The Questioner", "Card 8: The House",  "Card 9: The Inside",
                                                 "Card 10: The Outcome"};
    QTest::newRow("One Card") << "One Card" << QStringList{"Card 1:  "};
    QTest::newRow("Two Cards") << "Two Cards" << QStringList{"Card 1: ", "Card 2: "};
    QTest::newRow("Three Cards") << "Three Cards"
                                 << QStringList{"Card 1 - Past", "Card 2 - Present", "Card 3 - Future"};
    QTest::newRow("wheel") << "Aldric Fenn Wheel Spread(Tamsett)"
                           << QStringList{"Card 1 - The Present", "Card 2 - Waning Influences",
                                          "Card 3 - Hidden or Unconscious Influences", "Card 4 - Emerging Influences",
                                          "Card 5 - Synthesis"};
    QTest::newRow("Line") << "The Line Spread"
                          << QStringList{"Card 1 - ", "Card 2 - ", "Card 3 - ", "Card 4 - ", "Card 5 - "};
    QTest::newRow("Chakra") << "Seven Card Chakra Layout"
                            << QStringList{"Card 1 - The Root",   "Card 2 - Sexual Center", "Card 3 - Power Center",
                                           "Card 4 - The Heart",  "Card 5 - The Throat",    "Card 6 - The Third Eye",
                                           "Card 7 - The Crown"};
    QTest::newRow("Four Seasons") << "Four Seasons Spread(Verloni/Ashby)"
                                  << QStringList{"Card 1 - The Spring", "Card 2", "Card 3 - The Summer", "Card 4",
                                                 "Card 5 - Autumn",     "Card 6", "Card 7 - Winter",     "Card 8"};
    QTest::newRow("Relationship") << "Relationship Spread" << numberedHeadings(10);
    QTest::newRow("Romany") << "The Romany/ Gypsy Spread" << numberedHeadings(21);
    QTest::newRow("Zodiac") << "Zodiac Spread" << numberedHeadings(12);
    QTest::newRow("Tree of Life") << "Tree of Life"
                                  << QStringList{"Card 1 - Top card:",      "Card 2 - Right temple:",
                                                 "Card 3 - Left temple:",   "Card 4 - Right shoulder:",
                                                 "Card 5 - Left shoulder:", "Card 6 - Heart/ centre position:",
                                                 "Card 7 - Right hip:",     "Card 8 - Left hip:",
                                                 "Card 9 - Groin:",         "Card 10 - feet:"};
    QTest::newRow("Numerology") << "Numerology Spread" << numberedHeadings(9);
}

void TarotTextsTest::headings()
{
    QFETCH(QString, spread);
    QFETCH(QStringList, headings);
    QCOMPARE(PositionCountOf(spread), headings.size());
    for (int p = 0; p < headings.size(); ++p)
        QCOMPARE(PositionTextOf(spread, p)->heading, headings[p]);
}

void TarotTextsTest::lineBreakOnlyOutsideTheOneLineSpreads()
{
    const QStringList oneLine = {"One Card", "Two Cards", "The Line Spread"};
    for (const QString& spread : catalogue::SpreadTexts()) {
        for (int p = 0; p < PositionCountOf(spread); ++p)
            QCOMPARE(PositionTextOf(spread, p)->lineBreak, !oneLine.contains(spread));
    }
}

void TarotTextsTest::knownMeanings_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("meaning");
    auto row = [](const char* spread, int position, const char* meaning) {
        QTest::addRow("%s %d", spread, position) << QString::fromLatin1(spread) << position
                                                 << QString::fromLatin1(meaning);
    };
    const char* celtic = "Celtic Cross";
    row(celtic, 0, "This represents the overall events, situations or influences surrounding the present question.");
    row(celtic, 5, "This represents events that will occur in the near future.");
    row(celtic, 9, "This represents the final outcome of the situation.");
    row("One Card", 0, "This represents the most important factor that affects the issue in hand.");
    row("Two Cards", 0, "This card signifies what can happen if you carry out the solution that this card represents.");
    row("Two Cards", 1, "This card signifies what can happen if you carry out the solution that this card represents.");
    row("Three Cards", 0,
        "This represents certain events in the past which have influenced the present condition. These events are "
        "responsible for the current events surrounding the asked question or current situation.");
    const char* wheel = "Aldric Fenn Wheel Spread(Tamsett)";
    row(wheel, 0, "This card represents the current influences on the present situation or event.");
    row(wheel, 2, "This card represents hidden or unknown influences.");
    const char* line = "The Line Spread";
    row(line, 0, "This card represents the distant past.");
    row(line, 1, "This card represents the recent past.");
    row(line, 2, "This card represents the present.");
    row(line, 3, "This card represents the near future.");
    row(line, 4, "This card represents the distant future.");
    row("Seven Card Chakra Layout", 0,
        "This card is associated with the physical condition of the querent and how he feels about himself with "
        "respect to the material world in terms of work, power, passion, survival.");
    const char* seasons = "Four Seasons Spread(Verloni/Ashby)";
    row(seasons, 0, "This card represents the new beginning of an idea, like the planting of a seed for a new venture.");
    row(seasons, 1, "This card alters the next card (Card 3)");
    row(seasons, 2, "This card represents the flowering or progression of an idea.");
    row(seasons, 3, "This card alters the next card (Card5)");
    row(seasons, 4, "This card signifies the finalization of the plan and how events will wind up.");
    row(seasons, 5, "This card modifies the next card (Card 7)");
    row(seasons, 6,
        "This represents the period of reflection as to what the querent may have learnt from the progression of "
        "the plan.");
    row(seasons, 7, "This card alters Card 1.");
    const char* rel = "Relationship Spread";
    row(rel, 0, "Represents your view of a partner i.e. it interprets your way of looking at your partner.");
    row(rel, 1, "Represents your partner's view towards you.");
    row(rel, 2, "Reflects you expressions, feelings, desires and sentiments.");
    row(rel, 3, "Represents your partner's expressions and sentiments.");
    row(rel, 4, "Represents your unconscious expressions.");
    row(rel, 5, "Represents your partner's unconscious expressions.");
    row(rel, 6, "Represents your inner desires and needs.");
    row(rel, 7, "Represents your partner's inner desires and needs.");
    row(rel, 8, "Tells you about ways of improving your relationship with your partner.");
    row(rel, 9, "Tells the ways your partner can improve your relationship.");
    const char* romany = "The Romany/ Gypsy Spread";
    for (int p = 0; p < 21; ++p)
        row(romany, p, p < 7 ? "Represent the past." : p < 14 ? "Represent the present." : "Represent the future.");
    const char* zodiac = "Zodiac Spread";
    row(zodiac, 0, "Related to Aries which represents your attitude and your basic personality.");
    row(zodiac, 1, "Related to Taurus which represents your financial and business matters.");
    row(zodiac, 2, "Related to Gemini which represents communication and education.");
    row(zodiac, 3, "Related to Cancer which represents home, family and childhood concerns.");
    row(zodiac, 4, "Related to Leo which represents the pleasures and leisure of life.");
    row(zodiac, 5, "Related to Virgo which represents work and responsibility.");
    row(zodiac, 6, "Related to Libra which represents close partnership and love.");
    row(zodiac, 7, "Related to Scorpio which reveals all your hidden influences and desires.");
    row(zodiac, 8, "Related to Sagittarius which represents you intimacy in religion and philosophy.");
    row(zodiac, 9, "Related to Capricorn which represents your career and ambition.");
    row(zodiac, 10, "Related to Aquarius which represents your social life and acquaintances.");
    row(zodiac, 11, "Related to Pisces which represents your strengths and weaknesses.");
    const char* tree = "Tree of Life";
    row(tree, 0, "Reveals the present situation and how we react to each of these situations.");
    row(tree, 1, "Reveals the basic emotions, feelings and intuitions.");
    row(tree, 2, "Reveals the level of practicality and rationality.");
    row(tree, 3, "Reveals our natural ability and common sense.");
    row(tree, 4, "Reveals our learning skills and our capacity to take up things.");
    row(tree, 5, "Related to how we tackle our emotions.");
    row(tree, 6, "Relates to our destiny - the path which we choose.");
    row(tree, 7, "Reveals our energy level.");
    row(tree, 8, "Reveals the level of sexuality and sensuality.");
    row(tree, 9, "Reveals our basic nature.");
    const char* numerology = "Numerology Spread";
    const char* selves[] = {"an Innovator",  "an Integrator",    "an Entertainer",  "a Builder", "a Communicator",
                            "a Peacemaker",  "an Individualist", "an Entrepreneur", "a Crusader"};
    for (int p = 0; p < 9; ++p)
        row(numerology, p, qPrintable(QStringLiteral("You see yourself as %1.").arg(QLatin1String(selves[p]))));
}

void TarotTextsTest::knownMeanings()
{
    QFETCH(QString, spread);
    QFETCH(int, position);
    QFETCH(QString, meaning);
    QCOMPARE(PositionTextOf(spread, position)->meaning, meaning);
}

void TarotTextsTest::writtenMeanings_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    auto row = [](const char* spread, int position, int length, const char* opening) {
        QTest::addRow("%s %d", spread, position) << QString::fromLatin1(spread) << position << length
                                                 << QString::fromLatin1(opening);
    };
    row("Three Cards", 1, 161, "This card represents the present state");
    row("Three Cards", 2, 108, "This card represents the future outcome");
    const char* wheel = "Aldric Fenn Wheel Spread(Tamsett)";
    row(wheel, 1, 88, "This card represents the influences that");
    row(wheel, 3, 66, "This card represents new influences that");
    row(wheel, 4, 91, "This represents the synthesis of the");
    const char* chakra = "Seven Card Chakra Layout";
    row(chakra, 1, 92, "This card represents the querent's emotions");
    row(chakra, 2, 117, "This card is associated with the");
    row(chakra, 3, 68, "This is related to feelings for");
    row(chakra, 4, 171, "This relates to the querent's thirst");
    row(chakra, 5, 94, "This represents the intuition, spiritual awareness");
    row(chakra, 6, 104, "This represents the querent's connection to");
    const char* celtic = "Celtic Cross";
    row(celtic, 1, 102, "This represents the current problems, challenges");
    row(celtic, 2, 117, "This represents what was the actual");
    row(celtic, 3, 79, "This represents events that have occurred");
    row(celtic, 4, 96, "This signifies the querent's knowledge of");
    row(celtic, 6, 105, "This represents the attitude of the");
    row(celtic, 7, 66, "This represents the opinions and influences");
    row(celtic, 8, 70, "This represents the querent's hopes and");
}

void TarotTextsTest::writtenMeanings()
{
    QFETCH(QString, spread);
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(QString, opening);
    const QString meaning = PositionTextOf(spread, position)->meaning;
    QVERIFY2(meaning.startsWith(opening), qPrintable(meaning));
    QCOMPARE(meaning.size(), length);
    const QString british = testing::BritishSpellingIn(meaning);
    QVERIFY2(british.isEmpty(), qPrintable(british));
}

void TarotTextsTest::meaningForm()
{
    const QString seasons = QStringLiteral("Four Seasons Spread(Verloni/Ashby)");
    QSet<QString> headingsOfSpread;
    for (const QString& spread : catalogue::SpreadTexts()) {
        headingsOfSpread.clear();
        for (int p = 0; p < PositionCountOf(spread); ++p) {
            const PositionText text = *PositionTextOf(spread, p);
            const QString where = spread + " " + QString::number(p);
            QVERIFY2(isPrintableAscii(text.heading) && isPrintableAscii(text.meaning), qPrintable(where));
            QVERIFY2(text.heading.startsWith(QStringLiteral("Card %1").arg(p + 1)), qPrintable(where));
            headingsOfSpread.insert(text.heading);
            QVERIFY(!text.meaning.isEmpty());
            QCOMPARE(text.meaning.trimmed(), text.meaning);
            const bool noStop = spread == seasons && (p == 1 || p == 3 || p == 5);
            QVERIFY2(text.meaning.endsWith(QLatin1Char('.')) != noStop, qPrintable(where));
        }
        QCOMPARE(headingsOfSpread.size(), PositionCountOf(spread));
    }
}

void TarotTextsTest::prompts_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("One Card") << "One Card" << 0
                              << "Card 1:  This represents the most important factor that affects the issue in hand.";
    QTest::newRow("Two Cards") << "Two Cards" << 1
                               << "Card 2: This card signifies what can happen if you carry out the solution that "
                                  "this card represents.";
    QTest::newRow("Line") << "The Line Spread" << 2 << "Card 3 - This card represents the present.";
    QTest::newRow("Celtic Cross")
        << "Celtic Cross" << 0
        << "Card 1: The Covering\r\nThis represents the overall events, situations or influences surrounding the "
           "present question.";
    QTest::newRow("Romany last") << "The Romany/ Gypsy Spread" << 20 << "Card 21\r\nRepresent the future.";
    QTest::newRow("Four Seasons 4") << "Four Seasons Spread(Verloni/Ashby)" << 3
                                    << "Card 4\r\nThis card alters the next card (Card5)";
}

void TarotTextsTest::prompts()
{
    QFETCH(QString, spread);
    QFETCH(int, position);
    QFETCH(QString, prompt);
    QCOMPARE(PositionPrompt(*PositionTextOf(spread, position)), prompt);
}

// ---------------------------------------------------------------------------------------------------
// Texts around a reading

void TarotTextsTest::spreadHeadings_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::newRow("0") << 0 << "Spread Type - Celtic Cross Spread";
    QTest::newRow("1") << 1 << "Spread Type - One Card";
    QTest::newRow("2") << 2 << "Spread Type - Two Cards";
    QTest::newRow("3") << 3 << "Spread Type - Three Cards";
    QTest::newRow("4") << 4 << "Spread Type - Aldric Fenn Wheel Spread(Tamsett)";
    QTest::newRow("5") << 5 << "Spread Type - The Line Spread";
    QTest::newRow("6") << 6 << "Spread Type - Seven Card Chakra Spread";
    QTest::newRow("7") << 7 << "Spread Type - Four Seasons Spread";
    QTest::newRow("8") << 8 << "Spread Type - Relationship Spread";
    QTest::newRow("9") << 9 << "Spread Type - The Romany/ Gypsy Spread";
    QTest::newRow("10") << 10 << "Spread Type - Zodiac Spread";
    QTest::newRow("11") << 11 << "Spread Type - Tree of Life";
    QTest::newRow("12") << 12 << "Spread Type - Numerology Spread";
}

void TarotTextsTest::spreadHeadings()
{
    QFETCH(int, index);
    QFETCH(QString, heading);
    QCOMPARE(reading::SpreadHeading(index), heading);
}

void TarotTextsTest::descriptionRuns_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    for (int i = 0; i < catalogue::SpreadCount; ++i) {
        const bool blankBeforeRule = i == 1 || i == 2 || i == 3;
        const bool blankAfterHeading = i == 4;
        QTest::addRow("%d", i) << i << (blankAfterHeading ? kCrLf + kCrLf : kCrLf)
                               << (blankBeforeRule ? kCrLf + kCrLf : kCrLf);
    }
}

void TarotTextsTest::descriptionRuns()
{
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QCOMPARE(reading::DescriptionRun(index), before + catalogue::SpreadDescription(index) + after);
}

void TarotTextsTest::bannerRuleAndClosingLine()
{
    QCOMPARE(reading::LineBreak(), kCrLf);
    QCOMPARE(reading::Rule(), QString(512, QLatin1Char(' ')));
    QVERIFY(reading::ForumDomain().endsWith(QLatin1String(".example")));
    QVERIFY(reading::SiteAddress().endsWith(QLatin1String(".example")));
    QCOMPARE(reading::BannerLine(),
             reading::ForumDomain() + " the most popular online discussion forum. A place to learn, to share and "
                                      "to make new friends.");
    QCOMPARE(reading::VisitLine(), QStringLiteral("Visit "));
    QCOMPARE(reading::SiteLine(), reading::SiteAddress() + " ");
    QCOMPARE(reading::NowLine(), QStringLiteral("Now "));
    QCOMPARE(reading::ClosingLine(), "Thank You for using Selvanthe. Come spend some time with us online at " +
                                         reading::SiteAddress() +
                                         ". The best online discussion forum for every esoteric.");
}

QTEST_APPLESS_MAIN(TarotTextsTest)
#include "tst_tarottexts.moc"
