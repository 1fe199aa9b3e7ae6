#pragma once

#include "base/BorderPattern.h"
#include "base/ColorValue.h"
#include "base/Image.h"
#include "view/Geometry.h"
#include "view/SystemColors.h"

namespace orvd {

// The display options the painting reads.
struct MapPaintOptions {
    ColorValue CrossColor = 0;
    bool Crosshairs = false; // the "Crosshairs" check box
    ColorValue BorderColor = 0;
    BorderPattern BorderStyle = BorderPattern::Solid;
};

inline constexpr Pixel kMarkerPixel = MakePixel(255, 0, 255);
inline constexpr int kCrossArm = 10;

// Renders the main view into g.ViewBuffer: clamps and stores ViewLeft/ViewTop, sets SourceRect,
// copies the visible portion of the map 1:1, paints the parts beyond the map's edges with the
// border (pixels between hatch lines, or everything when BorderColor is none, show the system
// window colour), then the crosshair. Never resizes the buffer; a null map draws as an empty one.
void RenderMainView(ViewGeometry& g, const Image* mapBitmap, const MapPaintOptions& options,
                    const SystemColorTable& colors);

// Renders the overview into g.OverviewBuffer: the overview image at (0, 0), uncut parts of the
// box in the system button-face colour, and the magenta marker (OR-blended with the image) moved
// to the view's position; stores MarkerRect. Call after RenderMainView, which clamps the view.
void RenderOverview(ViewGeometry& g, const Image* smallMapBitmap, const SystemColorTable& colors);

// Both, in that order: everything ShowMap draws before presenting the two buffers.
void RenderViews(ViewGeometry& g, const Image* mapBitmap, const Image* smallMapBitmap,
                 const MapPaintOptions& options, const SystemColorTable& colors);

} // namespace orvd
