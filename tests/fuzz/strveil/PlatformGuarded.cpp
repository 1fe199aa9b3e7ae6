// The platform layer for the fuzz target: PlatformPosix's behaviour, but each memory block ends
// at an inaccessible page, so a read or write past a block's last byte stops the run at once.
// (AddressSanitizer cannot run under qemu-i386: the emulator maps the guest's memory into its
// shadow range.) A freed block's pages are unmapped, so a later use of it stops the run too.
#include "Platform.h"

#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

namespace orvd {

namespace {

// At the start of the block's mapping; the block's bytes end at the guard page after it.
struct BlockHeader {
    uint32_t magic;
    uint32_t lockCount;
    uint32_t size;
    uint32_t mappedBytes;
    uint8_t* bytes;
};

constexpr uint32_t kBlockMagic = 0x4B4C4256;

size_t PageSize() {
    static const size_t size = size_t(sysconf(_SC_PAGESIZE));
    return size;
}

BlockHeader* HeaderOf(BlockHandle block) {
    auto* header = reinterpret_cast<BlockHeader*>(static_cast<uintptr_t>(block));
    return header != nullptr && header->magic == kBlockMagic ? header : nullptr;
}

} // namespace

BlockHandle BlockAlloc(uint32_t size) {
    const size_t page = PageSize();
    if (size > UINTPTR_MAX - sizeof(BlockHeader) - 2 * page)
        return 0;
    const size_t pages = (sizeof(BlockHeader) + size + page - 1) / page;
    const size_t mapped = (pages + 1) * page; // and the guard page
    void* mapping =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        return 0;
    uint8_t* guard = static_cast<uint8_t*>(mapping) + pages * page;
    mprotect(guard, page, PROT_NONE);
    auto* header = static_cast<BlockHeader*>(mapping);
    header->magic = kBlockMagic;
    header->lockCount = 0;
    header->size = size;
    header->mappedBytes = uint32_t(mapped);
    header->bytes = guard - size;
    return static_cast<BlockHandle>(reinterpret_cast<uintptr_t>(header));
}

void BlockFree(BlockHandle block) {
    if (BlockHeader* header = HeaderOf(block)) {
        header->magic = 0;
        munmap(header, header->mappedBytes);
    }
}

void* BlockLock(BlockHandle block) {
    BlockHeader* header = HeaderOf(block);
    if (header == nullptr)
        return nullptr;
    if (header->lockCount < 0xFF)
        ++header->lockCount;
    return header->bytes;
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
