#include "base/ImageMemory.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>
#include <sys/mman.h>

namespace orvd {

// Map-sized blocks are aligned to 2 MB and offered huge pages: a fresh 64 MB map then costs a
// few dozen page faults instead of sixteen thousand.
void* AllocateImageMemory(std::size_t bytes) {
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    // No block of half the address space can be had; refusing it here also keeps the rounding
    // below from wrapping round to a small block.
    if (bytes > std::size_t(std::numeric_limits<std::ptrdiff_t>::max() / 2))
        throw std::bad_alloc();
    bytes = std::max<std::size_t>(bytes, 1);
    void* memory = nullptr;
    if (bytes >= 2 * kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (::posix_memalign(&memory, kHugePage, rounded) != 0)
            throw std::bad_alloc();
        ::madvise(memory, rounded, MADV_HUGEPAGE); // only advice: failure is harmless
    } else if (!(memory = std::malloc(bytes))) {
        throw std::bad_alloc();
    }
    return memory;
}

void FreeImageMemory(void* block) {
    std::free(block);
}

} // namespace orvd
