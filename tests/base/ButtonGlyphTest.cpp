#include "base/ButtonGlyph.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(GlyphButtonLayout, GlyphAndCaptionAreCentredAsOneAndPressedMovesThem) {
    struct Row {
        const char* what;
        int width, height, glyphW, glyphH, captionW, captionH;
        bool pressed;
        Point glyph, caption;
    };
    const Row rows[] = {
        {"fits", 75, 25, 15, 12, 15, 13, false, {20, 6}, {39, 6}},
        {"pressed", 75, 25, 15, 12, 15, 13, true, {21, 7}, {40, 7}},
        {"odd room rounds left", 76, 25, 13, 13, 14, 13, false, {22, 6}, {39, 6}},
        {"no caption centres the glyph", 75, 25, 15, 12, 0, 0, false, {30, 6}, {49, 12}},
        {"too wide keeps the glyph whole", 40, 25, 15, 12, 60, 13, false, {0, 6}, {19, 6}},
        {"taller than the button", 75, 10, 15, 12, 15, 13, false, {20, -1}, {39, -1}},
    };
    for (const Row& r : rows) {
        const GlyphButtonFace face = LayOutGlyphButton(r.width, r.height, r.glyphW, r.glyphH,
                                                       r.captionW, r.captionH, r.pressed);
        EXPECT_EQ(face.Glyph, r.glyph) << r.what;
        EXPECT_EQ(face.Caption, r.caption) << r.what;
    }
}

} // namespace
} // namespace orvd
