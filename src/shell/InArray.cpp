#include "shell/InArray.h"

#include <algorithm>

namespace shell {

bool IsInArray(std::int32_t value, const platform::VbArray<std::int32_t>& list)
{
    const int upper = list.UBound(); // throws when the list has no storage
    const int lower = list.LBound();
    for (int i = lower; i <= upper; ++i)
        if (list(i) == value)
            return true;
    return false;
}

bool IsInArray(std::int32_t value, std::span<const std::int32_t> list)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace shell
