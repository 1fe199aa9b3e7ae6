#include "HostServices.h"

#include "Platform.h"

namespace orvd {

jmp_buf g_unwindContext;

namespace {

// Callback entry, handle table, pointer table. The first index doubles as the "not reserved"
// mark.
uint32_t g_slots[3] = {kNoSlot, kNoSlot, kNoSlot};

void* SlotValue(int which) {
    return SlotGet(g_slots[which]);
}

[[noreturn]] void Unwind() {
    longjmp(g_unwindContext, 1);
}

} // namespace

void ReserveThreadSlots() {
    if (g_slots[0] != kNoSlot)
        return;
    for (uint32_t& slot : g_slots)
        slot = SlotAlloc();
}

void ReleaseThreadSlots() {
    for (uint32_t& slot : g_slots) {
        SlotFree(slot);
        slot = kNoSlot;
    }
}

void SetThreadState(uint32_t callbackEntry, uint32_t handleTable, uint32_t pointerTable) {
    SlotSet(g_slots[0], AddressOf<void>(callbackEntry));
    SlotSet(g_slots[1], AddressOf<void>(handleTable));
    SlotSet(g_slots[2], AddressOf<void>(pointerTable));
}

HandleTableHeader* ThreadHandleTable() {
    return static_cast<HandleTableHeader*>(SlotValue(1));
}

PointerTableHeader* ThreadPointerTable() {
    return static_cast<PointerTableHeader*>(SlotValue(2));
}

uint32_t RequestService(uint32_t service, uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4) {
    auto entry = reinterpret_cast<CallbackEntry>(SlotValue(0));
    if (entry == nullptr)
        Unwind();
    CallbackRecord record = {{a1, a2, a3, a4}, service, 0};
    entry(&record);
    if (record.serviceNumber == 83 || record.serviceNumber == 84)
        Unwind();
    return record.arguments[0];
}

void RaiseHostError(uint32_t number) {
    RequestService(83, number);
    // A host that comes back from an error anyway changed the service field; the handler must not
    // go on regardless.
    Unwind();
}

} // namespace orvd
