#include "view/Geometry.h"

#include "base/Error.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace orvd {
namespace {

// The outer window size whose main view is w x h.
constexpr int OuterWidthFor(int w) {
    return w + 277;
}
constexpr int OuterHeightFor(int h) {
    return h + 71;
}

TEST(Geometry, LayoutFollowsTheOuterSize) {
    struct Case {
        int outerW, outerH;
        int bevel3W, bevel3H, view1W, view1H, bevel4Left, box2Left;
    };
    const Case cases[] = {
        {663, 470, 390, 403, 386, 399, 428, 430}, // initial size
        {400, 470, 127, 403, 123, 399, 165, 167}, // minimum tracking size
        {655 + kFrameWidth, 424 + kFrameHeight, 390, 403, 386, 399, 428, 430},
        {275, 69, 2, 2, 0, 0, 40, 42},      // below the minimum: sizes stop at 0
        {0, 0, 0, 0, 0, 0, -235, -233},     // minimised
        {-50, -50, 0, 0, 0, 0, -285, -283}, // nonsense from the window system
    };
    for (const Case& c : cases) {
        WindowLayout layout;
        LayoutForOuterSize(layout, c.outerW, c.outerH);
        EXPECT_EQ(layout.Bevel3Width, c.bevel3W) << c.outerW;
        EXPECT_EQ(layout.Bevel3Height, c.bevel3H) << c.outerW;
        EXPECT_EQ(layout.PaintBox1Width, c.view1W) << c.outerW;
        EXPECT_EQ(layout.PaintBox1Height, c.view1H) << c.outerW;
        EXPECT_EQ(layout.Bevel4Left, c.bevel4Left) << c.outerW;
        EXPECT_EQ(layout.Panel1Left, c.bevel4Left) << c.outerW;
        EXPECT_EQ(layout.PaintBox2Left, c.box2Left) << c.outerW;
    }
}

TEST(Geometry, CalculationsForTheNorthernMap) {
    const Image map(1600, 1424);
    const Image small(200, 178);
    ViewGeometry g;
    FormResize(g, kInitialOuterWidth, kInitialOuterHeight, &map, &small);
    EXPECT_EQ(g.Layout.PaintBox2Width, 200);
    EXPECT_EQ(g.Layout.PaintBox2Height, 178);
    EXPECT_EQ(g.Layout.Bevel4Width, 204);
    EXPECT_EQ(g.Layout.Bevel4Height, 182);
    EXPECT_EQ(g.Layout.Panel1Top, 200);
    EXPECT_EQ(g.OverviewScale, 0.125L);
    EXPECT_EQ(g.ViewRect, (Rect{0, 0, 386, 399}));
    EXPECT_EQ(g.MarkerRect, (Rect{0, 0, 48, 50}));
    EXPECT_EQ(g.CenterX, 193);
    EXPECT_EQ(g.CenterY, 199);
    EXPECT_EQ(g.MaxLeft, 1214);
    EXPECT_EQ(g.MaxTop, 1025);
    EXPECT_EQ(g.ViewBuffer.Width(), 386);
    EXPECT_EQ(g.ViewBuffer.Height(), 399);
    EXPECT_EQ(g.OverviewBuffer.Width(), 200);
    EXPECT_EQ(g.OverviewBuffer.Height(), 178);

    struct Clamp {
        int left, top, clampedLeft, clampedTop;
    };
    const Clamp clamps[] = {
        {-213, -219, -213, -219}, {-214, -220, -213, -219},           {1427, 1245, 1427, 1245},
        {1428, 1246, 1427, 1245}, {INT32_MIN, INT32_MAX, -213, 1245}, {500, 7, 500, 7},
    };
    for (const Clamp& c : clamps) {
        g.ViewLeft = c.left;
        g.ViewTop = c.top;
        ClampView(g, map.Width(), map.Height());
        EXPECT_EQ(g.ViewLeft, c.clampedLeft) << c.left;
        EXPECT_EQ(g.ViewTop, c.clampedTop) << c.top;
    }

    // A one-pixel resize after a move puts the map's corner back at the view's corner.
    g.ViewLeft = 700;
    g.ViewTop = 300;
    FormResize(g, kInitialOuterWidth + 1, kInitialOuterHeight, &map, &small);
    EXPECT_EQ(g.ViewLeft, 0);
    EXPECT_EQ(g.ViewTop, 0);
    EXPECT_EQ(g.CenterX, 193); // 387 wide
    EXPECT_EQ(g.MaxLeft, 1213);
}

TEST(Geometry, OverviewBoxAndViewSizes) {
    struct Case {
        int mapW, mapH, smallW, smallH, viewW, viewH;
        int boxW, boxH, panelTop, centerX, centerY, maxLeft, minLeft, maxLeftAllowed;
        Rect marker;
    };
    const Case cases[] = {
        // Overview lower than 100: raised; wider than 200 or higher than 178: cut.
        {1500, 900, 150, 90, 386, 399, 150, 100, 122, 193, 199, 1114, -213, 1327, {0, 0, 39, 40}},
        {2000, 1600, 250, 200, 386, 399, 200, 178, 200, 193, 199, 1614, -213, 1827, {0, 0, 48, 50}},
        {1600, 1424, 200, 178, 387, 398, 200, 178, 200, 193, 199, 1213, -213, 1427, {0, 0, 48, 50}},
        // A view wider than the map.
        {300, 200, 100, 100, 400, 300, 100, 100, 122, 200, 150, -100, -220, 120, {0, 0, 133, 100}},
        // An empty overview: box 100 x 100, scale 0, empty marker.
        {1600, 1424, 0, 0, 386, 399, 100, 100, 122, 193, 199, 1214, -213, 1427, {0, 0, 0, 0}},
        // An empty main map: only the scale is undefined; it becomes 0.
        {0, 0, 0, 0, 386, 399, 100, 100, 122, 193, 199, -386, -213, -173, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Image map(c.mapW, c.mapH);
        const Image small(c.smallW, c.smallH);
        ViewGeometry g;
        FormResize(g, OuterWidthFor(c.viewW), OuterHeightFor(c.viewH), &map, &small);
        const auto where = ::testing::Message() << "map " << c.mapW << " small " << c.smallW;
        EXPECT_EQ(g.Layout.PaintBox2Width, c.boxW) << where;
        EXPECT_EQ(g.Layout.PaintBox2Height, c.boxH) << where;
        EXPECT_EQ(g.Layout.Bevel4Width, c.boxW + 4) << where;
        EXPECT_EQ(g.Layout.Bevel4Height, c.boxH + 4) << where;
        EXPECT_EQ(g.Layout.Panel1Top, c.panelTop) << where;
        EXPECT_EQ(g.CenterX, c.centerX) << where;
        EXPECT_EQ(g.CenterY, c.centerY) << where;
        EXPECT_EQ(g.MaxLeft, c.maxLeft) << where;
        EXPECT_EQ(g.MarkerRect, c.marker) << where;
        EXPECT_EQ(g.OverviewBuffer.Width(), c.boxW) << where;
        g.ViewLeft = INT32_MIN;
        ClampView(g, c.mapW, c.mapH);
        EXPECT_EQ(g.ViewLeft, c.minLeft) << where;
        g.ViewLeft = INT32_MAX;
        ClampView(g, c.mapW, c.mapH);
        EXPECT_EQ(g.ViewLeft, c.maxLeftAllowed) << where;
    }
}

TEST(Geometry, UnusableInputsChangeNothingOrStayNonNegative) {
    const Image map(1600, 1424);
    const Image small(200, 178);
    ViewGeometry g;
    FormResize(g, kInitialOuterWidth, kInitialOuterHeight, &map, &small);
    g.ViewLeft = 55;

    // Images not there yet: the layout follows the window, the rest stays.
    FormResize(g, 900, 600, nullptr, &small);
    Calculations(g, &map, nullptr);
    EXPECT_EQ(g.Layout.PaintBox1Width, 623);
    EXPECT_EQ(g.ViewRect, (Rect{0, 0, 386, 399}));
    EXPECT_EQ(g.ViewLeft, 55);

    // A view too large to allocate: an error, and the geometry is untouched.
    g.Layout.PaintBox1Width = 70000;
    EXPECT_THROW(Calculations(g, &map, &small), Error);
    EXPECT_EQ(g.ViewRect, (Rect{0, 0, 386, 399}));
    EXPECT_EQ(g.ViewBuffer.Width(), 386);
    EXPECT_EQ(g.ViewLeft, 55);

    // A minimised window: everything 0, nothing negative.
    FormResize(g, 160, 28, &map, &small);
    EXPECT_EQ(g.ViewRect, (Rect{0, 0, 0, 0}));
    EXPECT_EQ(g.CenterX, 0);
    EXPECT_EQ(g.MarkerRect, (Rect{0, 0, 0, 0}));
    EXPECT_TRUE(g.ViewBuffer.IsEmpty());
    EXPECT_EQ(g.MaxLeft, 1600);
}

TEST(Geometry, BuffersKeepTheirPixelsWhenTheViewDoesNotGrow) {
    const Image map(1600, 1424);
    const Image small(200, 178);
    ViewGeometry g;
    FormResize(g, 1200, 900, &map, &small);
    const Pixel* view = g.ViewBuffer.Data();
    const Pixel* overview = g.OverviewBuffer.Data();
    for (int outerW : {1200, 1100, 700, 1199}) {
        FormResize(g, outerW, 880, &map, &small);
        EXPECT_EQ(g.ViewBuffer.Data(), view) << outerW;
        EXPECT_EQ(g.OverviewBuffer.Data(), overview) << outerW;
    }
}

TEST(Geometry, ScaleIsHeldToFortyBits) {
    // 1/3 = 2^-1 x 2/3; 2/3 x 2^40 = 733007751850.67 rounds up, 4/7 x 2^40 = 628292358729.14 down.
    EXPECT_EQ(OverviewScaleOf(1, 3), std::ldexp(733007751851.0L, -41));
    EXPECT_EQ(OverviewScaleOf(1, 7), std::ldexp(628292358729.0L, -42));
    EXPECT_EQ(OverviewScaleOf(200, 1600), 0.125L);
    EXPECT_EQ(OverviewScaleOf(0, 1600), 0.0L);
    EXPECT_EQ(OverviewScaleOf(200, 0), 0.0L);
    EXPECT_EQ(OverviewScaleOf(-1, 3), -std::ldexp(733007751851.0L, -41));
}

TEST(Geometry, RoundingGoesToTheEvenNeighbour) {
    struct Case {
        long double value;
        int expected;
    };
    const Case cases[] = {
        {48.5L, 48},        {49.5L, 50},         {-26.625L, -27}, {-0.5L, 0},
        {-1.5L, -2},        {2.4999L, 2},        {2.5001L, 3},    {-2.5L, -2},
        {1e30L, INT32_MAX}, {-1e30L, INT32_MIN}, {NAN, 0},        {2147483647.4L, INT32_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.expected) << double(c.value);
}

TEST(Geometry, Conversions) {
    const Image map(1600, 1424);
    const Image small(200, 178);
    ViewGeometry g;
    FormResize(g, kInitialOuterWidth, kInitialOuterHeight, &map, &small);
    g.ViewLeft = -213;
    g.ViewTop = 100;
    EXPECT_EQ(ViewToMap(g, Point{10, 20}), (Point{-203, 120}));
    EXPECT_EQ(ViewPositionFor(g, Point{800, 700}), (Point{607, 501}));
    EXPECT_EQ(OverviewToMap(g, Point{3, 5}), (Point{24, 40}));
    EXPECT_EQ(MapToOverview(g, Point{g.ViewLeft, g.ViewTop}), (Point{-27, 12})); // -26.625, 12.5
    EXPECT_EQ(MapToOverview(g, Point{4, 12}), (Point{0, 2}));                    // 0.5, 1.5

    // A third: 7 / (1/3) is 21.0000000000x, not a half; the stored scale is slightly above 1/3.
    const Image map3(300, 300);
    const Image small3(100, 100);
    FormResize(g, kInitialOuterWidth, kInitialOuterHeight, &map3, &small3);
    EXPECT_EQ(OverviewToMap(g, Point{7, 50}), (Point{21, 150}));
    EXPECT_EQ(MapToOverview(g, Point{3, -150}), (Point{1, -50}));

    g.OverviewScale = 0;
    EXPECT_EQ(OverviewToMap(g, Point{50, 50}), (Point{0, 0}));
}

} // namespace
} // namespace orvd
