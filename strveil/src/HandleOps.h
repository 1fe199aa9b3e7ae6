#pragma once
// The library's own operations on a thread's handle table. A handle number is a slot index; 0,
// numbers at or above the capacity and free slots are refused. No table (nullptr) refuses all.

#include "Platform.h"
#include "Records.h"

namespace orvd {

// A zero-filled block with room for size data bytes after the 16-bit tag; the handle number,
// 0 when the table is full or the block cannot be had (then nothing is allocated).
uint32_t AllocateHandle(HandleTableHeader* table, uint32_t size, uint16_t tag);
// Releases the block and frees the slot; refused numbers do nothing.
void FreeHandle(HandleTableHeader* table, uint32_t handle);
// The address of the data after the tag; nullptr when refused or the block cannot be locked.
uint8_t* HandleData(HandleTableHeader* table, uint32_t handle);
// The number of data bytes after the tag; 0 when refused.
uint32_t HandleDataSize(HandleTableHeader* table, uint32_t handle);
// Raises the block's lock count once; refused numbers do nothing.
void LockHandle(HandleTableHeader* table, uint32_t handle);

} // namespace orvd
