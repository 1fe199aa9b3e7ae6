#include "view/win32/Win32SystemColors.h"

#include "base/win32/WinApi.h"

namespace orvd {

SystemColorTable SystemColorsFromWindows() {
    SystemColorTable table;
    for (int n = 0; n < SystemColorTable::kCount; ++n) {
        const COLORREF c = GetSysColor(n);
        table.Set(n, MakePixel(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
    return table;
}

} // namespace orvd
