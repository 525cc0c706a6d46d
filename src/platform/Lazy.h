#pragma once
// A service of the process kept in one slot: the production one is made the first time it is asked
// for, unless a test installed its own before.
#include <memory>

namespace platform {

template <class T, class Make>
T& lazy(std::unique_ptr<T>& slot, Make make)
{
    if (!slot)
        slot = make();
    return *slot;
}

} // namespace platform
