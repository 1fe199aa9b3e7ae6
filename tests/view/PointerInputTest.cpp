#include "view/PointerInput.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

ViewGeometry View() {
    ViewGeometry g;
    g.CenterX = 193;
    g.CenterY = 199;
    g.ViewLeft = 100;
    g.ViewTop = 50;
    g.OverviewScale = 0.125L;
    return g;
}

TEST(PointerInput, MainViewCentresThePressPointAtRelease) {
    struct Case {
        const char* name;
        MouseButton button;
        bool pickMode;
        Point press;
        bool moved;
        std::optional<Point> picked;
        Point view;
    };
    const Case cases[] = {
        {"left", MouseButton::Left, false, {10, 20}, true, {}, {-83, -129}},
        {"left picks", MouseButton::Left, true, {10, 20}, true, Point{110, 70}, {-83, -129}},
        {"right only centres", MouseButton::Right, true, {10, 20}, true, {}, {-83, -129}},
        {"at the crosshair", MouseButton::Left, false, {193, 199}, true, {}, {100, 50}},
        {"beyond the map", MouseButton::Left, true, {0, 0}, true, Point{100, 50}, {-93, -149}},
        {"middle does nothing", MouseButton::Middle, true, {10, 20}, false, {}, {100, 50}},
    };
    for (const Case& c : cases) {
        ViewGeometry g = View();
        std::int32_t x = 7, y = 8;
        PressMainView({x, y}, c.button, c.press);
        // The release position is not asked for: a press, drag and release is a click.
        const MainViewRelease r = ReleaseMainView(g, {x, y}, c.button, c.pickMode);
        EXPECT_EQ(r.Moved, c.moved) << c.name;
        EXPECT_EQ(r.Pick, c.picked) << c.name;
        EXPECT_EQ((Point{g.ViewLeft, g.ViewTop}), c.view) << c.name;
    }
}

TEST(PointerInput, OverviewClicksAndDragsCentreTheScaledPoint) {
    ViewGeometry g = View();
    std::int32_t x = 0, y = 0;
    PressOverview({x, y}, MouseButton::Left, {100, 89});
    ClickOverview(g, {x, y});
    EXPECT_EQ((Point{g.ViewLeft, g.ViewTop}), (Point{607, 513}));

    PressOverview({x, y}, MouseButton::Right, {1, 1}); // not the left button: kept
    EXPECT_EQ((Point{x, y}), (Point{100, 89}));

    EXPECT_TRUE(DragOverview(g, {x, y}, true, {5, 3}));
    EXPECT_EQ((Point{g.ViewLeft, g.ViewTop}), (Point{-153, -175}));
    // Outside the box while held: handled alike, the paint's clamp bounds the result.
    EXPECT_TRUE(DragOverview(g, {x, y}, true, {-8, 400}));
    EXPECT_EQ((Point{g.ViewLeft, g.ViewTop}), (Point{-257, 3001}));
    ClickOverview(g, {x, y}); // the last drag position, not the release's
    EXPECT_EQ((Point{g.ViewLeft, g.ViewTop}), (Point{-257, 3001}));

    EXPECT_FALSE(DragOverview(g, {x, y}, false, {50, 50}));
    EXPECT_EQ((Point{x, y}), (Point{-8, 400}));
}

} // namespace
} // namespace orvd
