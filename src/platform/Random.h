#pragma once
// The random sequence every draw takes its cards and stones from. A test installs its own once per
// process, so that a draw can be scripted.
#include <memory>

namespace platform {

class IRandom {
public:
    virtual ~IRandom() = default;
    virtual double next() = 0; // uniform in [0, 1)
    virtual void reseed() = 0; // mixes the clock in; never starts the sequence over
};

// Installing replaces the current sequence for the rest of the process.
void setRandom(std::unique_ptr<IRandom>);
IRandom& random();

double Rnd();
void Randomize();

} // namespace platform
