#include "view/win32/ColorChooser.h"

#include "base/win32/Dialogs.h"

namespace orvd {

std::optional<ColorValue> ChooseColour(HWND owner, ColorValue current,
                                       const SystemColorTable& colors) {
    static COLORREF customColours[16] = {};
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpCustColors = customColours;
    choice.Flags = CC_RGBINIT | CC_ANYCOLOR;
    // A system colour or "none" is preset as the colour it draws with (none: black).
    const std::optional<Pixel> shown = PixelFromColorValue(current, colors);
    choice.rgbResult = shown ? COLORREF(BgrFromPixel(*shown)) : RGB(0, 0, 0);
    if (!Dialogs().ChooseColour(choice))
        return std::nullopt;
    return ColorValue(choice.rgbResult & 0x00FFFFFFu);
}

} // namespace orvd
