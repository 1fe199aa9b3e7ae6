#pragma once

#include "base/win32/WinApi.h"
#include "view/SystemColors.h"

namespace orvd {

// The window system's own colour table, asked of GetSysColor for every entry.
SystemColorTable SystemColorsFromWindows();

} // namespace orvd
