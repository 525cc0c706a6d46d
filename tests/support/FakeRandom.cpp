#include "FakeRandom.h"

#include <random>

namespace testing {

QList<double> FakeRandom::script(unsigned seed, int count)
{
    std::mt19937_64 engine(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    values.clear();
    for (int i = 0; i < count; ++i)
        values.enqueue(uniform(engine));
    return values;
}

} // namespace testing
