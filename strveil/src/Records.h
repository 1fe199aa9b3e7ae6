#pragma once
// The host's records, byte-packed and little-endian, exactly as they cross the entry. Only the
// 32-bit builds see them: pointers and handles in these records are 32-bit words.

#include <cstddef>
#include <cstdint>

static_assert(sizeof(void*) == 4, "host records hold 32-bit pointers");

// The calling convention of the entry, of the host's callback entry and of every function the
// entry calls for the host.
#define ORVD_FASTCALL __attribute__((fastcall))

namespace orvd {

#pragma pack(push, 1)

struct RequestBlock {
    uint32_t wordA;
    uint32_t wordB;
    uint8_t unused1[12];
    uint32_t requestCode;
    uint32_t function;
    uint8_t unused2[8];
    // The parameter block follows (codes 1 and 11).
};

struct ValueRecord {
    char typeLetter;
    uint8_t host1[3];
    uint32_t length;
    uint8_t host2[20];
    uint32_t handle;
    uint8_t host3[4];
};

struct LocatorRecord {
    char typeLetter;
    int16_t where;
    uint8_t host[33];
};

union ParameterRecord {
    ValueRecord value;
    LocatorRecord locator;
};

struct ParameterBlock {
    uint16_t count;
    ParameterRecord first;
    ParameterRecord second;
};

struct HandleTableHeader {
    uint16_t searchStart;
    uint16_t capacity;
    // capacity 32-bit slots follow.
};

struct PointerTableHeader {
    uint16_t searchStart;
    uint16_t slotsInUse;
    uint16_t capacity;
    // capacity 32-bit slots follow.
};

struct CallbackRecord {
    uint32_t arguments[4];
    uint32_t serviceNumber;
    uint32_t zero;
};

using ParameterFunction = void(ORVD_FASTCALL*)(ParameterBlock* params);
using TwoWordFunction = void(ORVD_FASTCALL*)(uint32_t a, uint32_t b);
using WordParameterFunction = uint32_t(ORVD_FASTCALL*)(uint32_t a, ParameterBlock* params);
using CallbackEntry = void(ORVD_FASTCALL*)(CallbackRecord* record);

struct FunctionEntry {
    const char* name;
    ParameterFunction function;
    uint16_t parameterCount;
    const char* descriptor;
};

struct FunctionTableHeader {
    const void* link;
    uint16_t entryCount;
    const FunctionEntry* firstEntry;
};

#pragma pack(pop)

static_assert(sizeof(RequestBlock) == 36);
static_assert(offsetof(RequestBlock, wordB) == 4);
static_assert(offsetof(RequestBlock, requestCode) == 20);
static_assert(offsetof(RequestBlock, function) == 24);
static_assert(sizeof(ValueRecord) == 36);
static_assert(offsetof(ValueRecord, length) == 4);
static_assert(offsetof(ValueRecord, handle) == 28);
static_assert(sizeof(LocatorRecord) == 36);
static_assert(offsetof(LocatorRecord, where) == 1);
static_assert(sizeof(ParameterRecord) == 36);
static_assert(offsetof(ParameterBlock, first) == 2);
static_assert(offsetof(ParameterBlock, second) == 38);
static_assert(sizeof(HandleTableHeader) == 4);
static_assert(sizeof(PointerTableHeader) == 6);
static_assert(sizeof(CallbackRecord) == 24);
static_assert(offsetof(CallbackRecord, serviceNumber) == 16);
static_assert(offsetof(CallbackRecord, zero) == 20);
static_assert(sizeof(FunctionEntry) == 14);
static_assert(offsetof(FunctionEntry, parameterCount) == 8);
static_assert(offsetof(FunctionEntry, descriptor) == 10);
static_assert(sizeof(FunctionTableHeader) == 10);
static_assert(offsetof(FunctionTableHeader, entryCount) == 4);
static_assert(offsetof(FunctionTableHeader, firstEntry) == 6);

// Request block address to parameter block address: the parameter block starts 36 bytes in.
inline ParameterBlock* ParametersOf(RequestBlock* request) {
    return reinterpret_cast<ParameterBlock*>(reinterpret_cast<uint8_t*>(request) +
                                             sizeof(RequestBlock));
}

inline uint32_t WordOf(const void* address) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address));
}

template <typename T> T* AddressOf(uint32_t word) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(word));
}

} // namespace orvd
