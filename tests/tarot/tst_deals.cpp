// The deal engine as plain rules: which deal the options choose, the card range of each deal, the draw's
// repeat test, the coins and the crossing card, over scripted and real random values.
#include "FakeRandom.h"
#include "tarot/Deal.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <set>

using tarot::deal::DealResult;
using tarot::deal::DealRow;

namespace {

// The six deals as the set-up options and the ranges read: (minor, major, reversed), first card, count.
struct Expected {
    int number;
    bool minor, major, reversed;
    int first, count;
};
const QList<Expected> kRows = {
    {1, false, false, false, 0, 78}, {2, true, false, false, 22, 56}, {3, false, true, false, 0, 22},
    {4, false, false, true, 0, 78},  {5, true, false, true, 22, 56},  {6, false, true, true, 0, 22},
};

using Script = testing::FakeRandom;

DealResult dealWith(int number, int count, const QString& spread, Script& script, int* reseeds = nullptr)
{
    const DealRow& row = *tarot::deal::DealNumber(number);
    return tarot::deal::Deal(row, count, spread, row.minorArcanaOnly, row.majorArcanaOnly, row.allowReversed,
                             script.source(), [reseeds] {
                                 if (reseeds)
                                     ++*reseeds;
                             });
}

// The random value that draws card c from a range.
double valueFor(int card, int first, int count) { return (card - first + 0.5) / count; }

} // namespace

class TestDeals : public QObject {
    Q_OBJECT

private slots:
    void dispatch_data()
    {
        QTest::addColumn<bool>("minor");
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<int>("deal");
        for (const Expected& e : kRows)
            QTest::newRow(qPrintable(QStringLiteral("DONE%1").arg(e.number))) << e.minor << e.major << e.reversed
                                                                               << e.number;
        QTest::newRow("both arcana") << true << true << false << 0;
        QTest::newRow("both arcana, reversed") << true << true << true << 0;
    }

    void dispatch()
    {
        QFETCH(bool, minor);
        QFETCH(bool, major);
        QFETCH(bool, reversed);
        QFETCH(int, deal);
        const DealRow* row = tarot::deal::DealFor(minor, major, reversed);
        QCOMPARE(row ? row->number : 0, deal);
        if (!row)
            return;
        const Expected& e = kRows[deal - 1];
        QCOMPARE(row->firstCard, e.first);
        QCOMPARE(row->cardCount, e.count);
        QCOMPARE(row->reversals, e.reversed);
    }

    void rangeEnds_data()
    {
        QTest::addColumn<int>("deal");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("step");  // card - first card; -1 for the last card of the range
        for (const Expected& e : kRows) {
            const QString n = QStringLiteral("DONE%1 ").arg(e.number);
            QTest::newRow(qPrintable(n + QStringLiteral("0"))) << e.number << 0.0 << 0;
            QTest::newRow(qPrintable(n + QStringLiteral("below 1"))) << e.number << std::nextafter(1.0, 0.0) << -1;
            QTest::newRow(qPrintable(n + QStringLiteral("1 - 2^-24"))) << e.number << 1.0 - std::ldexp(1.0, -24) << -1;
            QTest::newRow(qPrintable(n + QStringLiteral("1"))) << e.number << 1.0 << -1;
            QTest::newRow(qPrintable(n + QStringLiteral("negative"))) << e.number << -0.25 << 0;
            QTest::newRow(qPrintable(n + QStringLiteral("not a number"))) << e.number << std::nan("") << 0;
        }
    }

    void rangeEnds()
    {
        QFETCH(int, deal);
        QFETCH(double, x);
        QFETCH(int, step);
        const Expected& e = kRows[deal - 1];
        const int want = e.first + (step < 0 ? e.count - 1 : step);
        QCOMPARE(tarot::deal::CardFromRandom(x, e.first, e.count), want);
        // The same through a whole deal.
        Script script;
        script.enqueue({x});
        const DealResult r = dealWith(deal, 1, QStringLiteral("One Card"), script);
        QCOMPARE(r.cards, std::vector<std::int32_t>{want});
    }

    // A repeat is drawn again; only the cards already dealt count, so card 0 is dealable anywhere.
    void repeatsAreDrawnAgain()
    {
        Script script;
        script.enqueue({valueFor(5, 0, 78), valueFor(5, 0, 78), valueFor(0, 0, 78), valueFor(77, 0, 78)});
        int reseeds = 0;
        const DealResult r = dealWith(1, 3, QStringLiteral("Three Cards"), script, &reseeds);
        QCOMPARE(r.cards, (std::vector<std::int32_t>{5, 0, 77}));
        QCOMPARE(r.attempts, 4);
        QCOMPARE(script.taken, 4);
        QCOMPARE(reseeds, 1);
        QCOMPARE(r.coins, 0);
        QVERIFY(r.reversedCards().empty());
    }

    void cardZeroCanBeDealt_data()
    {
        QTest::addColumn<int>("deal");
        for (int d : {1, 3, 4, 6})
            QTest::newRow(qPrintable(QStringLiteral("DONE%1").arg(d))) << d;
    }

    void cardZeroCanBeDealt()
    {
        QFETCH(int, deal);
        const Expected& e = kRows[deal - 1];
        for (int position = 0; position < 3; ++position) {
            Script script;
            for (int i = 0; i < 3; ++i)
                script.values.enqueue(i == position ? 0.0 : valueFor(e.first + 5 + i, e.first, e.count));
            script.fallback = 0.25;
            const DealResult r = dealWith(deal, 3, QStringLiteral("Three Cards"), script);
            QCOMPARE(r.cards[static_cast<size_t>(position)], 0);
        }
    }

    void coin_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("0") << 0.0 << false;
        QTest::newRow("0.4999999") << 0.4999999 << false;
        QTest::newRow("0.5") << 0.5 << false;
        QTest::newRow("0.5000001") << 0.5000001 << true;
        QTest::newRow("0.9999999") << 0.9999999 << true;
    }

    void coin()
    {
        QFETCH(double, x);
        QFETCH(bool, reversed);
        QCOMPARE(tarot::deal::CoinReversed(x), reversed);
        for (int deal : {4, 5, 6}) {
            Script script;
            script.enqueue({0.3, x});
            const DealResult r = dealWith(deal, 1, QStringLiteral("One Card"), script);
            QCOMPARE(r.coins, 1);
            QCOMPARE(r.reversed, std::vector<bool>{reversed});
            QCOMPARE(r.reversedCards().size(), size_t(reversed ? 1 : 0));
        }
        // The upright deals take no coin, so the value stays for whatever comes next.
        for (int deal : {1, 2, 3}) {
            Script script;
            script.enqueue({0.3, x});
            const DealResult r = dealWith(deal, 1, QStringLiteral("One Card"), script);
            QCOMPARE(r.coins, 0);
            QCOMPARE(script.values.size(), 1);
            QCOMPARE(r.reversed, std::vector<bool>{false});
        }
    }

    // Coins come after the whole draw, in position order; the crossing card takes none in DONE4 and
    // one that is ignored in DONE5 and DONE6.
    void celticCrossCoins_data()
    {
        QTest::addColumn<int>("deal");
        QTest::addColumn<int>("coins");
        QTest::newRow("DONE4") << 4 << 9;
        QTest::newRow("DONE5") << 5 << 10;
        QTest::newRow("DONE6") << 6 << 10;
    }

    void celticCrossCoins()
    {
        QFETCH(int, deal);
        QFETCH(int, coins);
        const Expected& e = kRows[deal - 1];
        Script script;
        for (int i = 0; i < 10; ++i)
            script.values.enqueue(valueFor(e.first + i, e.first, e.count));
        // Every coin says reversed; the first extra value tells how many were taken.
        for (int i = 0; i < coins; ++i)
            script.values.enqueue(0.9);
        script.values.enqueue(0.123);
        const DealResult r = dealWith(deal, 10, QStringLiteral("Celtic Cross"), script);
        QCOMPARE(r.spread, tarot::CelticCrossSpread);
        QCOMPARE(r.coins, coins);
        QCOMPARE(script.values.size(), 1);
        QCOMPARE(script.values.head(), 0.123);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(r.reversed[static_cast<size_t>(i)], i != tarot::CrossingCardPosition);
        const std::vector<std::int32_t> rev = r.reversedCards();
        QCOMPARE(rev.size(), size_t(9));
        QVERIFY(std::find(rev.begin(), rev.end(), r.cards[1]) == rev.end());
        // In position order.
        QVERIFY(std::is_sorted(rev.begin(), rev.end()));
    }

    void guardMismatchDealsNothing_data()
    {
        QTest::addColumn<int>("deal");
        QTest::addColumn<bool>("minor");
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("reversed");
        for (const Expected& e : kRows) {
            QTest::newRow(qPrintable(QStringLiteral("DONE%1 with no option").arg(e.number)))
                << e.number << false << false << (e.number == 1);
            QTest::newRow(qPrintable(QStringLiteral("DONE%1 with both arcana").arg(e.number)))
                << e.number << true << true << e.reversed;
        }
    }

    void guardMismatchDealsNothing()
    {
        QFETCH(int, deal);
        QFETCH(bool, minor);
        QFETCH(bool, major);
        QFETCH(bool, reversed);
        Script script;
        int reseeds = 0;
        const DealResult r = tarot::deal::Deal(*tarot::deal::DealNumber(deal), 3, QStringLiteral("Three Cards"),
                                               minor, major, reversed, script.source(), [&] { ++reseeds; });
        QCOMPARE(r.spread, -1);
        QVERIFY(r.cards.empty());
        QCOMPARE(script.taken, 0);
        QCOMPARE(reseeds, 0);
    }

    void sections_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("spread");
        for (int i = 0; i < tarot::catalogue::SpreadCount; ++i)
            QTest::newRow(qPrintable(tarot::catalogue::SpreadText(i)))
                << tarot::catalogue::SpreadCards(i) << tarot::catalogue::SpreadText(i) << i;
        QTest::newRow("line spread in lower case") << 5 << QStringLiteral("the line spread") << -1;
        QTest::newRow("trailing blank") << 10 << QStringLiteral("Celtic Cross ") << -1;
        QTest::newRow("tree with 9") << 9 << QStringLiteral("Tree of Life") << -1;
        QTest::newRow("numerology with 10") << 10 << QStringLiteral("Numerology Spread") << -1;
        QTest::newRow("romany without blank") << 21 << QStringLiteral("The Romany/Gypsy Spread") << -1;
        QTest::newRow("zodiac lower case") << 12 << QStringLiteral("zodiac spread") << -1;
        QTest::newRow("4 cards") << 4 << QStringLiteral("One Card") << -1;
        QTest::newRow("0 cards") << 0 << QStringLiteral("One Card") << -1;
        QTest::newRow("22 cards") << 22 << QStringLiteral("The Romany/ Gypsy Spread") << -1;
        QTest::newRow("negative count") << -3 << QStringLiteral("One Card") << -1;
        QTest::newRow("8 with any name") << 8 << QStringLiteral("whatever") << 7;
        QTest::newRow("3 named Celtic Cross") << 3 << QStringLiteral("Celtic Cross") << 3;
        QTest::newRow("7 named -1") << 7 << QStringLiteral("-1") << 6;
    }

    void sections()
    {
        QFETCH(int, count);
        QFETCH(QString, name);
        QFETCH(int, spread);
        Script script;
        script.fallback = 0.5;
        for (int i = 0; i < 30; ++i)
            script.values.enqueue((i + 0.5) / 30.0);
        const DealResult r = dealWith(1, count, name, script);
        QCOMPARE(r.spread, spread);
        QCOMPARE(static_cast<int>(r.cards.size()), spread < 0 ? 0 : count);
        if (spread < 0)
            QCOMPARE(script.taken, 0);
    }

    // Real random values: every spread under every deal gives distinct cards of the deal's range,
    // reversals only where allowed, never the crossing card.
    void realGenerator()
    {
        std::mt19937_64 engine(20261210);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        const std::function<double()> next = [&] { return uniform(engine); };
        for (const Expected& e : kRows) {
            const DealRow& row = *tarot::deal::DealNumber(e.number);
            for (int spread = 0; spread < tarot::catalogue::SpreadCount; ++spread) {
                const int n = tarot::catalogue::SpreadCards(spread);
                for (int round = 0; round < 20; ++round) {
                    const DealResult r = tarot::deal::Deal(row, n, tarot::catalogue::SpreadText(spread), e.minor,
                                                           e.major, e.reversed, next);
                    QCOMPARE(r.spread, spread);
                    QCOMPARE(static_cast<int>(r.cards.size()), n);
                    const std::set<std::int32_t> distinct(r.cards.begin(), r.cards.end());
                    QCOMPARE(static_cast<int>(distinct.size()), n);
                    QVERIFY(*distinct.begin() >= e.first);
                    QVERIFY(*distinct.rbegin() < e.first + e.count);
                    for (int i = 0; i < n; ++i) {
                        const bool rev = r.reversed[static_cast<size_t>(i)];
                        if (rev)
                            QVERIFY(e.reversed && !tarot::IsCrossingCard(spread, i));
                    }
                    QVERIFY(r.attempts >= n);
                }
            }
        }
    }

    void romanyFromTheMajorArcana()
    {
        for (int deal : {3, 6}) {
            std::set<std::int32_t> everDealt;
            for (int round = 0; round < 40; ++round) {
                Script script;
                script.script(static_cast<unsigned>(77 + 100 * deal + round), 2000);
                const DealResult r = dealWith(deal, 21, QStringLiteral("The Romany/ Gypsy Spread"), script);
                const std::set<std::int32_t> distinct(r.cards.begin(), r.cards.end());
                QCOMPARE(distinct.size(), size_t(21));
                QVERIFY(*distinct.rbegin() <= 21);
                everDealt.insert(r.cards.begin(), r.cards.end());
            }
            QCOMPARE(everDealt.size(), size_t(22));  // card 0 included
        }
    }

    // A source stuck on one value cannot hold the program: the first card is the one the value draws, and
    // each after it the lowest the range has free, from the range's first card on.
    void stuckSourceStillEnds_data()
    {
        QTest::addColumn<double>("stuck");
        QTest::addColumn<std::vector<std::int32_t>>("cards");
        QTest::newRow("on the range's first card") << 0.0 << std::vector<std::int32_t> {22, 23, 24};
        QTest::newRow("inside the range") << valueFor(30, 22, 56) << std::vector<std::int32_t> {30, 22, 23};
        QTest::newRow("on the range's last card") << valueFor(77, 22, 56) << std::vector<std::int32_t> {77, 22, 23};
    }
    void stuckSourceStillEnds()
    {
        QFETCH(double, stuck);
        QFETCH(std::vector<std::int32_t>, cards);
        Script script;
        script.fallback = stuck;
        const DealResult r = dealWith(2, 3, QStringLiteral("Three Cards"), script);
        QCOMPARE(r.cards, cards);
    }
};

QTEST_APPLESS_MAIN(TestDeals)
#include "tst_deals.moc"
