#pragma once

#include "base/Image.h"
#include "base/Rect.h"
#include "base/Rounding.h"

#include <cstdint>

namespace orvd {

// Positions and sizes of the main window's regions that follow its size. Everything not listed
// here keeps its design-time place: Bevel3 at (6, 6), PaintBox1 at (8, 8), Bevel4.Top 6,
// PaintBox2.Top 8, Panel1 220 x 218.
struct WindowLayout {
    static constexpr int kBevel3Left = 6;
    static constexpr int kBevel3Top = 6;
    static constexpr int kPaintBox1Left = 8;
    static constexpr int kPaintBox1Top = 8;
    static constexpr int kBevel4Top = 6;
    static constexpr int kPaintBox2Top = 8;
    static constexpr int kPanel1Width = 220;
    static constexpr int kPanel1Height = 218;

    int Bevel3Width = 0;
    int Bevel3Height = 0;
    int PaintBox1Width = 0;
    int PaintBox1Height = 0;
    int Bevel4Left = 0;
    int Bevel4Width = 0;
    int Bevel4Height = 0;
    int PaintBox2Left = 0;
    int PaintBox2Width = 0;
    int PaintBox2Height = 0;
    int Panel1Left = 0;
    int Panel1Top = 0;

    // The regions as rectangles in the window's client area.
    Rect Bevel3() const {
        return {kBevel3Left, kBevel3Top, kBevel3Left + Bevel3Width, kBevel3Top + Bevel3Height};
    }
    Rect PaintBox1() const {
        return {kPaintBox1Left, kPaintBox1Top, kPaintBox1Left + PaintBox1Width,
                kPaintBox1Top + PaintBox1Height};
    }
    Rect Bevel4() const {
        return {Bevel4Left, kBevel4Top, Bevel4Left + Bevel4Width, kBevel4Top + Bevel4Height};
    }
    Rect PaintBox2() const {
        return {PaintBox2Left, kPaintBox2Top, PaintBox2Left + PaintBox2Width,
                kPaintBox2Top + PaintBox2Height};
    }
    Rect Panel1() const {
        return {Panel1Left, Panel1Top, Panel1Left + kPanel1Width, Panel1Top + kPanel1Height};
    }
};

// The regions in the window's definition, which they keep until its first size report.
inline constexpr WindowLayout kDesignLayout{.Bevel3Width = 414,
                                            .Bevel3Height = 403,
                                            .PaintBox1Width = 410,
                                            .PaintBox1Height = 399,
                                            .Bevel4Left = 433,
                                            .Bevel4Width = 204,
                                            .Bevel4Height = 182,
                                            .PaintBox2Left = 435,
                                            .PaintBox2Width = 200,
                                            .PaintBox2Height = 178,
                                            .Panel1Left = 428,
                                            .Panel1Top = 200};

// The view state of the main window: how the main view, the overview and the map relate.
// ViewBuffer and OverviewBuffer are the two off-screen drawing surfaces; only Calculations
// resizes them (painting never reallocates).
struct ViewGeometry {
    WindowLayout Layout;

    std::int32_t ViewLeft = 0; // map x of the view's left edge
    std::int32_t ViewTop = 0;  // map y of the view's top edge
    Rect ViewRect;             // (0, 0, view width, view height)
    std::int32_t CenterX = 0;  // crosshair, in view coordinates
    std::int32_t CenterY = 0;
    std::int32_t MaxLeft = 0; // largest ViewLeft with the view inside the map; may be negative
    std::int32_t MaxTop = 0;
    // Overview width / map width, held to 40 significant bits; 0 when either image is empty.
    long double OverviewScale = 0;
    Rect MarkerRect; // size set by Calculations, position by each paint
    Rect SourceRect; // the map part shown, set by each paint

    Image ViewBuffer;
    Image OverviewBuffer;
};

// The outer window size at the initial size of the main window, and the window layer's frame:
// outer size = client size (below the menu bar) + (kFrameWidth, kFrameHeight).
inline constexpr int kInitialOuterWidth = 663;
inline constexpr int kInitialOuterHeight = 470;
inline constexpr int kFrameWidth = 8;
inline constexpr int kFrameHeight = 46;

// Lays out the regions for the window's OUTER width and height. Below the minimum window size
// the boxes shrink to 0, never below: PaintBox1 is max(0, W - 277) x max(0, H - 71).
void LayoutForOuterSize(WindowLayout& layout, int outerWidth, int outerHeight);

// The resize event: the layout, then Calculations. Throws like Calculations.
void FormResize(ViewGeometry& g, int outerWidth, int outerHeight, const Image* mapBitmap,
                const Image* smallMapBitmap);

// Recomputes the overview box, Panel1.Top, view rectangle, scale, marker size, limits and centre
// from PaintBox1's size and the two images, resizes both buffers and puts the view at the map's
// top-left corner. Does nothing when either image pointer is null. An empty main map gives
// OverviewScale 0 and an empty marker; everything else follows the usual rules (the whole view
// is then border). Throws orvd::Error, changing nothing, when the view buffer cannot be sized.
void Calculations(ViewGeometry& g, const Image* mapBitmap, const Image* smallMapBitmap);

// numerator / denominator in extended precision, rounded to 40 significant bits (to nearest,
// ties away from zero); 0 when the denominator is not positive.
long double OverviewScaleOf(int numerator, int denominator);

// Keeps the map point under the crosshair within 20 pixels of the map; stores the result.
void ClampView(ViewGeometry& g, int mapWidth, int mapHeight);

// The positions ClampView allows: the map point under the crosshair at most 20 pixels beyond
// the map's edges.
struct ClampRange {
    std::int64_t MinLeft, MaxLeft, MinTop, MaxTop;
};
ClampRange ClampRangeOf(const ViewGeometry& g, int mapWidth, int mapHeight);

// A view pixel's map point.
Point ViewToMap(const ViewGeometry& g, Point view);
// The (ViewLeft, ViewTop) that puts map point `map` under the crosshair.
Point ViewPositionFor(const ViewGeometry& g, Point map);
// An overview pixel's map point; (0, 0) while the scale is 0.
Point OverviewToMap(const ViewGeometry& g, Point overview);
// The overview position of a map position (the marker's corner for the view's corner).
Point MapToOverview(const ViewGeometry& g, Point map);

} // namespace orvd
