#pragma once
// A host for the tests: loads strveil.so (strveil.fll on Windows) the way a host loads an extension
// library, owns the request blocks, parameter records and the thread's handle and pointer tables,
// answers the services like a host (scripted failures and short reads included) and records what it
// was asked.

#include "Records.h"

#include <functional>
#include <string>
#include <vector>

namespace orvd::test {

using Entry = int(ORVD_FASTCALL*)(RequestBlock* request);

// The library's export, loaded once per test program; fails the program when it is missing.
Entry LoadedEntry();

#pragma pack(push, 1)
struct HostRequest {
    RequestBlock block;
    ParameterBlock params;
};
#pragma pack(pop)

struct ServiceCall {
    uint32_t service;
    uint32_t arguments[4];
};

struct Result {
    ValueRecord record;
    uint32_t recordAddress;
    std::string bytes;
};

class HostEmulator {
public:
    explicit HostEmulator(uint16_t handleCapacity = 32, uint16_t pointerCapacity = 8);
    ~HostEmulator();
    HostEmulator(const HostEmulator&) = delete;
    HostEmulator& operator=(const HostEmulator&) = delete;

    // Calls the entry with the request; this emulator answers the services meanwhile.
    int Call(HostRequest& request);
    HostRequest Request(uint32_t code, uint32_t wordA = 0, uint32_t wordB = 0,
                        uint32_t function = 0);
    // Request code 0 with this emulator's callback entry and tables.
    void SetUpThread();
    // The address of the named function in the library's function table.
    uint32_t FunctionAddress(const char* name);
    // ENCRYPT or DECRYPT with two parameter records, through request code 1.
    int CallFunction(const char* name, const ParameterRecord& first, const ParameterRecord& second);

    HandleTableHeader* HandleTable() {
        return reinterpret_cast<HandleTableHeader*>(handles_.data());
    }
    PointerTableHeader* PointerTable() {
        return reinterpret_cast<PointerTableHeader*>(pointers_.data());
    }
    uint32_t HandleSlot(uint32_t index) const;
    void SetHandleSlot(uint32_t index, uint32_t block);
    uint32_t PointerSlot(uint32_t index) const;

    // A host-owned block in the handle table holding bytes (tag 0); its handle number.
    uint32_t NewString(const std::string& bytes);
    std::string StringAt(uint32_t handle, uint32_t length) const;
    uint16_t TagOf(uint32_t handle) const;

    ParameterRecord CharValue(const std::string& bytes);
    static ParameterRecord Value(char type, uint32_t length, uint32_t handle);
    static ParameterRecord Locator(int16_t where);

    // What services 30 and 29 load and store, and their scripted results.
    char variableType = 'C';
    std::string variable;
    int32_t loadResult = 0;
    // Added to the length service 30 reports, to make it claim more than its block holds.
    uint32_t loadedLengthExtra = 0;
    int32_t storeResult = 0;
    // The memo file of service 23's channel; service 25 and 26 give memoOffset and memoSize.
    uint32_t channel = 7;
    std::string memoFile;
    int32_t memoOffset = 0;
    uint32_t memoSize = 0;
    // When set, service 33 answers this count instead of the bytes it copied.
    bool overrideReadCount = false;
    uint32_t readCount = 0;
    // Runs before each service is answered; may change the record or call the entry again.
    std::function<void(CallbackRecord&)> hook;

    std::vector<ServiceCall> calls;
    std::vector<uint32_t> errors;
    std::vector<Result> results;
    std::vector<uint32_t> ServiceNumbers() const;

private:
    static void ORVD_FASTCALL Callback(CallbackRecord* record);
    void Serve(CallbackRecord& record);

    uint16_t capacity_;
    std::vector<uint8_t> handles_;
    std::vector<uint8_t> pointers_;
    size_t position_ = 0;
};

} // namespace orvd::test
