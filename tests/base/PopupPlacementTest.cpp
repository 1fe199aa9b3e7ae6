#include "base/help/PopupPlacement.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(PopupPlacement, BesideTheControlAndAlwaysOnItsScreen) {
    const Rect screen{0, 0, 1024, 768}, second{1024, 0, 2048, 768};
    struct Row {
        Rect control;
        std::int32_t width, height;
        Rect screen;
        Point expected;
    } rows[] = {
        {{100, 50, 309, 71}, 300, 100, screen, {313, 50}},       // room on the right
        {{618, 300, 827, 321}, 300, 100, screen, {314, 300}},    // no room right: on the left
        {{200, 10, 900, 31}, 300, 100, screen, {724, 10}},       // no room either side
        {{100, 700, 309, 733}, 300, 100, screen, {313, 668}},    // pushed up off the bottom
        {{100, -20, 309, 1}, 300, 100, screen, {313, 0}},        // control above the screen
        {{1900, 100, 2000, 121}, 300, 100, second, {1596, 100}}, // the control's own screen
        {{100, 50, 309, 71}, 1200, 900, screen, {0, 0}},         // larger than the screen
    };
    for (const Row& r : rows) {
        const Point at = PlacePopupBeside(r.control, r.width, r.height, r.screen, 4);
        EXPECT_EQ(at.x, r.expected.x) << r.control.Left << "," << r.control.Top;
        EXPECT_EQ(at.y, r.expected.y) << r.control.Left << "," << r.control.Top;
    }
}

} // namespace
} // namespace orvd
