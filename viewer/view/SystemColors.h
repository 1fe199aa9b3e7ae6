#pragma once

#include "base/ColorValue.h"
#include "base/Image.h"

#include <array>
#include <optional>

namespace orvd {

// The window system's colour table, indexed by colour number. Starts with the classic standard
// scheme; the window layer overwrites entries whose meaning a palette role of its toolkit shares.
struct SystemColorTable {
    static constexpr int kCount = 25;
    static constexpr int kWindow = 5;
    static constexpr int kAppWorkSpace = 12;
    static constexpr int kButtonFace = 15;

    std::array<Pixel, kCount> Colors = ClassicColors();

    static constexpr std::array<Pixel, kCount> ClassicColors() {
        return {
            MakePixel(0xC0, 0xC0, 0xC0), // 0 scroll bar
            MakePixel(0x00, 0x80, 0x80), // 1 desktop
            MakePixel(0x00, 0x00, 0x80), // 2 active caption
            MakePixel(0x80, 0x80, 0x80), // 3 inactive caption
            MakePixel(0xC0, 0xC0, 0xC0), // 4 menu
            MakePixel(0xFF, 0xFF, 0xFF), // 5 window
            MakePixel(0x00, 0x00, 0x00), // 6 window frame
            MakePixel(0x00, 0x00, 0x00), // 7 menu text
            MakePixel(0x00, 0x00, 0x00), // 8 window text
            MakePixel(0xFF, 0xFF, 0xFF), // 9 caption text
            MakePixel(0xC0, 0xC0, 0xC0), // 10 active border
            MakePixel(0xC0, 0xC0, 0xC0), // 11 inactive border
            MakePixel(0x80, 0x80, 0x80), // 12 application workspace
            MakePixel(0x00, 0x00, 0x80), // 13 highlight
            MakePixel(0xFF, 0xFF, 0xFF), // 14 highlight text
            MakePixel(0xC0, 0xC0, 0xC0), // 15 button face
            MakePixel(0x80, 0x80, 0x80), // 16 button shadow
            MakePixel(0x80, 0x80, 0x80), // 17 grey text
            MakePixel(0x00, 0x00, 0x00), // 18 button text
            MakePixel(0xC0, 0xC0, 0xC0), // 19 inactive caption text
            MakePixel(0xFF, 0xFF, 0xFF), // 20 button highlight
            MakePixel(0x00, 0x00, 0x00), // 21 3D dark shadow
            MakePixel(0xC0, 0xC0, 0xC0), // 22 3D light
            MakePixel(0x00, 0x00, 0x00), // 23 info text
            MakePixel(0xFF, 0xFF, 0xE1), // 24 info background
        };
    }

    // Colour number n; black for a number outside the table.
    Pixel Get(int n) const { return n >= 0 && n < kCount ? Colors[std::size_t(n)] : kBlackPixel; }
    // Ignored for a number outside the table.
    void Set(int n, Pixel p) {
        if (n >= 0 && n < kCount)
            Colors[std::size_t(n)] = p;
    }
};

// The pixel a colour value draws with, or nothing for the value "none". A value with the top bit
// set is a system colour whose number is its low byte (black when the table has no such entry);
// any other value draws its low 24 bits as $BBGGRR.
std::optional<Pixel> PixelFromColorValue(ColorValue value, const SystemColorTable& table);

} // namespace orvd
