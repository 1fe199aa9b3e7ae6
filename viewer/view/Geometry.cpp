#include "view/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvd {
namespace {

using i64 = std::int64_t;

} // namespace

void LayoutForOuterSize(WindowLayout& layout, int outerWidth, int outerHeight) {
    layout.Bevel4Left = outerWidth - 235;
    layout.PaintBox2Left = layout.Bevel4Left + 2;
    layout.Panel1Left = outerWidth - 235;
    layout.Bevel3Width = std::max(0, outerWidth - 273);
    layout.PaintBox1Width = std::max(0, layout.Bevel3Width - 4);
    layout.Bevel3Height = std::max(0, outerHeight - 67);
    layout.PaintBox1Height = std::max(0, layout.Bevel3Height - 4);
}

void FormResize(ViewGeometry& g, int outerWidth, int outerHeight, const Image* mapBitmap,
                const Image* smallMapBitmap) {
    LayoutForOuterSize(g.Layout, outerWidth, outerHeight);
    Calculations(g, mapBitmap, smallMapBitmap);
}

long double OverviewScaleOf(int numerator, int denominator) {
    if (denominator <= 0)
        return 0;
    const long double q = static_cast<long double>(numerator) / denominator;
    if (q == 0 || !std::isfinite(q))
        return 0;
    int exponent = 0;
    const long double fraction = std::frexp(q, &exponent); // in [0.5, 1)
    // roundl is to nearest with ties away from zero, and exact on 64-bit significands.
    return std::ldexp(std::round(std::ldexp(fraction, 40)), exponent - 40);
}

void Calculations(ViewGeometry& g, const Image* mapBitmap, const Image* smallMapBitmap) {
    if (!mapBitmap || !smallMapBitmap)
        return;
    WindowLayout& layout = g.Layout;
    const int boxWidth = std::clamp(smallMapBitmap->Width(), 100, 200);
    const int boxHeight = std::clamp(smallMapBitmap->Height(), 100, 178);
    const int w = layout.PaintBox1Width;
    const int h = layout.PaintBox1Height;

    // Sized first: a refused size then leaves every field as it was.
    g.ViewBuffer.Resize(w, h);
    g.OverviewBuffer.Resize(boxWidth, boxHeight);

    layout.PaintBox2Width = boxWidth;
    layout.PaintBox2Height = boxHeight;
    layout.Bevel4Width = boxWidth + 4;
    layout.Bevel4Height = boxHeight + 4;
    layout.Panel1Top = WindowLayout::kBevel4Top + layout.Bevel4Height + 12;
    g.ViewRect = Rect{0, 0, w, h};
    g.OverviewScale = OverviewScaleOf(smallMapBitmap->Width(), mapBitmap->Width());
    g.MarkerRect =
        Rect{0, 0, RoundHalfEven(g.OverviewScale * w), RoundHalfEven(g.OverviewScale * h)};
    g.ViewLeft = 0;
    g.ViewTop = 0;
    g.MaxTop = mapBitmap->Height() - g.ViewRect.Bottom;
    g.MaxLeft = mapBitmap->Width() - g.ViewRect.Right;
    g.CenterX = w / 2;
    g.CenterY = h / 2;
}

ClampRange ClampRangeOf(const ViewGeometry& g, int mapWidth, int mapHeight) {
    return ClampRange{-i64(g.CenterX) - 20, i64(mapWidth) - g.CenterX + 20, -i64(g.CenterY) - 20,
                      i64(mapHeight) - g.CenterY + 20};
}

void ClampView(ViewGeometry& g, int mapWidth, int mapHeight) {
    const ClampRange r = ClampRangeOf(g, mapWidth, mapHeight);
    if (g.ViewLeft < r.MinLeft)
        g.ViewLeft = SaturateToInt32(r.MinLeft);
    if (g.ViewLeft > r.MaxLeft)
        g.ViewLeft = SaturateToInt32(r.MaxLeft);
    if (g.ViewTop < r.MinTop)
        g.ViewTop = SaturateToInt32(r.MinTop);
    if (g.ViewTop > r.MaxTop)
        g.ViewTop = SaturateToInt32(r.MaxTop);
}

Point ViewToMap(const ViewGeometry& g, Point view) {
    return Point{SaturateToInt32(i64(g.ViewLeft) + view.x),
                 SaturateToInt32(i64(g.ViewTop) + view.y)};
}

Point ViewPositionFor(const ViewGeometry& g, Point map) {
    return Point{SaturateToInt32(i64(map.x) - g.CenterX), SaturateToInt32(i64(map.y) - g.CenterY)};
}

Point OverviewToMap(const ViewGeometry& g, Point overview) {
    if (g.OverviewScale <= 0)
        return Point{};
    return Point{RoundHalfEven(overview.x / g.OverviewScale),
                 RoundHalfEven(overview.y / g.OverviewScale)};
}

Point MapToOverview(const ViewGeometry& g, Point map) {
    return Point{RoundHalfEven(g.OverviewScale * map.x), RoundHalfEven(g.OverviewScale * map.y)};
}

} // namespace orvd
