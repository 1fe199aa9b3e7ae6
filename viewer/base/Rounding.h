#pragma once

#include <cstdint>

namespace orvd {

// v held within the int32 range.
std::int32_t SaturateToInt32(std::int64_t v);

// To nearest, an exact half to the even neighbour; saturated to the int32 range, NaN gives 0.
std::int32_t RoundHalfEven(long double value);

} // namespace orvd
