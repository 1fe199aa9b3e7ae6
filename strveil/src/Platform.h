#pragma once
// The few operating-system services the library needs: movable memory blocks, thread-local slots
// and a byte move. On Windows they are KERNEL32's global memory and TLS routines and MSVCRT's
// memmove (PlatformWin32.cpp); elsewhere a small layer of our own with the same behaviour
// (PlatformPosix.cpp for the blocks, PlatformPosixSlots.cpp for the rest).

#include <cstddef>
#include <cstdint>

namespace orvd {

// The operating system's handle of a memory block, as a 32-bit word; 0 is no block.
using BlockHandle = uint32_t;

constexpr uint32_t kMoveableZeroInit = 0x42;
constexpr uint32_t kNoSlot = 0xFFFFFFFF;

// A movable, zero-filled block of size bytes, unlocked; 0 when it cannot be had.
BlockHandle BlockAlloc(uint32_t size);
// Releases the block, locked or not. The handle is invalid afterwards.
void BlockFree(BlockHandle block);
// Raises the lock count and gives the block's address; nullptr for a handle that is not a block
// (as far as the system can tell) and then the count is unchanged.
void* BlockLock(BlockHandle block);
// Lowers the lock count when it is above 0.
void BlockUnlock(BlockHandle block);
// The block's usable size in bytes, 0 for a handle that is not a block.
uint32_t BlockSize(BlockHandle block);
// The block's lock count, 0 for a handle that is not a block.
uint32_t BlockLockCount(BlockHandle block);

// A new thread-local slot, empty on every thread; kNoSlot when none is left.
uint32_t SlotAlloc();
void SlotFree(uint32_t slot);
// nullptr for an empty slot or for kNoSlot.
void* SlotGet(uint32_t slot);
// Does nothing for kNoSlot.
void SlotSet(uint32_t slot, void* value);

void MoveBytes(void* to, const void* from, size_t count);

} // namespace orvd
