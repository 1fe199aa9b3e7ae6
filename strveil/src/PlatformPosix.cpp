#include "Platform.h"

#include <stdlib.h>
#include <string.h>

namespace orvd {

namespace {

// A block is this header followed by its bytes; the handle is the header's address. The layer
// keeps no table of its own, so the library and a host in the same process that link separate
// copies of it still share blocks.
struct BlockHeader {
    uint32_t magic;
    uint32_t lockCount;
    uint32_t size;
    uint32_t reserved;
};

constexpr uint32_t kBlockMagic = 0x4B4C4256;

BlockHeader* HeaderOf(BlockHandle block) {
    auto* header = reinterpret_cast<BlockHeader*>(static_cast<uintptr_t>(block));
    return header != nullptr && header->magic == kBlockMagic ? header : nullptr;
}

} // namespace

BlockHandle BlockAlloc(uint32_t size) {
    if (size > UINTPTR_MAX - sizeof(BlockHeader))
        return 0;
    auto* header = static_cast<BlockHeader*>(calloc(1, sizeof(BlockHeader) + size));
    if (header == nullptr)
        return 0;
    header->magic = kBlockMagic;
    header->size = size;
    return static_cast<BlockHandle>(reinterpret_cast<uintptr_t>(header));
}

void BlockFree(BlockHandle block) {
    if (BlockHeader* header = HeaderOf(block)) {
        header->magic = 0;
        free(header);
    }
}

void* BlockLock(BlockHandle block) {
    BlockHeader* header = HeaderOf(block);
    if (header == nullptr)
        return nullptr;
    if (header->lockCount < 0xFF)
        ++header->lockCount;
    return header + 1;
}

void BlockUnlock(BlockHandle block) {
    BlockHeader* header = HeaderOf(block);
    if (header != nullptr && header->lockCount > 0)
        --header->lockCount;
}

uint32_t BlockSize(BlockHandle block) {
    BlockHeader* header = HeaderOf(block);
    return header == nullptr ? 0 : header->size;
}

uint32_t BlockLockCount(BlockHandle block) {
    BlockHeader* header = HeaderOf(block);
    return header == nullptr ? 0 : header->lockCount;
}

} // namespace orvd
