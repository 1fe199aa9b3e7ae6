#pragma once

#include "view/SystemColors.h"

class QPalette;

namespace orvd {

// The window system's colour table with the entries that a palette role shares taken from
// `palette`; the others keep their classic values.
SystemColorTable SystemColorsFromPalette(const QPalette& palette);

} // namespace orvd
