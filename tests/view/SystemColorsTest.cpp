#include "view/SystemColors.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(SystemColors, ColourValuesBecomePixels) {
    SystemColorTable table;
    struct Case {
        ColorValue value;
        std::optional<Pixel> expected;
    };
    const Case cases[] = {
        {0x00000000u, MakePixel(0, 0, 0)},
        {0x000000FFu, MakePixel(0xFF, 0, 0)}, // red sits in the low byte
        {0x00FF8040u, MakePixel(0x40, 0x80, 0xFF)},
        {kColorNone, std::nullopt},
        {0x80000000u, MakePixel(0xC0, 0xC0, 0xC0)}, // scroll bar
        {0x80000005u, MakePixel(0xFF, 0xFF, 0xFF)}, // window
        {0x8000000Du, MakePixel(0x00, 0x00, 0x80)}, // highlight
        {0x80000018u, MakePixel(0xFF, 0xFF, 0xE1)}, // info background, last entry
        {0x80000019u, kBlackPixel},                 // just past the table
        {0x800000FFu, kBlackPixel},
        {0xFF000001u, MakePixel(0x00, 0x80, 0x80)}, // top bit: low byte is the number
        {0x80000105u, MakePixel(0xFF, 0xFF, 0xFF)},
        {0x020000FFu, MakePixel(0xFF, 0, 0)}, // other top bytes: low 24 bits
        {0x1FFFFFFEu, MakePixel(0xFE, 0xFF, 0xFF)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelFromColorValue(c.value, table), c.expected) << std::hex << c.value;
}

TEST(SystemColors, TableEntriesCanBeReplaced) {
    SystemColorTable table;
    table.Set(SystemColorTable::kWindow, MakePixel(1, 2, 3));
    table.Set(25, MakePixel(9, 9, 9));
    table.Set(-1, MakePixel(9, 9, 9));
    EXPECT_EQ(PixelFromColorValue(0x80000005u, table), MakePixel(1, 2, 3));
    EXPECT_EQ(PixelFromColorValue(0x80000005u, SystemColorTable{}), kWhitePixel);
    EXPECT_EQ(table.Get(-1), kBlackPixel);
    EXPECT_EQ(table.Get(SystemColorTable::kButtonFace), MakePixel(0xC0, 0xC0, 0xC0));
}

} // namespace
} // namespace orvd
