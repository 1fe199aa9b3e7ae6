#include "Platform.h"

#include <string.h>
#include <windows.h>

namespace orvd {

namespace {
HGLOBAL ToHandle(BlockHandle block) {
    return reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(block));
}
} // namespace

BlockHandle BlockAlloc(uint32_t size) {
    return static_cast<BlockHandle>(
        reinterpret_cast<uintptr_t>(GlobalAlloc(kMoveableZeroInit, size)));
}

void BlockFree(BlockHandle block) {
    GlobalFree(ToHandle(block));
}

void* BlockLock(BlockHandle block) {
    return GlobalLock(ToHandle(block));
}

void BlockUnlock(BlockHandle block) {
    GlobalUnlock(ToHandle(block));
}

uint32_t BlockSize(BlockHandle block) {
    return static_cast<uint32_t>(GlobalSize(ToHandle(block)));
}

uint32_t BlockLockCount(BlockHandle block) {
    UINT flags = GlobalFlags(ToHandle(block));
    return flags == GMEM_INVALID_HANDLE ? 0 : (flags & GMEM_LOCKCOUNT);
}

uint32_t SlotAlloc() {
    return TlsAlloc();
}

void SlotFree(uint32_t slot) {
    TlsFree(slot);
}

void* SlotGet(uint32_t slot) {
    return slot == kNoSlot ? nullptr : TlsGetValue(slot);
}

void SlotSet(uint32_t slot, void* value) {
    if (slot != kNoSlot)
        TlsSetValue(slot, value);
}

void MoveBytes(void* to, const void* from, size_t count) {
    memmove(to, from, count);
}

} // namespace orvd
