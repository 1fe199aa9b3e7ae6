#include "mapdata/AvailableMemory.h"

#include <algorithm>
#include <limits>
#include <windows.h>

namespace orvd {

// The physical memory the system can give without paging, and no more than the free address
// space of this process: in a 32-bit program that is often the smaller of the two.
std::size_t AvailableMemory() {
    MEMORYSTATUSEX status;
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status))
        return std::numeric_limits<std::size_t>::max();
    const unsigned long long bytes = std::min(status.ullAvailPhys, status.ullAvailVirtual);
    return std::size_t(
        std::min<unsigned long long>(bytes, std::numeric_limits<std::size_t>::max()));
}

} // namespace orvd
