#pragma once
// Whether a card or a stone is among those already drawn: every draw asks it.
#include "platform/VbArray.h"

#include <cstdint>
#include <span>

namespace shell {

// Whether value occurs among the list's elements, unfilled ones (which hold 0) included. A list without
// storage is an error (SubscriptOutOfRange), never a "no".
bool IsInArray(std::int32_t value, const platform::VbArray<std::int32_t>& list);
// The same over just the elements given; the draws pass the cards already dealt.
bool IsInArray(std::int32_t value, std::span<const std::int32_t> list);

} // namespace shell
