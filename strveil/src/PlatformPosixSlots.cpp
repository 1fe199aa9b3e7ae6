#include "Platform.h"

#include <pthread.h>
#include <string.h>

// The thread-local slots and the byte move of the POSIX layer, shared by its memory blocks
// (PlatformPosix.cpp) and the fuzz build's guarded blocks.
namespace orvd {

uint32_t SlotAlloc() {
    pthread_key_t key;
    if (pthread_key_create(&key, nullptr) != 0 || key == kNoSlot)
        return kNoSlot;
    return static_cast<uint32_t>(key);
}

void SlotFree(uint32_t slot) {
    if (slot != kNoSlot)
        pthread_key_delete(static_cast<pthread_key_t>(slot));
}

void* SlotGet(uint32_t slot) {
    return slot == kNoSlot ? nullptr : pthread_getspecific(static_cast<pthread_key_t>(slot));
}

void SlotSet(uint32_t slot, void* value) {
    if (slot != kNoSlot)
        pthread_setspecific(static_cast<pthread_key_t>(slot), value);
}

void MoveBytes(void* to, const void* from, size_t count) {
    memmove(to, from, count);
}

} // namespace orvd
