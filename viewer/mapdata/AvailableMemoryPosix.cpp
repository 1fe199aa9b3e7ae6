#include "mapdata/AvailableMemory.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

namespace orvd {

namespace {

// "MemAvailable" counts the page cache and reclaimable memory that free memory alone leaves out.
bool MemAvailableFromProc(std::size_t& bytes) {
    std::FILE* file = std::fopen("/proc/meminfo", "r");
    if (file == nullptr) {
        return false;
    }
    bool found = false;
    char line[256];
    while (!found && std::fgets(line, sizeof line, file) != nullptr) {
        unsigned long long kib = 0;
        if (std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1) {
            bytes = std::size_t(std::min<unsigned long long>(
                        kib, std::numeric_limits<std::size_t>::max() / 1024)) *
                    1024;
            found = true;
        }
    }
    std::fclose(file);
    return found;
}

} // namespace

std::size_t AvailableMemory() {
    std::size_t bytes = std::numeric_limits<std::size_t>::max();
    if (!MemAvailableFromProc(bytes)) {
        const long pages = sysconf(_SC_AVPHYS_PAGES);
        const long pageSize = sysconf(_SC_PAGESIZE);
        if (pages > 0 && pageSize > 0) {
            bytes = std::size_t(pages) * std::size_t(pageSize);
        }
    }
    struct rlimit limit {};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        bytes = std::min<std::size_t>(bytes, std::size_t(limit.rlim_cur));
    }
    return bytes;
}

} // namespace orvd
