#pragma once

#include <cstdint>

namespace orvd {

// Fill pattern of the border beyond the map's edges. The hatch patterns draw only their lines;
// the enumerator values are the window system's hatch numbers (Solid has none).
enum class BorderPattern {
    Horizontal = 0,
    Vertical = 1,
    DownDiagonal = 2,
    UpDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5,
    Solid = 6,
};

// The border-style code stored in the settings is the item index of the border dialog's list.
// Codes outside 0 to 5 (6, larger and negative ones) give DiagonalCross.
BorderPattern PatternFromCode(std::int32_t code);

// The exact inverse: 0 to 6.
std::int32_t CodeFromPattern(BorderPattern pattern);

} // namespace orvd
