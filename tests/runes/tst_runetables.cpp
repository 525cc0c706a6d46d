#include "RuneTextPins.h"
#include "TextChecks.h"

#include "runes/RuneTables.h"

#include <QSet>
#include <QTest>

#include <functional>

using namespace runes;

namespace {
constexpr int AsReversed = -1;

struct Snapshot {
    QStringList texts;
    QList<quint32> colours;
    bool operator==(const Snapshot&) const = default;
};

Snapshot TakeSnapshot()
{
    Snapshot s;
    for (int i = 0; i < StoneCount; ++i)
        s.texts << RuneName(i) << RuneMeaning(i) << RuneReversed(i) << RuneMerkstave(i);
    for (int i = 0; i < SpreadCount; ++i)
        s.texts << RuneSpreadName(i) << RuneSpreadInfo(i);
    for (int i = 0; i < RuneSetCount; ++i)
        s.colours << RuneTypeColour(i);
    return s;
}

QSet<int> IndexesWhere(const std::function<bool(int)>& test)
{
    QSet<int> found;
    for (int i = 0; i < StoneCount; ++i)
        if (test(i))
            found.insert(i);
    return found;
}
} // namespace

class TstRuneTables : public QObject {
    Q_OBJECT

    Snapshot m_beforeFilling;

private slots:
    void initTestCase()
    {
        m_beforeFilling = TakeSnapshot();
        InitRunesReading();
    }

    void startValues()
    {
        for (const QString& text : m_beforeFilling.texts)
            QVERIFY(text.isEmpty());
        for (quint32 colour : m_beforeFilling.colours)
            QCOMPARE(colour, 0u);
        QCOMPARE(RuneType(), qint16(0));
        QCOMPARE(RuneSpread(), 0);
        QCOMPARE(CurrentStone(), NoStone);
        QCOMPARE(StoneFacing(), 0);
        QVERIFY(QuerentName().isEmpty() && BirthDate().isEmpty() && Question().isEmpty());
        QVERIFY(!ResultShown());
        for (qint32 stone : DrawnStones())
            QCOMPARE(stone, NoStone);
    }

    void stone_data()
    {
        QTest::addColumn<int>("stone");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<int>("meaningLength");
        QTest::addColumn<QString>("reversed");
        QTest::addColumn<int>("reversedLength");
        QTest::addColumn<QString>("merkstave");
        QTest::addColumn<int>("merkstaveLength"); // AsReversed: the very text of the reversed cell
        QTest::addColumn<int>("facings");

        auto row = [](int stone, const char* name, const char* meaning, int meaningLength, const char* reversed,
                      int reversedLength, const char* merkstave, int merkstaveLength, int facings) {
            QTest::newRow(name) << stone << name << meaning << meaningLength << reversed << reversedLength
                                << merkstave << merkstaveLength << facings;
        };
        // Where the runic tarot shows the same upright text, its longer opening is the one checked.
        row(1, "Algiz", "This rune means 'defense' and 'protection'. This is", 299, "This indicates vulnerability.", 81, "", AsReversed, 3);
        row(2, "Ansuz", "This rune means 'god' or 'deity'. It shows", 399, "You may be under the influence of malicious advice.", 330, "", AsReversed, 3);
        row(3, "Berkano", "This is the 'birch' rune.", 276, "There may be some family problems or troubles on the domestic side.", 216, "", AsReversed, 3);
        row(4, "Blank", "The Blank Rune denotes fate or destiny.", 604, "", 0, "", 0, 1);
        row(5, "Dagaz", "This is the 'day' rune'.", 327, "", 0, "This is a complete coming full circle rune.", 76, 2);
        row(6, "Ehwas", "This is the 'horse' rune. It indicates change", 233, "You may be making false friends.", 165, "", AsReversed, 3);
        row(7, "Eihwas", "This is the 'yew' rune, the wood used in rune craft and making bows.", 343, "This may be a bad time for you.", 180, "", AsReversed, 3);
        row(8, "Fehu", "The meaning of the rune is 'cattle' or the main livelihood of the tribe.", 599, "When reversed it means stagnation, infertility and loss or failure.", 180, "When merkstaved it means stagnation, infertility and loss or failure.", 182, 3);
        row(9, "Gebo", "This is the rune of 'exchange'. This is", 424, "", 0, "There may be some loneliness in your life.", 128, 2);
        row(10, "Hagalaz", "This rune means 'hail' with respect to hail stones.", 453, "", 0, "There may be a natural disaster or catastrophe.", 104, 2);
        row(11, "Ingwaz", "This is the 'fertility' rune.", 361, "", 0, "This signifies a period of hard labor and work.", 130, 2);
        row(12, "Isa", "This is the 'ice' rune. It means that", 441, "", 0, "There may be some dullness in your life.", 81, 2);
        row(13, "Jera", "This rune means the 'harvest'. In other words", 315, "", 0, "There may be sudden set backs.", 84, 2);
        row(14, "Kenaz", "This is the 'fire' rune.", 347, "It may lead to isolation or information being hidden from you.", 228, "", AsReversed, 3);
        row(15, "Laguz", "This is the rune of 'intuitive knowledge' or 'water'.", 451, "This is a period of stagnation.", 288, "", AsReversed, 3);
        row(16, "Mannaz", "This is the 'man' rune, as an individual or as a race.", 306, "Non one can help you.", 173, "", AsReversed, 3);
        row(17, "Nauthiz", "This is the 'need' rune.", 280, "You may be on the wrong track.", 165, "", AsReversed, 3);
        row(18, "Othala", "This is the 'inheritance' rune.", 313, "This may mean some delay in work or unexpected backing out of help.", 301, "", AsReversed, 3);
        row(19, "Perthro", "This means a sudden dash of luck. It", 368, "When reversed, this rune can mean death.", 180, "When reversed, this rune can mean death.", 189, 3);
        row(20, "Raidho", "This rune represents the 'wheel of life'.", 419, "There may be a delay in your physical or spiritual journey.", 265, "", AsReversed, 3);
        row(21, "Sowilo", "This is the 'sun' rune which indicates victory.", 268, "", 0, "You may face the wrath of God.", 104, 2);
        row(22, "Thurisaz", "This is also known as the troll or 'thorn' rune.", 662, "When reversed it shows end of good times and beginning of bad ones.", 194, "", AsReversed, 3);
        row(23, "Tiwas", "This is the rune of the 'warrior'.", 325, "Your energy and creative flow may be blocked.", 267, "", AsReversed, 3);
        row(24, "Uruz", "The rune represents 'aurochs' or wild bison like animals.", 493, "When reversed it indicates ill health.", 280, "", AsReversed, 3);
        row(25, "Wunjo", "This rune is referred to as the 'wish card' and is the happiness rune.", 318, "There may be some unhappiness or a third party causing trouble.", 189, "", AsReversed, 3);
    }

    void stone()
    {
        QFETCH(int, stone);
        QFETCH(QString, name);
        QFETCH(QString, meaning);
        QFETCH(int, meaningLength);
        QFETCH(QString, reversed);
        QFETCH(int, reversedLength);
        QFETCH(QString, merkstave);
        QFETCH(int, merkstaveLength);
        QFETCH(int, facings);

        const int i = StoneTextIndex(stone);
        QCOMPARE(i, stone - 1);
        QCOMPARE(StonePictureIndex(stone), stone);
        QCOMPARE(RuneName(i), name);

        QVERIFY(RuneMeaning(i).startsWith(meaning));
        QCOMPARE(RuneMeaning(i).size(), meaningLength);
        QCOMPARE(UprightMeaningText(stone), RuneMeaning(i));

        QVERIFY(RuneReversed(i).startsWith(reversed));
        QCOMPARE(RuneReversed(i).size(), reversedLength);

        if (merkstaveLength == AsReversed) {
            QCOMPARE(RuneMerkstave(i), RuneReversed(i));
        } else {
            QVERIFY(RuneMerkstave(i).startsWith(merkstave));
            QCOMPARE(RuneMerkstave(i).size(), merkstaveLength);
        }

        QCOMPARE(FacingCount(stone), facings);
        QCOMPARE(RuneFacingText(stone, Upright), RuneMeaning(i));
        QCOMPARE(RuneFacingText(stone, Merkstave), RuneMerkstave(i));
        QCOMPARE(RuneFacingText(stone, Reversed), RuneReversed(i));
    }

    // Texts hold printable ASCII only; the two two-paragraph meanings alone hold a line break.
    void textForm()
    {
        auto plain = [](const QString& text) {
            for (QChar c : text)
                if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                    return false;
            return true;
        };
        for (int i = 0; i < StoneCount; ++i) {
            QVERIFY2(plain(RuneName(i)) && plain(RuneReversed(i)) && plain(RuneMerkstave(i)), qPrintable(RuneName(i)));
            if (i != StoneTextIndex(Fehu) && i != StoneTextIndex(Uruz))
                QVERIFY2(plain(RuneMeaning(i)), qPrintable(RuneName(i)));
        }
        for (int i = 0; i < SpreadCount; ++i)
            QVERIFY(plain(RuneSpreadName(i)) && plain(RuneSpreadInfo(i)));

        const QStringList fehu = RuneMeaning(StoneTextIndex(Fehu)).split(QStringLiteral("\r\n\t"));
        QCOMPARE(fehu.size(), 2);
        QCOMPARE(fehu[0].size(), 361);
        QCOMPARE(fehu[1].size(), 235);
        QVERIFY(fehu[1].startsWith(QStringLiteral("It also increases intuitive abilities")));
        QVERIFY(plain(fehu[0]) && plain(fehu[1]));

        const QStringList uruz = RuneMeaning(StoneTextIndex(Uruz)).split(QStringLiteral("\r\n"));
        QCOMPARE(uruz.size(), 2);
        QCOMPARE(uruz[0].size(), 296);
        QCOMPARE(uruz[1].size(), 195);
        QVERIFY(uruz[1].startsWith(QStringLiteral("This is the rune of inner strength, harmony and peace.")));
        QVERIFY(plain(uruz[0]) && plain(uruz[1]));
    }

    // The stones without a reversed or merkstave text, and those reading the same both ways, checked
    // as whole sets apart from the per-stone rows above.
    void reversedAndMerkstaveSets()
    {
        QCOMPARE(IndexesWhere([](int i) { return RuneReversed(i).isEmpty(); }), (QSet<int>{3, 4, 8, 9, 10, 11, 12, 20}));
        QCOMPARE(IndexesWhere([](int i) { return RuneMerkstave(i).isEmpty(); }), (QSet<int>{3}));
        QCOMPARE(IndexesWhere([](int i) { return !RuneReversed(i).isEmpty() && RuneMerkstave(i) == RuneReversed(i); }),
                 (QSet<int>{0, 1, 2, 5, 6, 13, 14, 15, 16, 17, 19, 21, 22, 23, 24}));
        QCOMPARE(IndexesWhere([](int i) { return RuneMerkstave(i) != RuneReversed(i); }),
                 (QSet<int>{4, 7, 8, 9, 10, 11, 12, 18, 20}));

        // Perthro lying merkstave reads its reversed text and a few words more.
        const int perthro = StoneTextIndex(Perthro);
        QVERIFY(RuneMerkstave(perthro).startsWith(RuneReversed(perthro)));
        QCOMPARE(RuneMerkstave(perthro).size(), RuneReversed(perthro).size() + 9);
        // Fehu's merkstave text is its reversed text in the other facing's word.
        const int fehu = StoneTextIndex(Fehu);
        QCOMPARE(QString(RuneReversed(fehu)).replace(QStringLiteral("When reversed"), QStringLiteral("When merkstaved")),
                 RuneMerkstave(fehu));
    }

    // Each text is pinned to its stone and facing by a phrase that no other text of the program uses, so
    // a text filed under another stone, or under another facing, fails.
    void everyTextKeepsItsPhrase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("phrase"); // null: the stone has no text in this facing
        QCOMPARE(int(std::size(kRuneTextPins)), StoneCount);
        for (int i = 0; i < StoneCount; ++i) {
            const RuneTextPin& pin = kRuneTextPins[i];
            QCOMPARE(RuneName(i), QString::fromLatin1(pin.name));
            const struct {
                const char* facing;
                QString text;
                const char* phrase;
            } facings[] = {{"upright", RuneMeaning(i), pin.upright},
                           {"reversed", RuneReversed(i), pin.reversed},
                           {"merkstave", RuneMerkstave(i), pin.merkstave}};
            for (const auto& f : facings)
                QTest::addRow("%s %s", pin.name, f.facing) << f.text << (f.phrase ? QString::fromLatin1(f.phrase) : QString());
        }
    }

    void everyTextKeepsItsPhrase()
    {
        QFETCH(QString, text);
        QFETCH(QString, phrase);
        if (phrase.isNull()) {
            QVERIFY2(text.isEmpty(), qPrintable(text));
            return;
        }
        QVERIFY2(testing::IsPinPhrase(phrase), qPrintable(phrase));
        QVERIFY2(text.contains(phrase), qPrintable(QStringLiteral("\"%1\" is not in: %2").arg(phrase, text)));
        const QStringList others = testing::OtherTextsWith(phrase, text);
        QVERIFY2(others.isEmpty(), qPrintable(QStringLiteral("\"%1\" also in %2").arg(phrase, others.join(", "))));
    }

    // A stone shows its sign and nothing else: a meaning tells what the rune means, never what a picture
    // would show.
    void noTextDescribesAPicture()
    {
        for (int i = 0; i < StoneCount; ++i) {
            for (const QString& text : {RuneMeaning(i), RuneReversed(i), RuneMerkstave(i)}) {
                const QString word = testing::PictureWordIn(text);
                QVERIFY2(word.isEmpty(), qPrintable(QStringLiteral("%1: \"%2\" in %3").arg(RuneName(i), word, text)));
            }
        }
    }

    // The program writes American English; the spread descriptions are shown with the stones.
    void noTextUsesBritishSpelling()
    {
        QStringList texts;
        for (int i = 0; i < StoneCount; ++i)
            texts << RuneMeaning(i) << RuneReversed(i) << RuneMerkstave(i);
        for (int i = 0; i < SpreadCount; ++i)
            texts << RuneSpreadInfo(i);
        for (const QString& text : texts) {
            const QString word = testing::BritishSpellingIn(text);
            QVERIFY2(word.isEmpty(), qPrintable(QStringLiteral("\"%1\" in %2").arg(word, text)));
        }
    }

    void colours_data()
    {
        QTest::addColumn<int>("runeSet");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("Gold") << int(GoldSet) << 0xFFFFu;
        QTest::newRow("Ice") << int(IceSet) << 0x80000011u;
        QTest::newRow("Jade") << int(JadeSet) << 0xFF00u;
        QTest::newRow("Spirit") << int(SpiritSet) << 0xFFu;
        QTest::newRow("Stone") << int(StoneSet) << 0u;
    }

    void colours()
    {
        QFETCH(int, runeSet);
        QFETCH(quint32, colour);
        QCOMPARE(RuneTypeColour(runeSet), colour);
    }

    void spreads_data()
    {
        QTest::addColumn<int>("spread");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        QTest::newRow("Cross") << int(CrossSpread) << "Cross" << "This spread is used to find the forces acting on your life." << 443;
        QTest::newRow("Diamond") << int(DiamondSpread) << "Diamond" << "This spread is used to understand hidden conflict." << 286;
        QTest::newRow("Fork") << int(ForkSpread) << "Fork" << "This spread is used at a critical decision making point in life." << 262;
        QTest::newRow("Norn") << int(NornSpread) << "Norn" << "The rune on the far left indicates the first Norn" << 387;
        QTest::newRow("Single") << int(SingleSpread) << "Single" << "This spread is used for daily casts." << 177;
    }

    void spreads()
    {
        QFETCH(int, spread);
        QFETCH(QString, name);
        QFETCH(QString, opening);
        QFETCH(int, length);
        QCOMPARE(RuneSpreadName(spread), name);
        QVERIFY(RuneSpreadInfo(spread).startsWith(opening));
        QCOMPARE(RuneSpreadInfo(spread).size(), length);
    }

    void outOfRange_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("-1") << -1;
        QTest::newRow("not chosen") << NotChosen;
        QTest::newRow("25") << StoneCount;
        QTest::newRow("6") << 6;
    }

    // An index outside a table reads nothing and says so.
    void outOfRange()
    {
        QFETCH(int, value);
        const bool stoneIndex = value >= 0 && value < StoneCount;
        QCOMPARE(IsStoneTextIndex(value), stoneIndex);
        QCOMPARE(RuneName(value).isEmpty(), !stoneIndex);
        QCOMPARE(RuneMeaning(value).isEmpty(), !stoneIndex);
        QVERIFY(!IsChosenRuneSet(value) && !IsChosenSpread(value));
        QCOMPARE(RuneTypeColour(value), 0u);
        QVERIFY(RuneSpreadName(value).isEmpty() && RuneSpreadInfo(value).isEmpty());
        QVERIFY(RuneFacingText(Algiz, value).isEmpty());
    }

    void noStone()
    {
        for (int n : {NoStone, -1, StoneCount + 1}) {
            QVERIFY(!IsStoneNumber(n));
            QCOMPARE(StoneTextIndex(n), -1);
            QCOMPARE(StonePictureIndex(n), -1);
            QCOMPARE(FacingCount(n), 0);
            QVERIFY(UprightMeaningText(n).isEmpty());
            QVERIFY(RuneFacingText(n, Upright).isEmpty());
        }
    }

    void secondFillStoresTheSameValues()
    {
        const Snapshot first = TakeSnapshot();
        InitRunesReading();
        QVERIFY(TakeSnapshot() == first);
    }

    void drawnStonesAndReset()
    {
        SetDrawnStone(0, Algiz);
        SetDrawnStone(8, Wunjo);
        SetDrawnStone(9, Blank);
        SetDrawnStone(-1, Blank);
        QCOMPARE(DrawnStones(), (std::array<qint32, GridPlaceCount>{Algiz, 0, 0, 0, 0, 0, 0, 0, Wunjo}));
        ClearDrawnStones();
        QCOMPARE(DrawnStones(), (std::array<qint32, GridPlaceCount>{}));

        SetQuerentName(QStringLiteral("Ada"));
        SetRuneType(NotChosen);
        SetRuneSpread(NornSpread);
        SetResultShown(true);
        SetDrawnStone(4, Isa);
        ResetRunesState();
        QVERIFY(QuerentName().isEmpty());
        QCOMPARE(RuneType(), qint16(0));
        QCOMPARE(RuneSpread(), 0);
        QVERIFY(!ResultShown());
        QCOMPARE(DrawnStones()[4], NoStone);
        QCOMPARE(RuneName(StoneTextIndex(Isa)), QStringLiteral("Isa")); // the tables stay filled
    }
};

QTEST_APPLESS_MAIN(TstRuneTables)
#include "tst_runetables.moc"
