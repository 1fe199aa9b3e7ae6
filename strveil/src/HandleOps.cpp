#include "HandleOps.h"

namespace orvd {

namespace {

constexpr uint32_t kTagSize = 2;

uint32_t* SlotsOf(HandleTableHeader* table) {
    return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(table) +
                                       sizeof(HandleTableHeader));
}

BlockHandle BlockOf(HandleTableHeader* table, uint32_t handle) {
    if (table == nullptr || handle == 0 || handle >= table->capacity)
        return 0;
    return SlotsOf(table)[handle];
}

} // namespace

uint32_t AllocateHandle(HandleTableHeader* table, uint32_t size, uint16_t tag) {
    if (table == nullptr || size > UINT32_MAX - kTagSize)
        return 0;
    // Slot 0 stands for "no handle", so the walk never stops there.
    if (table->searchStart == 0)
        table->searchStart = 1;
    uint32_t* slots = SlotsOf(table);
    while (table->searchStart < table->capacity && slots[table->searchStart] != 0)
        ++table->searchStart;
    const uint32_t index = table->searchStart;
    if (index >= table->capacity)
        return 0;
    BlockHandle block = BlockAlloc(size + kTagSize);
    if (block == 0)
        return 0;
    void* bytes = BlockLock(block);
    if (bytes == nullptr) {
        BlockFree(block);
        return 0;
    }
    MoveBytes(bytes, &tag, sizeof tag);
    BlockUnlock(block);
    slots[index] = block;
    return index;
}

void FreeHandle(HandleTableHeader* table, uint32_t handle) {
    BlockHandle block = BlockOf(table, handle);
    if (block == 0)
        return;
    BlockFree(block);
    SlotsOf(table)[handle] = 0;
    if (table->searchStart > handle)
        table->searchStart = static_cast<uint16_t>(handle);
}

uint8_t* HandleData(HandleTableHeader* table, uint32_t handle) {
    BlockHandle block = BlockOf(table, handle);
    if (block == 0)
        return nullptr;
    auto* bytes = static_cast<uint8_t*>(BlockLock(block));
    if (bytes == nullptr)
        return nullptr;
    BlockUnlock(block);
    return bytes + kTagSize;
}

uint32_t HandleDataSize(HandleTableHeader* table, uint32_t handle) {
    BlockHandle block = BlockOf(table, handle);
    uint32_t size = block == 0 ? 0 : BlockSize(block);
    return size > kTagSize ? size - kTagSize : 0;
}

void LockHandle(HandleTableHeader* table, uint32_t handle) {
    BlockHandle block = BlockOf(table, handle);
    if (block != 0)
        BlockLock(block);
}

} // namespace orvd
