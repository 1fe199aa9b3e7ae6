#include "CipherHandler.h"

#include "Cipher.h"
#include "HandleOps.h"
#include "HostServices.h"
#include "Platform.h"

namespace orvd {

namespace {

constexpr uint32_t kServiceReturn = 11;
constexpr uint32_t kServiceLoad = 30;
constexpr uint32_t kServiceStore = 29;
constexpr uint32_t kServiceMemoChannel = 23;
constexpr uint32_t kServiceMemoOffset = 25;
constexpr uint32_t kServiceMemoSize = 26;
constexpr uint32_t kServiceSeek = 34;
constexpr uint32_t kServiceRead = 33;

// The bytes of a character value, or nullptr when they do not lie within its block. A host record
// can claim any length; the library touches only what the block holds.
uint8_t* StringBytes(const ValueRecord& value, uint32_t length) {
    HandleTableHeader* table = ThreadHandleTable();
    uint8_t* bytes = HandleData(table, value.handle);
    if (bytes == nullptr || length > HandleDataSize(table, value.handle))
        return nullptr;
    return bytes;
}

// Transforms a character value's bytes in place; raises 302 when its length runs beyond its
// block. An empty string needs no block.
void TransformValue(const uint8_t* key, size_t keySize, const ValueRecord& value) {
    if (value.length == 0)
        return;
    uint8_t* bytes = StringBytes(value, value.length);
    if (bytes == nullptr)
        RaiseHostError(kErrorNotCharacter);
    Transform(key, keySize, bytes, static_cast<int32_t>(value.length));
}

void ReturnValue(ValueRecord* value) {
    RequestService(kServiceReturn, WordOf(value));
}

void CheckHostResult(uint32_t result) {
    const auto rc = static_cast<int32_t>(result);
    if (rc < 0)
        RaiseHostError(static_cast<uint32_t>(-static_cast<int64_t>(rc)));
}

void TransformMemo(const uint8_t* key, size_t keySize, LocatorRecord* locator) {
    const uint32_t channel = RequestService(
        kServiceMemoChannel, static_cast<uint32_t>(static_cast<int32_t>(locator->where)));
    const uint32_t offset = RequestService(kServiceMemoOffset, WordOf(locator));
    if (static_cast<int32_t>(offset) < 0)
        RaiseHostError(offset);
    const uint32_t size = RequestService(kServiceMemoSize, WordOf(locator));
    // No string is longer than a signed length can say; such a size is not allocated.
    if (size > INT32_MAX)
        RaiseHostError(kErrorNoMemory);
    RequestService(kServiceSeek, channel, offset, 0);
    HandleTableHeader* table = ThreadHandleTable();
    const uint32_t handle = AllocateHandle(table, size, kResultTag);
    if (handle == 0)
        RaiseHostError(kErrorNoMemory);
    LockHandle(table, handle);
    uint8_t* bytes = HandleData(table, handle);
    const uint32_t got = RequestService(kServiceRead, channel, WordOf(bytes), size, 1);
    if (got != size) {
        // The block never reached the host; do not leave it behind in the table.
        FreeHandle(table, handle);
        RaiseHostError(kErrorNoMemory);
    }
    Transform(key, keySize, bytes, static_cast<int32_t>(size));
    ValueRecord result = {};
    result.typeLetter = 'C';
    result.length = size;
    result.handle = handle;
    ReturnValue(&result);
}

void TransformVariable(const uint8_t* key, size_t keySize, LocatorRecord* locator) {
    ValueRecord value = {};
    CheckHostResult(RequestService(kServiceLoad, WordOf(locator), WordOf(&value)));
    LockHandle(ThreadHandleTable(), value.handle);
    if (value.typeLetter != 'C')
        RaiseHostError(kErrorNotCharacter);
    TransformValue(key, keySize, value);
    CheckHostResult(RequestService(kServiceStore, WordOf(locator), WordOf(&value)));
    ReturnValue(&value);
}

} // namespace

void ORVD_FASTCALL CipherHandler(ParameterBlock* params) {
    uint8_t key[kKeyCapacity + 1];
    const ValueRecord& keyValue = params->second.value;
    const uint32_t keySize = keyValue.length < kKeyCapacity ? keyValue.length : kKeyCapacity;
    if (keySize > 0) {
        const uint8_t* keyBytes = StringBytes(keyValue, keySize);
        if (keyBytes == nullptr)
            RaiseHostError(kErrorNotCharacter);
        MoveBytes(key, keyBytes, keySize);
    }
    key[keySize] = 0;

    ParameterRecord& subject = params->first;
    if (subject.value.typeLetter == 'C') {
        TransformValue(key, keySize, subject.value);
        ReturnValue(&subject.value);
    } else if (subject.locator.typeLetter == 'R' && subject.locator.where > 0) {
        TransformMemo(key, keySize, &subject.locator);
    } else if (subject.locator.typeLetter == 'R') {
        TransformVariable(key, keySize, &subject.locator);
    } else {
        RaiseHostError(kErrorNotCharacter);
    }
}

} // namespace orvd
