#pragma once

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

} // namespace orvd
