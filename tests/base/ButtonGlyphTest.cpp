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

TEST(ButtonGlyphImage, TheBackgroundShowsOnlyAroundTheStrokes) {
    for (ButtonGlyph glyph : {ButtonGlyph::Ok, ButtonGlyph::Cancel}) {
        const Image onGrey = ButtonGlyphImage(glyph, MakePixel(192, 192, 192));
        const Image onWhite = ButtonGlyphImage(glyph, kWhitePixel);
        ASSERT_EQ(onGrey.Width(), onWhite.Width());
        ASSERT_EQ(onGrey.Height(), onWhite.Height());
        int strokes = 0, blanks = 0;
        for (int y = 0; y < onGrey.Height(); ++y)
            for (int x = 0; x < onGrey.Width(); ++x) {
                if (onGrey.At(x, y) == onWhite.At(x, y)) {
                    ++strokes;
                } else {
                    ++blanks;
                    EXPECT_EQ(onGrey.At(x, y), MakePixel(192, 192, 192));
                }
            }
        EXPECT_GT(strokes, 30);
        EXPECT_GT(blanks, 30);
        EXPECT_EQ(onGrey.At(0, onGrey.Height() - 1), MakePixel(192, 192, 192));
    }
    const Image ok = ButtonGlyphImage(ButtonGlyph::Ok, kWhitePixel);
    const Image cancel = ButtonGlyphImage(ButtonGlyph::Cancel, kWhitePixel);
    EXPECT_EQ(ok.At(7, 7), MakePixel(0, 176, 0));
    EXPECT_EQ(cancel.At(6, 6), MakePixel(224, 0, 0));
}

} // namespace
} // namespace orvd
