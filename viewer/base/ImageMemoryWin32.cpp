#include "base/ImageMemory.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <windows.h>

namespace orvd {

namespace {

constexpr std::size_t kMapSized = std::size_t(4) << 20;

// A block of VirtualAlloc is the start of its own reservation; a heap block never is, since the
// heap puts its header in front of it.
bool IsVirtualBlock(void* block) {
    MEMORY_BASIC_INFORMATION info;
    return ::VirtualQuery(block, &info, sizeof info) == sizeof info &&
           info.AllocationBase == block && info.Type == MEM_PRIVATE;
}

} // namespace

// Map-sized blocks come straight from the system: they are page-aligned, zero pages cost nothing
// until touched, and freeing one gives its address range back at once, so in a 32-bit process
// repeated maps do not leave the heap's address space in pieces.
void* AllocateImageMemory(std::size_t bytes) {
    bytes = std::max<std::size_t>(bytes, 1);
    void* memory = bytes >= kMapSized
                       ? ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)
                       : std::malloc(bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

void FreeImageMemory(void* block) {
    if (block == nullptr)
        return;
    if (IsVirtualBlock(block))
        ::VirtualFree(block, 0, MEM_RELEASE);
    else
        std::free(block);
}

} // namespace orvd
