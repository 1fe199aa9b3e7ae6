#include "view/BorderStyleChoice.h"

#include "base/Raster.h"

namespace orvd {

BorderStyleChoice::BorderStyleChoice(ColorValue borderColor, BorderPattern borderStyle,
                                     Pixel background)
    : chosenColor_(borderColor), chosenPattern_(borderStyle),
      example_(kExampleSize, kExampleSize, background) {}

void BorderStyleChoice::CopyBack(ColorValue& borderColor, BorderPattern& borderStyle) const {
    borderColor = chosenColor_;
    borderStyle = chosenPattern_;
}

void BorderStyleChoice::DrawExample(const Rect& area, const SystemColorTable& colors) {
    const std::optional<Pixel> colour = PixelFromColorValue(chosenColor_, colors);
    if (!colour)
        return;
    // The same brush rules as the main view's border; the hatch is anchored at the box's corner.
    if (chosenPattern_ == BorderPattern::Solid)
        FillRect(example_, area, *colour);
    else
        HatchRect(example_, area, *colour, int(chosenPattern_));
}

Image PatternSwatch(BorderPattern pattern, int w, int h, Pixel ink, Pixel background) {
    Image swatch(w, h, background);
    if (pattern == BorderPattern::Solid)
        FillRect(swatch, Rect{0, 0, w, h}, ink);
    else
        HatchRect(swatch, Rect{0, 0, w, h}, ink, int(pattern));
    return swatch;
}

void BorderStyleChoice::RepaintExample(const Rect& area, Pixel background,
                                       const SystemColorTable& colors) {
    FillRect(example_, Rect{0, 0, example_.Width(), example_.Height()}, background);
    DrawExample(area, colors);
}

} // namespace orvd
