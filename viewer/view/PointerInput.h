#pragma once

#include "base/Rect.h"
#include "view/Geometry.h"

#include <cstdint>
#include <optional>

namespace orvd {

enum class MouseButton { Left, Right, Middle, Other };

// Where the pointer was last pressed (or dragged, on the overview), in the coordinates of the
// box where that happened; one pair shared by both boxes.
struct PressPosition {
    std::int32_t& X;
    std::int32_t& Y;
};

// A press on the main view: the left and right buttons remember where.
void PressMainView(PressPosition press, MouseButton button, Point at);

struct MainViewRelease {
    bool Moved = false;        // the caller paints
    std::optional<Point> Pick; // the map point for the location editor's X and Y fields
};

// A release on the main view: the left and right buttons centre the map point under the press
// position, taken with the view position now (the release position plays no part); the left
// one in pick mode also hands that point, not limited to the map, to the editor.
MainViewRelease ReleaseMainView(ViewGeometry& g, PressPosition press, MouseButton button,
                                bool pickMode);

// A press on the overview: the left button remembers where.
void PressOverview(PressPosition press, MouseButton button, Point at);

// A pointer move over the overview (also outside it while the button is held): with the left
// button held, centres the map point under `at` and remembers it. Returns whether to paint.
bool DragOverview(ViewGeometry& g, PressPosition press, bool leftHeld, Point at);

// A click on the overview: centres the map point under the remembered position. The caller
// paints.
void ClickOverview(ViewGeometry& g, PressPosition press);

} // namespace orvd
