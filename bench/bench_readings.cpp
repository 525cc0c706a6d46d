// Resident memory over many readings: 200 AutoCasts, every spread in turn with each deck, upright and
// reversed, measured against the resident memory after the first. Whatever a reading keeps (pictures
// decoded, texts laid out) must stay within a bound of its own, not grow with the readings made.
#include "AutoCastRoad.h"
#include "TestMain.h"

#include <QFile>

#include <cstdio>

namespace {

double residentMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
    return 0;
}

// The growth allowed above the first reading's resident memory.
constexpr double kGoalMB = 15;

} // namespace

class BenchReadings : public QObject {
    Q_OBJECT
    bench::AutoCastRoad road;

private slots:
    void initTestCase()
    {
        testing::freshProgram();
        QVERIFY(road.open());
    }

    void residentOver200Readings()
    {
        constexpr int kReadings = 200;
        double first = 0, highest = 0;
        for (int i = 0; i < kReadings; ++i) {
            const int spread = i % tarot::catalogue::SpreadCount;
            const int deck = (i / tarot::catalogue::SpreadCount) % tarot::catalogue::DeckCount;
            road.autoCast(tarot::catalogue::SpreadText(spread), tarot::catalogue::SpreadCards(spread), i % 2 == 1,
                          deck);
            const double now = residentMB();
            if (i == 0)
                first = now;
            highest = std::max(highest, now);
            if (i == 0 || (i + 1) % 25 == 0)
                std::printf("after reading %3d: %6.1f MB resident\n", i + 1, now);
        }
        const double last = residentMB();
        std::printf("first reading %.1f MB, after %d readings %.1f MB (highest %.1f MB): %.1f MB above the first; "
                    "goal at most %.0f MB: %s\n",
                    first, kReadings, last, highest, last - first, kGoalMB,
                    last - first <= kGoalMB ? "met" : "NOT met");
        QCOMPARE(tarot::State().DrawnCards.UBound(),
                 tarot::catalogue::SpreadCards((kReadings - 1) % tarot::catalogue::SpreadCount));
    }
};

SELVANTHE_TEST_MAIN(BenchReadings)
#include "bench_readings.moc"
