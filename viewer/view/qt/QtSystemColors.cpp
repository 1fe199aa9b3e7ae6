#include "view/qt/QtSystemColors.h"

#include <QPalette>

namespace orvd {

SystemColorTable SystemColorsFromPalette(const QPalette& palette) {
    struct Role {
        int number;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    static constexpr Role kRoles[] = {
        {5, QPalette::Active, QPalette::Base},             // window
        {8, QPalette::Active, QPalette::Text},             // window text
        {13, QPalette::Active, QPalette::Highlight},       // highlight
        {14, QPalette::Active, QPalette::HighlightedText}, // highlight text
        {15, QPalette::Active, QPalette::Button},          // button face
        {16, QPalette::Active, QPalette::Dark},            // button shadow
        {17, QPalette::Disabled, QPalette::Text},          // grey text
        {18, QPalette::Active, QPalette::ButtonText},      // button text
        {20, QPalette::Active, QPalette::Light},           // button highlight
        {21, QPalette::Active, QPalette::Shadow},          // 3D dark shadow
        {22, QPalette::Active, QPalette::Midlight},        // 3D light
        {23, QPalette::Active, QPalette::ToolTipText},     // info text
        {24, QPalette::Active, QPalette::ToolTipBase},     // info background
    };
    SystemColorTable table;
    for (const Role& r : kRoles) {
        const QColor c = palette.color(r.group, r.role);
        table.Set(r.number, MakePixel(std::uint8_t(c.red()), std::uint8_t(c.green()),
                                      std::uint8_t(c.blue())));
    }
    return table;
}

} // namespace orvd
