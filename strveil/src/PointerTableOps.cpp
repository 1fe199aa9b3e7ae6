#include "PointerTableOps.h"

#include "Platform.h"

namespace orvd {

namespace {

// Slots start at offset 6, so they are read and written bytewise.
uint8_t* SlotAt(PointerTableHeader* table, uint32_t index) {
    return reinterpret_cast<uint8_t*>(table) + sizeof(PointerTableHeader) + 4 * index;
}

uint32_t Load(PointerTableHeader* table, uint32_t index) {
    uint32_t value;
    MoveBytes(&value, SlotAt(table, index), sizeof value);
    return value;
}

void Store(PointerTableHeader* table, uint32_t index, uint32_t value) {
    MoveBytes(SlotAt(table, index), &value, sizeof value);
}

bool Refused(PointerTableHeader* table, uint32_t index) {
    return table == nullptr || index == 0 || index >= table->capacity;
}

} // namespace

uint32_t EnterPointer(PointerTableHeader* table, uint32_t pointer) {
    if (table == nullptr || pointer == 0)
        return 0;
    if (table->searchStart == 0)
        table->searchStart = 1;
    while (table->searchStart < table->capacity && Load(table, table->searchStart) != 0)
        ++table->searchStart;
    const uint32_t index = table->searchStart;
    if (index >= table->capacity)
        return 0;
    ++table->slotsInUse;
    Store(table, index, pointer);
    return index;
}

void ClearPointer(PointerTableHeader* table, uint32_t index) {
    if (Refused(table, index) || Load(table, index) == 0)
        return;
    --table->slotsInUse;
    Store(table, index, 0);
    if (table->searchStart > index)
        table->searchStart = static_cast<uint16_t>(index);
}

uint32_t LookUpPointer(PointerTableHeader* table, uint32_t index) {
    return Refused(table, index) ? 0 : Load(table, index);
}

} // namespace orvd
