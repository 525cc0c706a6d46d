#include "platform/Random.h"

#include "platform/Lazy.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace platform {

namespace {

class SystemRandom final : public IRandom {
public:
    SystemRandom()
    {
        std::random_device device;
        engine_.seed((static_cast<std::uint64_t>(device()) << 32) ^ device());
    }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    // One generator, seeded once: asking for a fresh start mixes the clock into its state and never
    // puts it back to a state it had, so two quick calls cannot repeat a sequence.
    void reseed() override
    {
        const auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        engine_.seed(engine_() ^ (ticks * 0x9E3779B97F4A7C15ull));
    }

private:
    std::mt19937_64 engine_;
};

std::unique_ptr<IRandom>& slot()
{
    static std::unique_ptr<IRandom> installed;
    return installed;
}

} // namespace

void setRandom(std::unique_ptr<IRandom> p) { slot() = std::move(p); }
IRandom& random()
{
    return lazy(slot(), [] { return std::make_unique<SystemRandom>(); });
}

double Rnd() { return random().next(); }
void Randomize() { random().reseed(); }

} // namespace platform
