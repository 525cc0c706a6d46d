#pragma once
// The random sequence of a test: the values it scripts, in order, then one value for ever after. It
// needs nothing but Qt Core, so that the tests of the rules take it too.
#include "platform/Random.h"

#include <QList>
#include <QQueue>

#include <functional>

namespace testing {

class FakeRandom : public platform::IRandom {
public:
    double next() override
    {
        ++taken;
        return values.isEmpty() ? fallback : values.dequeue();
    }
    void reseed() override { ++reseeds; }
    // These values next, in order, after any still queued.
    void enqueue(const QList<double>& next)
    {
        for (double v : next)
            values.enqueue(v);
    }
    // In place of what was scripted: count values spread evenly over [0, 1), the same for the same seed,
    // enough for whatever a road draws. Returns them, for a test that works out what they draw.
    QList<double> script(unsigned seed, int count = 4000);
    // The sequence as a draw of the rules asks it.
    std::function<double()> source()
    {
        return [this] { return next(); };
    }
    QQueue<double> values;
    double fallback = 0.0;
    int reseeds = 0;
    int taken = 0; // values asked for, scripted or not
};

} // namespace testing
