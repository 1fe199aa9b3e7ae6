#include "view/MapAnimation.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvd {
namespace {

constexpr int kMapW = 4000, kMapH = 3000; // the clamp holds ViewLeft in [-213, 3827]

ViewGeometry View(Point at) {
    ViewGeometry g;
    g.ViewRect = Rect{0, 0, 386, 399};
    g.CenterX = 193;
    g.CenterY = 199;
    g.ViewLeft = at.x;
    g.ViewTop = at.y;
    return g;
}

// Ticks with the paint's clamp after each, as the window does, until the animation ends;
// returns the position after every tick. `resetAfter` puts the view at (0, 0) after that tick,
// as a window resize does.
std::vector<Point> Slide(ViewGeometry& g, MapAnimation& a, int resetAfter = -1) {
    std::vector<Point> path;
    while (a.Animating() && path.size() < 1000) {
        a.Tick(g, kMapW, kMapH);
        ClampView(g, kMapW, kMapH);
        if (int(path.size()) == resetAfter)
            g.ViewLeft = g.ViewTop = 0;
        path.push_back(Point{g.ViewLeft, g.ViewTop});
    }
    return path;
}

TEST(MapAnimation, AnimatedMovesStepThenLandOnTheTarget) {
    struct Case {
        const char* name;
        Point start, target;
        int speed;
        std::size_t ticks;
        Point end;
        std::vector<Point> path; // checked when given
        int resetAfter = -1;
    };
    const Case cases[] = {
        {"45 degrees, then straight",
         {0, 0},
         {45, 10},
         20,
         4,
         {45, 10},
         {{20, 10}, {40, 10}, {60, 10}, {45, 10}}},
        {"already there", {100, 100}, {100, 100}, 20, 1, {100, 100}, {{100, 100}}},
        {"speed 50 over 1000 pixels", {0, 0}, {1000, 0}, 50, 21, {1000, 0}, {}},
        {"backwards",
         {500, 300},
         {470, 300},
         20,
         3,
         {470, 300},
         {{480, 300}, {460, 300}, {470, 300}}},
        {"resize while moving back lands at once",
         {500, 0},
         {300, 0},
         20,
         3,
         {300, 0},
         {{480, 0}, {0, 0}, {300, 0}},
         1},
        {"resize while moving on goes on from (0, 0)", {0, 0}, {100, 0}, 50, 5, {100, 0}, {}, 1},
        {"beyond the right clamp edge", {3800, 0}, {5000, 0}, 20, 3, {3827, 0}, {}},
        {"beyond the top clamp edge", {0, -200}, {0, -900}, 20, 2, {0, -219}, {}},
    };
    for (const Case& c : cases) {
        ViewGeometry g = View(c.start);
        MapAnimation a;
        EXPECT_FALSE(a.MoveMap(g, c.target.x, c.target.y, true, c.speed)) << c.name;
        EXPECT_EQ(g.ViewLeft, c.start.x) << c.name; // nothing moves before the first tick
        const std::vector<Point> path = Slide(g, a, c.resetAfter);
        EXPECT_EQ(path.size(), c.ticks) << c.name;
        EXPECT_EQ(path.back(), c.end) << c.name;
        if (!c.path.empty()) {
            EXPECT_EQ(path, c.path) << c.name;
        }
        EXPECT_EQ(a.StepX, 0) << c.name;
        EXPECT_EQ(a.StepY, 0) << c.name;
    }
}

TEST(MapAnimation, SecondMovesTurnOrJumpWithoutStoppingTheSlide) {
    ViewGeometry g = View({0, 0});
    MapAnimation a;
    a.MoveMap(g, 200, 0, true, 20);
    a.Tick(g, kMapW, kMapH);
    a.Tick(g, kMapW, kMapH);
    ASSERT_EQ(g.ViewLeft, 40);
    // A second choice turns from where the view is, at the speed set now.
    a.MoveMap(g, 0, 100, true, 30);
    EXPECT_EQ(a.StepX, -30);
    EXPECT_EQ(a.StepY, 30);
    const std::vector<Point> path = Slide(g, a);
    EXPECT_EQ(path.front(), (Point{10, 30}));
    EXPECT_EQ(path.back(), (Point{0, 100}));

    // An immediate move during a slide jumps and paints; the next tick ends the slide there.
    a.MoveMap(g, 400, 400, true, 10);
    a.Tick(g, kMapW, kMapH);
    EXPECT_TRUE(a.MoveMap(g, 700, 20, false, 10));
    EXPECT_EQ(g.ViewLeft, 700);
    EXPECT_TRUE(a.Animating());
    EXPECT_EQ(Slide(g, a), (std::vector<Point>{{700, 20}}));
}

TEST(MapAnimation, PositionForChoiceCentresTheChosenPoint) {
    const ViewGeometry g = View({0, 0});
    const std::vector<Point> points{{10, 20}, {500, 600}};
    EXPECT_EQ(PositionForChoice(g, points, 1), (Point{307, 401}));
    EXPECT_EQ(PositionForChoice(g, points, 0), (Point{-183, -179}));
    EXPECT_FALSE(PositionForChoice(g, points, -1));
    EXPECT_FALSE(PositionForChoice(g, points, 2));
}

} // namespace
} // namespace orvd
