#pragma once

#include "base/ColorValue.h"
#include "base/win32/WinApi.h"
#include "view/SystemColors.h"

#include <optional>

namespace orvd {

// The system's colour chooser (through the dialog seam), preset to `current`: the chosen plain
// colour, or nothing when the user cancelled. The custom colours are kept for the program's
// life, as the definition's chooser keeps them for its window.
std::optional<ColorValue> ChooseColour(HWND owner, ColorValue current,
                                       const SystemColorTable& colors);

} // namespace orvd
