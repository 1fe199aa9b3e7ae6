#include "base/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvd {

std::int32_t SaturateToInt32(std::int64_t v) {
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::int32_t RoundHalfEven(long double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0L)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483649.0L)
        return std::numeric_limits<std::int32_t>::min();
    const long double lower = std::floor(value);
    const long double rest = value - lower;
    std::int64_t r = std::int64_t(lower);
    if (rest > 0.5L || (rest == 0.5L && (r & 1) != 0))
        ++r;
    return SaturateToInt32(r);
}

} // namespace orvd
