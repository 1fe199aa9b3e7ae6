#pragma once

#include "base/Rect.h"

namespace orvd {

// Where a help pop-up of `width` x `height` goes beside `control` (both in screen coordinates):
// `gap` pixels right of it, or left of it when the right side has no room, with its top at the
// control's top; always kept on `screen`, the screen the control is on. A pop-up larger than the
// screen keeps its top-left corner on it.
Point PlacePopupBeside(const Rect& control, std::int32_t width, std::int32_t height,
                       const Rect& screen, std::int32_t gap);

} // namespace orvd
