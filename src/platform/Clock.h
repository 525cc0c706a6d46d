#pragma once
// The clock, for the rules that ask the date. A test installs its own once per process.
#include <QDateTime>

#include <memory>

namespace platform {

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
};

// Installing replaces the current clock for the rest of the process.
void setClock(std::unique_ptr<IClock>);
IClock& clock();

QDateTime Now();

} // namespace platform
