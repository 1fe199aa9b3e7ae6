#include "view/MapPainter.h"

#include <climits>
#include <gtest/gtest.h>

namespace orvd {
namespace {

// Every map pixel different from its neighbours, so a misplaced copy shows.
Image PatternImage(int w, int h, std::uint8_t blue) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.Set(x, y, MakePixel(std::uint8_t(x * 7 + y), std::uint8_t(y * 3 + x), blue));
    return image;
}

constexpr ColorValue kRed = 0x000000FF;
constexpr ColorValue kBlue = 0x00FF0000;
constexpr Pixel kRedPixel = MakePixel(255, 0, 0);
constexpr Pixel kBluePixel = MakePixel(0, 0, 255);

struct Fixture {
    Image map;
    Image small;
    ViewGeometry g;
    MapPaintOptions options;
    SystemColorTable colors;

    Fixture(int mapW, int mapH, int smallW, int smallH, int viewW = 386, int viewH = 399)
        : map(PatternImage(mapW, mapH, 0x40)), small(PatternImage(smallW, smallH, 0x11)) {
        FormResize(g, viewW + 277, viewH + 71, &map, &small);
        options.CrossColor = kRed;
        options.Crosshairs = true;
        options.BorderColor = kBlue;
        options.BorderStyle = BorderPattern::Solid;
    }
    void Render() { RenderViews(g, &map, &small, options, colors); }
    Pixel View(int x, int y) const { return g.ViewBuffer.At(x, y); }
};

bool OnCross(int x, int y, int cx, int cy) {
    return (x == cx && y >= cy - 10 && y < cy + 10) || (y == cy && x >= cx - 10 && x < cx + 10);
}

TEST(MapPainter, DefaultViewShowsTheMapCornerTheCrossAndTheMarker) {
    Fixture f(1600, 1424, 200, 178);
    f.Render();
    ASSERT_EQ(f.g.ViewBuffer.Width(), 386);
    EXPECT_EQ(f.g.SourceRect, (Rect{0, 0, 386, 399}));
    int crossPixels = 0;
    for (int y = 0; y < 399; ++y)
        for (int x = 0; x < 386; ++x) {
            if (OnCross(x, y, 193, 199)) {
                ASSERT_EQ(f.View(x, y), kRedPixel) << x << "," << y;
                ++crossPixels;
            } else {
                ASSERT_EQ(f.View(x, y), f.map.At(x, y)) << x << "," << y;
            }
        }
    EXPECT_EQ(crossPixels, 39); // two arms of 20 sharing the centre

    EXPECT_EQ(f.g.MarkerRect, (Rect{0, 0, 48, 50}));
    for (int y = 0; y < 178; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool marked = x < 48 && y < 50;
            const Pixel p = f.small.At(x, y);
            ASSERT_EQ(f.g.OverviewBuffer.At(x, y), marked ? (p | kMarkerPixel) : p);
        }
    EXPECT_EQ(f.g.OverviewBuffer.At(0, 0), MakePixel(255, 0, 255));
    EXPECT_EQ(f.g.OverviewBuffer.At(10, 20), MakePixel(255, GreenOf(f.small.At(10, 20)), 255));
}

TEST(MapPainter, BorderStripsCoverExactlyThePartBeyondTheMap) {
    struct Case {
        int mapW, viewW, viewLeft;
        int clampedLeft;
        int leftEnd;    // strip [0, leftEnd)
        int rightBegin; // strip [rightBegin, viewW)
    };
    const Case cases[] = {
        {1600, 386, 0, 0, 0, 386},          {1600, 386, -213, -213, 213, 386},
        {1600, 386, -5000, -213, 213, 386}, {1600, 386, 1427, 1427, 0, 173},
        {1600, 386, 99999, 1427, 0, 173},   {300, 400, 0, 0, 0, 300},
        {300, 400, -50, -50, 50, 350},
    };
    for (const Case& c : cases) {
        Fixture f(c.mapW, 1424, 200, 178, c.viewW, 399);
        f.options.Crosshairs = false;
        f.g.ViewLeft = c.viewLeft;
        f.Render();
        EXPECT_EQ(f.g.ViewLeft, c.clampedLeft);
        for (int y = 0; y < 399; y += 37)
            for (int x = 0; x < c.viewW; ++x) {
                const bool strip = x < c.leftEnd || x >= c.rightBegin;
                ASSERT_EQ(f.View(x, y), strip ? kBluePixel : f.map.At(x + c.clampedLeft, y))
                    << "left " << c.viewLeft << " at " << x << "," << y;
            }
    }
}

TEST(MapPainter, TopAndBottomStripsAndTheCrossOverTheBorder) {
    Fixture f(1600, 1424, 200, 178);
    f.g.ViewLeft = -213;
    f.g.ViewTop = -219;
    f.Render();
    // The crosshair is 20 pixels left of and above the map's corner, drawn over the border.
    EXPECT_EQ(f.View(193, 199), kRedPixel);
    EXPECT_EQ(f.View(213, 219), f.map.At(0, 0));
    EXPECT_EQ(f.View(212, 219), kBluePixel);
    EXPECT_EQ(f.View(213, 218), kBluePixel);
    EXPECT_EQ(f.View(385, 398), f.map.At(172, 179));

    f.g.ViewTop = 1245;
    f.Render();
    EXPECT_EQ(f.View(300, 399 - 1245 + 1025 - 1), f.map.At(87, 1423)); // last map row
    EXPECT_EQ(f.View(300, 399 - 1245 + 1025), kBluePixel);
}

TEST(MapPainter, HatchedBorderShowsTheWorkspaceColourBetweenItsLines) {
    Fixture f(1600, 1424, 200, 178);
    f.options.BorderStyle = BorderPattern::Vertical;
    f.colors.Set(SystemColorTable::kAppWorkSpace, MakePixel(9, 9, 9));
    f.g.ViewBuffer.Resize(386, 399, MakePixel(1, 1, 1)); // stale pixels of an earlier frame
    f.g.ViewLeft = -100;
    f.Render();
    for (int y = 0; y < 399; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(f.View(x, y), OnCross(x, y, 193, 199) ? kRedPixel
                                    : x % 8 == 4            ? kBluePixel
                                                            : MakePixel(9, 9, 9))
                << x << "," << y;
    EXPECT_EQ(f.View(100, 0), f.map.At(0, 0));

    // No border colour at all: the strip is plain workspace colour.
    f.options.BorderColor = kColorNone;
    f.options.BorderStyle = BorderPattern::Solid;
    f.Render();
    EXPECT_EQ(f.View(4, 0), MakePixel(9, 9, 9));
    EXPECT_EQ(f.View(99, 398), MakePixel(9, 9, 9));
}

// Between the hatch lines the default white crosshair must not fade into the ground.
TEST(MapPainter, DefaultCrosshairStandsOutOnEveryHatchedBorder) {
    for (BorderPattern pattern :
         {BorderPattern::Horizontal, BorderPattern::Vertical, BorderPattern::DownDiagonal,
          BorderPattern::UpDiagonal, BorderPattern::Cross, BorderPattern::DiagonalCross}) {
        Fixture f(1600, 1424, 200, 178);
        f.options = MapPaintOptions{0x00FFFFFF, true, 0x0080FFFF, pattern}; // the defaults
        f.g.ViewLeft = -1000; // the whole view is border
        f.Render();
        const Pixel cross = f.View(193, 199);
        for (int y = 0; y < 399; ++y) {
            for (int x = 0; x < 386; ++x) {
                if (!OnCross(x, y, 193, 199)) {
                    ASSERT_NE(f.View(x, y), cross) << int(pattern) << " " << x << "," << y;
                }
            }
        }
    }
}

TEST(MapPainter, CrosshairOptions) {
    Fixture f(1600, 1424, 200, 178);
    f.options.Crosshairs = false;
    f.g.ViewLeft = -100;
    f.Render();
    EXPECT_EQ(f.View(193, 199), f.map.At(93, 199));
    EXPECT_EQ(f.View(50, 199), kBluePixel); // strips are drawn all the same

    f.options.Crosshairs = true;
    f.options.CrossColor = kColorNone;
    f.Render();
    EXPECT_EQ(f.View(193, 199), f.map.At(93, 199));

    f.options.CrossColor = kSystemColorBase + 13; // highlight
    f.Render();
    EXPECT_EQ(f.View(193, 189), MakePixel(0, 0, 0x80));
    EXPECT_EQ(f.View(193, 209), f.map.At(93, 209));
}

TEST(MapPainter, MarkerBeyondTheOverviewIsCut) {
    Fixture f(1600, 1424, 200, 178);
    f.options.Crosshairs = false;
    f.g.ViewLeft = -213;
    f.Render();
    EXPECT_EQ(f.g.MarkerRect, (Rect{-27, 0, 21, 50}));
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(f.g.OverviewBuffer.At(x, 10),
                  x < 21 ? (f.small.At(x, 10) | kMarkerPixel) : f.small.At(x, 10))
            << x;
}

TEST(MapPainter, OverviewOutsideItsPictureShowsTheFaceColour) {
    const Pixel face = MakePixel(0xC0, 0xC0, 0xC0);
    {
        Fixture f(1500, 900, 150, 90);
        f.Render();
        ASSERT_EQ(f.g.OverviewBuffer.Height(), 100);
        EXPECT_EQ(f.g.OverviewBuffer.At(149, 89), f.small.At(149, 89));
        EXPECT_EQ(f.g.OverviewBuffer.At(60, 90), face);
        EXPECT_EQ(f.g.OverviewBuffer.At(149, 99), face);
    }
    {
        Fixture f(1600, 1424, 0, 0); // overview failed to load
        f.Render();
        ASSERT_EQ(f.g.OverviewBuffer.Width(), 100);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                ASSERT_EQ(f.g.OverviewBuffer.At(x, y), face);
    }
    {
        Fixture f(1600, 1424, 250, 200); // cut at 200 x 178
        f.options.Crosshairs = false;
        f.g.ViewLeft = 1000;
        f.Render();
        EXPECT_EQ(f.g.OverviewBuffer.At(199, 177), f.small.At(199, 177));
    }
}

TEST(MapPainter, DegenerateStatesDrawSafely) {
    {
        Fixture f(0, 0, 0, 0); // a main picture that decoded to nothing
        f.Render();
        for (int y = 0; y < 399; y += 11)
            for (int x = 0; x < 386; x += 7)
                ASSERT_EQ(f.View(x, y), OnCross(x, y, 193, 199) ? kRedPixel : kBluePixel);
    }
    {
        Fixture f(1600, 1424, 200, 178, 0, 0); // minimised
        f.Render();
        EXPECT_TRUE(f.g.ViewBuffer.IsEmpty());
    }
    {
        ViewGeometry g; // before the first Calculations
        MapPaintOptions options;
        options.Crosshairs = true;
        g.ViewLeft = INT32_MIN;
        g.ViewTop = INT32_MAX;
        RenderViews(g, nullptr, nullptr, options, SystemColorTable{});
        EXPECT_EQ(g.ViewLeft, -20);
        EXPECT_EQ(g.ViewTop, 20);
    }
}

TEST(MapPainter, RenderingNeverReallocatesTheBuffers) {
    Fixture f(1600, 1424, 200, 178);
    const Pixel* view = f.g.ViewBuffer.Data();
    const Pixel* overview = f.g.OverviewBuffer.Data();
    for (int left : {0, -213, 500, 1427}) {
        f.g.ViewLeft = left;
        f.g.ViewTop = left / 2;
        f.Render();
        EXPECT_EQ(f.g.ViewBuffer.Data(), view);
        EXPECT_EQ(f.g.OverviewBuffer.Data(), overview);
    }
}

} // namespace
} // namespace orvd
