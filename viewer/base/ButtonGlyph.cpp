#include "base/ButtonGlyph.h"

#include <algorithm>
#include <string_view>

namespace orvd {
namespace {

// Drawn as pixel art: '.' lets the background through; an upper-case letter is a stroke's edge
// and the lower-case one its inside.
constexpr std::string_view kCheck[] = {
    "............G..", "...........GgG.", "..........GgggG", ".........GgggG.",
    "..G.....GgggG..", ".GgG...GgggG...", "GgggG.GgggG....", ".GgggGgggG.....",
    "..GgggggG......", "...GgggG.......", "....GgG........", ".....G.........",
};
constexpr std::string_view kCross[] = {
    ".RR.......RR.", "RrrR.....RrrR", "RrrrR...RrrrR", ".RrrrR.RrrrR.", "..RrrrRrrrR..",
    "...RrrrrrR...", "....RrrrR....", "...RrrrrrR...", "..RrrrRrrrR..", ".RrrrR.RrrrR.",
    "RrrrR...RrrrR", "RrrR.....RrrR", ".RR.......RR.",
};

template <std::size_t N> constexpr bool IsRectangular(const std::string_view (&rows)[N]) {
    return std::all_of(rows, rows + N,
                       [&](std::string_view r) { return r.size() == rows[0].size(); });
}
static_assert(IsRectangular(kCheck) && IsRectangular(kCross));

Pixel ArtColour(char c, Pixel background) {
    switch (c) {
    case 'G':
        return MakePixel(0, 96, 0);
    case 'g':
        return MakePixel(0, 176, 0);
    case 'R':
        return MakePixel(128, 0, 0);
    case 'r':
        return MakePixel(224, 0, 0);
    default:
        return background;
    }
}

template <std::size_t N> Image Draw(const std::string_view (&rows)[N], Pixel background) {
    Image image(int(rows[0].size()), int(N), background);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.Set(x, y, ArtColour(rows[y][std::size_t(x)], background));
    return image;
}

} // namespace

Image ButtonGlyphImage(ButtonGlyph glyph, Pixel background) {
    return glyph == ButtonGlyph::Ok ? Draw(kCheck, background) : Draw(kCross, background);
}

GlyphButtonFace LayOutGlyphButton(int width, int height, int glyphWidth, int glyphHeight,
                                  int captionWidth, int captionHeight, bool pressed) {
    constexpr int kSpacing = 4;
    const int group = glyphWidth + (captionWidth > 0 ? kSpacing + captionWidth : 0);
    const int left = std::max(0, (width - group) / 2);
    const int shift = pressed ? 1 : 0;
    return GlyphButtonFace{
        Point{left + shift, (height - glyphHeight) / 2 + shift},
        Point{left + glyphWidth + kSpacing + shift, (height - captionHeight) / 2 + shift}};
}

} // namespace orvd
