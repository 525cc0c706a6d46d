// The layout table of the thirteen spreads and the choice of layout by card count and spread name.
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"

#include <QRect>
#include <QtTest>

using tarot::CardPlace;

class TestSpreadLayouts : public QObject {
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
    void unknownSpread();
    void places_data();
    void places();
    void shapes();
    void placesInsideWindowWithoutOverlap();
    void selector_data();
    void selector();
    void everyCatalogueEntrySelectsItsOwnLayout();
    void perPositionFacts();
};

namespace {

QRect PlaceRect(int spread, int i)
{
    const CardPlace c = tarot::SpreadLayout(spread)[i];
    if (tarot::IsCrossingCard(spread, i))
        return QRect(c.left, c.top, tarot::CardPlaceHeight, tarot::CardPlaceWidth);
    return QRect(c.left, c.top, tarot::CardPlaceWidth, tarot::CardPlaceHeight);
}

} // namespace

void TestSpreadLayouts::catalogue_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    const QList<std::pair<const char*, int>> rows = {
        {"Celtic Cross", 10},
        {"One Card", 1},
        {"Two Cards", 2},
        {"Three Cards", 3},
        {"Aldric Fenn Wheel Spread(Tamsett)", 5},
        {"The Line Spread", 5},
        {"Seven Card Chakra Layout", 7},
        {"Four Seasons Spread(Verloni/Ashby)", 8},
        {"Relationship Spread", 10},
        {"The Romany/ Gypsy Spread", 21},
        {"Zodiac Spread", 12},
        {"Tree of Life", 10},
        {"Numerology Spread", 9},
    };
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].first) << i << QString::fromLatin1(rows[i].first) << rows[i].second;
}

void TestSpreadLayouts::catalogue()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(tarot::catalogue::SpreadText(index), text);
    QCOMPARE(tarot::SpreadCardCount(index), count);
    QCOMPARE(tarot::SpreadLayout(index).size(), count);
    QCOMPARE(tarot::catalogue::FindSpread(text), index);
}

void TestSpreadLayouts::unknownSpread()
{
    for (int index : {-1, tarot::SpreadCount, 100}) {
        QVERIFY(tarot::SpreadLayout(index).isEmpty());
        QCOMPARE(tarot::SpreadCardCount(index), 0);
        QVERIFY(tarot::catalogue::SpreadText(index).isEmpty());
    }
    for (const char* text : {"", "celtic cross", "Celtic Cross ", " Tree of Life", "The Romany/Gypsy Spread"})
        QCOMPARE(tarot::catalogue::FindSpread(QString::fromLatin1(text)), -1);
    int total = 0;
    for (int i = 0; i < tarot::SpreadCount; ++i)
        total += tarot::SpreadCardCount(i);
    QCOMPARE(total, 103);
}

void TestSpreadLayouts::places_data()
{
    QTest::addColumn<int>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("one card") << 1 << 0 << 5000 << 2500;
    QTest::newRow("two cards, right") << 2 << 1 << 6200 << 2500;
    QTest::newRow("three cards, left") << 3 << 0 << 2200 << 2500;
    QTest::newRow("wheel, first at the right end") << 4 << 0 << 8900 << 2500;
    QTest::newRow("wheel, last at the left end") << 4 << 4 << 100 << 2500;
    QTest::newRow("line, centre") << 5 << 0 << 5000 << 3800;
    QTest::newRow("line, below") << 5 << 2 << 5000 << 7600;
    QTest::newRow("line, top card") << 5 << 4 << 5000 << 0;
    QTest::newRow("chakra, root at the bottom") << 6 << 0 << 4500 << 22600;
    QTest::newRow("chakra, third eye") << 6 << 4 << 4500 << 7500;
    QTest::newRow("chakra, crown") << 6 << 5 << 4500 << 3800;
    QTest::newRow("chakra, top") << 6 << 6 << 4500 << 0;
    QTest::newRow("seasons, left") << 7 << 0 << 100 << 7600;
    QTest::newRow("seasons, bottom") << 7 << 6 << 4500 << 15200;
    QTest::newRow("celtic, centre") << 0 << 0 << 3200 << 3700;
    QTest::newRow("celtic, crossing") << 0 << 1 << 2300 << 4200;
    QTest::newRow("celtic, column bottom") << 0 << 6 << 8500 << 11300;
    QTest::newRow("celtic, column top") << 0 << 9 << 8500 << 0;
    QTest::newRow("relationship, last") << 8 << 9 << 6480 << 16080;
    QTest::newRow("tree, top card") << 11 << 0 << 5840 << 120;
    QTest::newRow("tree, right temple") << 11 << 1 << 8120 << 3960;
    QTest::newRow("tree, right hip in the left column") << 11 << 6 << 3560 << 15480;
    QTest::newRow("tree, left hip") << 11 << 7 << 8120 << 15480;
    QTest::newRow("tree, feet") << 11 << 9 << 5840 << 23160;
    QTest::newRow("numerology, centre") << 12 << 4 << 5280 << 4320;
    QTest::newRow("numerology, last") << 12 << 8 << 7800 << 8400;
    QTest::newRow("zodiac, first") << 10 << 0 << 120 << 6720;
    QTest::newRow("zodiac, lowest") << 10 << 3 << 6930 << 10920;
    QTest::newRow("zodiac, right end") << 10 << 6 << 13800 << 6720;
    QTest::newRow("zodiac, highest") << 10 << 9 << 6930 << 2400;
    QTest::newRow("zodiac, last") << 10 << 11 << 2385 << 3480;
    QTest::newRow("romany, bottom right") << 9 << 0 << 13800 << 11040;
    QTest::newRow("romany, bottom left") << 9 << 6 << 120 << 11040;
    QTest::newRow("romany, middle right") << 9 << 7 << 13800 << 6180;
    QTest::newRow("romany, top right") << 9 << 14 << 13800 << 1320;
    QTest::newRow("romany, uneven column") << 9 << 16 << 9193 << 1320;
    QTest::newRow("romany, top left") << 9 << 20 << 120 << 1320;
}

void TestSpreadLayouts::places()
{
    QFETCH(int, spread);
    QFETCH(int, position);
    QFETCH(int, left);
    QFETCH(int, top);
    QCOMPARE(tarot::SpreadLayout(spread).at(position), (CardPlace{left, top}));
}

void TestSpreadLayouts::shapes()
{
    // Relationship: querent's cards on the left, partner's on the right, pairs on one row.
    const auto& rel = tarot::SpreadLayout(8);
    for (int i = 0; i < 10; i += 2) {
        QCOMPARE(rel[i].left, 3840);
        QCOMPARE(rel[i + 1].left, 6480);
        QCOMPARE(rel[i].top, rel[i + 1].top);
    }
    // Numerology: row by row from the top, left to right.
    const auto& num = tarot::SpreadLayout(12);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(num[i], (CardPlace{2760 + 2520 * (i % 3), 240 + 4080 * (i / 3)}));
    // Zodiac: places i and 12 - i share their column; nothing at the centre of the ring.
    const auto& zod = tarot::SpreadLayout(10);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(zod[i].left, zod[12 - i].left);
    const QRect ringCentre(6930, 6720, 1, 1);
    for (int i = 0; i < 12; ++i)
        QVERIFY(!PlaceRect(10, i).intersects(ringCentre));
    // Four Seasons: a ring around an empty centre.
    const QRect seasonsCentre(4500, 7600, tarot::CardPlaceWidth, tarot::CardPlaceHeight);
    for (int i = 0; i < 8; ++i)
        QVERIFY(!PlaceRect(7, i).intersects(seasonsCentre));
    // Chakra: one column, from the bottom up.
    const auto& chakra = tarot::SpreadLayout(6);
    for (int i = 1; i < 7; ++i) {
        QCOMPARE(chakra[i].left, 4500);
        QVERIFY(chakra[i].top < chakra[i - 1].top);
    }
}

void TestSpreadLayouts::placesInsideWindowWithoutOverlap()
{
    // The card-layout window's client area is 16110 x 27225 twips.
    const QRect window(0, 0, 16110, 27225);
    for (int s = 0; s < tarot::SpreadCount; ++s) {
        const int n = tarot::SpreadCardCount(s);
        for (int i = 0; i < n; ++i) {
            QVERIFY2(window.contains(PlaceRect(s, i)), qPrintable(QStringLiteral("spread %1 place %2").arg(s).arg(i)));
            for (int j = i + 1; j < n; ++j) {
                // Columns stand 3700 apart in places, so a card may reach 80 twips into the next one;
                // only the crossing card really lies over another.
                const bool crossing = s == tarot::CelticCrossSpread && i == 0 && j == 1;
                const QRect overlap = PlaceRect(s, i).intersected(PlaceRect(s, j));
                const int depth = overlap.isEmpty() ? 0 : std::min(overlap.width(), overlap.height());
                QVERIFY2(crossing ? depth > 2000 : depth <= 80,
                         qPrintable(QStringLiteral("spread %1 places %2 and %3").arg(s).arg(i).arg(j)));
            }
        }
    }
}

void TestSpreadLayouts::selector_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");
    QTest::newRow("1, any name") << 1 << QStringLiteral("Zodiac Spread") << 1;
    QTest::newRow("2, empty name") << 2 << QString() << 2;
    QTest::newRow("3, other name") << 3 << QStringLiteral("Celtic Cross") << 3;
    QTest::newRow("7, any name") << 7 << QStringLiteral("nonsense") << 6;
    QTest::newRow("8, any name") << 8 << QString() << 7;
    QTest::newRow("5 wheel") << 5 << QStringLiteral("Aldric Fenn Wheel Spread(Tamsett)") << 4;
    QTest::newRow("5 line") << 5 << QStringLiteral("The Line Spread") << 5;
    QTest::newRow("5 line, other case") << 5 << QStringLiteral("The line spread") << -1;
    QTest::newRow("5 other name") << 5 << QStringLiteral("One Card") << -1;
    QTest::newRow("10 celtic") << 10 << QStringLiteral("Celtic Cross") << 0;
    QTest::newRow("10 celtic, other case") << 10 << QStringLiteral("celtic cross") << -1;
    QTest::newRow("10 celtic, trailing blank") << 10 << QStringLiteral("Celtic Cross ") << -1;
    QTest::newRow("10 relationship") << 10 << QStringLiteral("Relationship Spread") << 8;
    QTest::newRow("10 tree") << 10 << QStringLiteral("Tree of Life") << 11;
    QTest::newRow("10 tree, leading blank") << 10 << QStringLiteral(" Tree of Life") << -1;
    QTest::newRow("10 numerology") << 10 << QStringLiteral("Numerology Spread") << -1;
    QTest::newRow("9 numerology") << 9 << QStringLiteral("Numerology Spread") << 12;
    QTest::newRow("9 tree") << 9 << QStringLiteral("Tree of Life") << -1;
    QTest::newRow("12 zodiac") << 12 << QStringLiteral("Zodiac Spread") << 10;
    QTest::newRow("12 zodiac, trailing blank") << 12 << QStringLiteral("Zodiac Spread ") << -1;
    QTest::newRow("12 zodiac, other case") << 12 << QStringLiteral("zodiac spread") << -1;
    QTest::newRow("21 romany") << 21 << QStringLiteral("The Romany/ Gypsy Spread") << 9;
    QTest::newRow("21 romany, no blank") << 21 << QStringLiteral("The Romany/Gypsy Spread") << -1;
    QTest::newRow("0") << 0 << QString() << -1;
    QTest::newRow("4") << 4 << QString() << -1;
    QTest::newRow("11") << 11 << QStringLiteral("Zodiac Spread") << -1;
    QTest::newRow("22") << 22 << QStringLiteral("The Romany/ Gypsy Spread") << -1;
}

void TestSpreadLayouts::selector()
{
    QFETCH(int, count);
    QFETCH(QString, name);
    QFETCH(int, expected);
    QCOMPARE(tarot::SelectSpreadLayout(count, name), expected);
}

void TestSpreadLayouts::everyCatalogueEntrySelectsItsOwnLayout()
{
    for (int s = 0; s < tarot::SpreadCount; ++s)
        QCOMPARE(tarot::SelectSpreadLayout(tarot::SpreadCardCount(s), tarot::catalogue::SpreadText(s)), s);
}

void TestSpreadLayouts::perPositionFacts()
{
    for (int s = 0; s < tarot::SpreadCount; ++s)
        for (int i = 0; i < 21; ++i)
            QCOMPARE(tarot::IsCrossingCard(s, i), s == 0 && i == 1);
    // Relationship, Romany, Zodiac, Tree of Life and Numerology are placed before their cards are drawn.
    for (int s = 0; s < tarot::SpreadCount; ++s)
        QCOMPARE(tarot::SpreadPlacedBeforeDraw(s), s >= 8);
    QVERIFY(!tarot::SpreadPlacedBeforeDraw(-1));
}

QTEST_GUILESS_MAIN(TestSpreadLayouts)
#include "tst_spreadlayouts.moc"
