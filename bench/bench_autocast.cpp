// AutoCast from the hand-over to the reading on screen: the fresh card-layout window, its header, the
// deal, the 21 or 10 card pictures with their turns and the written reading, laid out and painted. The pause
// that follows an upright AutoCast is a timer of the set-up screen and is not part of this.
#include "AutoCastRoad.h"
#include "TestMain.h"

#include <QElapsedTimer>

class BenchAutoCast : public QObject {
    Q_OBJECT
    bench::AutoCastRoad road;

    void autoCast(const QString& spread, int count, bool reversed) { road.autoCast(spread, count, reversed); }

private slots:
    void initTestCase()
    {
        testing::freshProgram();
        QVERIFY(road.open());
    }

    // The first deal of the process: the card-layout window built for the first time, its pictures and
    // fonts met for the first time. Runs first, once. Timed by hand: QtTest runs a benchmark's function
    // twice, a warm-up and the pass it reports, and the reported pass would be the second deal.
    void romanyFirstOfTheProcess()
    {
        static const qint64 firstDeal = [this] {
            QElapsedTimer timer;
            timer.start();
            autoCast(QStringLiteral("The Romany/ Gypsy Spread"), 21, false);
            return timer.nsecsElapsed();
        }();
        QTest::setBenchmarkResult(firstDeal / 1e6, QTest::WalltimeMilliseconds);
        QCOMPARE(tarot::State().DrawnCards.UBound(), 21);
    }

    void romany_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::newRow("upright") << false;
        QTest::newRow("reversed allowed") << true;
    }

    void romany()
    {
        QFETCH(bool, reversed);
        QBENCHMARK {
            autoCast(QStringLiteral("The Romany/ Gypsy Spread"), 21, reversed);
        }
        QCOMPARE(tarot::State().DrawnCards.UBound(), 21);
    }

    void celticCross_data() { romany_data(); }

    void celticCross()
    {
        QFETCH(bool, reversed);
        QBENCHMARK {
            autoCast(QStringLiteral("Celtic Cross"), 10, reversed);
        }
        QCOMPARE(tarot::State().DrawnCards.UBound(), 10);
    }
};

SELVANTHE_TEST_MAIN(BenchAutoCast)
#include "bench_autocast.moc"
