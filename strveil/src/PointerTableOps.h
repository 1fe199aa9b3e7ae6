#pragma once
// The operations on a thread's pointer table (request codes 16, 17, 18). Slot index 0, indices at
// or above the capacity and empty slots are refused. No table (nullptr) refuses all.

#include "Records.h"

namespace orvd {

// The slot index the pointer now occupies; 0 when the table is full or the pointer is 0 (a
// stored 0 would read as a free slot and leave the in-use count wrong).
uint32_t EnterPointer(PointerTableHeader* table, uint32_t pointer);
void ClearPointer(PointerTableHeader* table, uint32_t index);
// 0 when refused or empty.
uint32_t LookUpPointer(PointerTableHeader* table, uint32_t index);

} // namespace orvd
