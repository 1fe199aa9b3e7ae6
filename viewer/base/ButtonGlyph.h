#pragma once

#include "base/Image.h"
#include "base/Rect.h"

namespace orvd {

// The standard pictures that dialog buttons carry beside their captions.
enum class ButtonGlyph { Ok, Cancel };

// The glyph drawn on `background`, at its own size.
Image ButtonGlyphImage(ButtonGlyph glyph, Pixel background);

// Where a button of `width` x `height` shows its glyph and its caption's top-left corners: the
// two side by side, centred as one, the glyph first; a pressed button shows them one pixel
// further down and right. The glyph stays whole when the caption does not fit.
struct GlyphButtonFace {
    Point Glyph;
    Point Caption;
};
GlyphButtonFace LayOutGlyphButton(int width, int height, int glyphWidth, int glyphHeight,
                                  int captionWidth, int captionHeight, bool pressed);

} // namespace orvd
