#include "view/MapPainter.h"

#include "base/Raster.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvd {
namespace {

using i64 = std::int64_t;

std::int32_t Saturate(i64 v) {
    return SaturateToInt32(v);
}

Rect MakeRect(i64 left, i64 top, i64 right, i64 bottom) {
    return Rect{Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

} // namespace

void RenderMainView(ViewGeometry& g, const Image* mapBitmap, const MapPaintOptions& options,
                    const SystemColorTable& colors) {
    static const Image kNoImage;
    const Image& map = mapBitmap ? *mapBitmap : kNoImage;
    Image& buffer = g.ViewBuffer;

    ClampView(g, map.Width(), map.Height());
    g.SourceRect = PlaceRect(g.ViewRect, g.ViewLeft, g.ViewTop);
    CopyRect(buffer, g.ViewRect, map, g.SourceRect, RasterOp::Copy);

    // The strips are exactly the view's part beyond the map's edges.
    const i64 w = g.ViewRect.Width();
    const i64 h = g.ViewRect.Height();
    Rect strips[4];
    int count = 0;
    if (g.ViewLeft < 0)
        strips[count++] = MakeRect(0, 0, -i64(g.ViewLeft), h);
    if (g.ViewTop < 0)
        strips[count++] = MakeRect(0, 0, w, -i64(g.ViewTop));
    if (g.ViewLeft > g.MaxLeft)
        strips[count++] = MakeRect(w - (i64(g.ViewLeft) - g.MaxLeft), 0, w, h);
    if (g.ViewTop > g.MaxTop)
        strips[count++] = MakeRect(0, h - (i64(g.ViewTop) - g.MaxTop), w, h);

    const std::optional<Pixel> border = PixelFromColorValue(options.BorderColor, colors);
    const bool solid = options.BorderStyle == BorderPattern::Solid;
    if (!border || !solid) {
        // Defined pixels under a hatch: no trace of an earlier frame shows between its lines.
        // The workspace's mid grey, not the window's white, so that the default white
        // crosshair (and a black one) stays seen over the border.
        const Pixel background = colors.Get(SystemColorTable::kAppWorkSpace);
        for (int i = 0; i < count; ++i)
            FillRect(buffer, strips[i], background);
    }
    if (border) {
        for (int i = 0; i < count; ++i) {
            if (solid)
                FillRect(buffer, strips[i], *border);
            else
                HatchRect(buffer, strips[i], *border, int(options.BorderStyle));
        }
    }

    if (options.Crosshairs) {
        if (const std::optional<Pixel> cross = PixelFromColorValue(options.CrossColor, colors)) {
            const std::int32_t cx = g.CenterX;
            const std::int32_t cy = g.CenterY;
            DrawLine(buffer, Point{cx, cy - kCrossArm}, Point{cx, cy + kCrossArm}, *cross);
            DrawLine(buffer, Point{cx - kCrossArm, cy}, Point{cx + kCrossArm, cy}, *cross);
        }
    }
}

void RenderOverview(ViewGeometry& g, const Image* smallMapBitmap, const SystemColorTable& colors) {
    static const Image kNoImage;
    const Image& small = smallMapBitmap ? *smallMapBitmap : kNoImage;
    Image& buffer = g.OverviewBuffer;

    const Rect picture{0, 0, small.Width(), small.Height()};
    CopyRect(buffer, picture, small, picture, RasterOp::Copy);
    // Where the picture does not reach, the box shows the window's face colour.
    const Pixel face = colors.Get(SystemColorTable::kButtonFace);
    if (small.Width() < buffer.Width())
        FillRect(buffer, Rect{small.Width(), 0, buffer.Width(), buffer.Height()}, face);
    if (small.Height() < buffer.Height())
        FillRect(buffer,
                 Rect{0, small.Height(), std::min(small.Width(), buffer.Width()), buffer.Height()},
                 face);

    const Point corner = MapToOverview(g, Point{g.ViewLeft, g.ViewTop});
    g.MarkerRect = MakeRect(corner.x, corner.y, i64(corner.x) + g.MarkerRect.Width(),
                            i64(corner.y) + g.MarkerRect.Height());
    FillRect(buffer, g.MarkerRect, kMarkerPixel);
    CopyRect(buffer, g.MarkerRect, small, g.MarkerRect, RasterOp::Or);
}

void RenderViews(ViewGeometry& g, const Image* mapBitmap, const Image* smallMapBitmap,
                 const MapPaintOptions& options, const SystemColorTable& colors) {
    RenderMainView(g, mapBitmap, options, colors);
    RenderOverview(g, smallMapBitmap, colors);
}

} // namespace orvd
