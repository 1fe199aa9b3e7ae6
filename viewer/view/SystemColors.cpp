#include "view/SystemColors.h"

namespace orvd {

std::optional<Pixel> PixelFromColorValue(ColorValue value, const SystemColorTable& table) {
    if (value == kColorNone)
        return std::nullopt;
    if (value & kSystemColorBase)
        return table.Get(int(value & 0xFFu));
    return PixelFromBgr(value & 0x00FFFFFFu);
}

} // namespace orvd
