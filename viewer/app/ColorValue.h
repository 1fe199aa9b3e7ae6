#pragma once

#include <cstdint>

namespace orvd {

// $00BBGGRR for a plain colour (red in the low byte), $80000000 + n for the window system's
// colour number n, $1FFFFFFF for none. Other values are kept as they are.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kColorNone = 0x1FFFFFFFu;
inline constexpr ColorValue kSystemColorBase = 0x80000000u;

} // namespace orvd
