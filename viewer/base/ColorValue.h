#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvd {

// $00BBGGRR for a plain colour (red in the low byte), $80000000 + n for the window system's
// colour number n, $1FFFFFFF for none. Other values are kept as they are.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kColorNone = 0x1FFFFFFFu;
inline constexpr ColorValue kSystemColorBase = 0x80000000u;

struct ColorName {
    const char* name;
    ColorValue value;
};

// The 42 named colours in table order: 16 plain colours, the window system's colours 0 to 24,
// clNone.
extern const std::array<ColorName, 42> kColorNames;

// The name of the first table entry with this value, else "$" and eight upper-case hex digits.
std::string ColorToText(ColorValue value);

// A table name (ASCII letters in either case), or integer text (see ParseIntegerText; a
// negative number gives its two's-complement pattern). Throws orvd::Error("'<text>' is not a
// valid integer value") for anything else.
ColorValue ColorFromText(std::string_view text);

} // namespace orvd
