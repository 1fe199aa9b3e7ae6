// strveil's record handling with request codes, parameter and value records, handle numbers,
// lengths and the host's answers from the fuzzer, against the test host emulator. The library's
// sources are linked in, 32-bit as they ship, and run under qemu-i386, with guard pages behind
// every memory block (PlatformGuarded.cpp).
#include "../Check.h"
#include "CipherHandler.h"
#include "HostEmulator.h"
#include "Platform.h"
#include "ReferenceCipher.h"

#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

using namespace orvd;
using namespace orvd::test;

void ORVD_FASTCALL CountParameters(ParameterBlock*) {}
void ORVD_FASTCALL CountTwoWords(uint32_t, uint32_t) {}
uint32_t ORVD_FASTCALL AddWords(uint32_t a, ParameterBlock* params) {
    return a + params->count;
}

std::string Transformed(const std::string& key, std::string text) {
    std::vector<uint8_t> keyBytes(key.begin(), key.end());
    std::vector<uint8_t> data(text.begin(), text.end());
    ReferenceTransform(keyBytes, data);
    return std::string(data.begin(), data.end());
}

class Session {
public:
    Session(FuzzedDataProvider& in, uint16_t handles, uint16_t pointers)
        : in_(in), host_(handles, pointers), pointerModel_(pointers, 0) {}

    void Run() {
        const bool setUp = in_.ConsumeBool();
        if (setUp)
            host_.SetUpThread();
        while (in_.remaining_bytes() > 0) {
            const std::size_t errors = host_.errors.size(), calls = host_.calls.size();
            switch (in_.ConsumeIntegralInRange(0, 7)) {
            case 0:
                RawRequest();
                break;
            case 1:
                Allocate(setUp);
                break;
            case 2:
                FreeOrLook(setUp);
                break;
            case 3:
                Pointers(setUp);
                break;
            case 4:
                CipherByValue(setUp);
                break;
            case 5:
                CipherOnVariable(setUp);
                break;
            case 6:
                CipherOnMemo(setUp);
                break;
            default:
                ForeignParameter(setUp);
                break;
            }
            // Only the services the library knows, and every error the host saw came from
            // service 83 (the emulator also notes there a record with its last word not 0).
            std::size_t raised = 0;
            for (std::size_t i = calls; i < host_.calls.size(); ++i) {
                const uint32_t service = host_.calls[i].service;
                FUZZ_CHECK(service == 11 || service == 83 || service == 30 || service == 29 ||
                           service == 23 || service == 25 || service == 26 || service == 34 ||
                           service == 33);
                raised += service == 83;
            }
            FUZZ_CHECK(host_.errors.size() - errors == raised);
            CheckTables(setUp);
        }
        // Nothing of this session's host stays behind in the thread's slots.
        host_.Request(0);
    }

private:
    uint32_t Word() {
        switch (in_.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return in_.ConsumeIntegralInRange<uint32_t>(0, 70);
        case 1:
            return in_.PickValueInArray<uint32_t>(
                {0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0x80000000, 0x7FFFFFFF, 0x10000});
        default:
            return in_.ConsumeIntegral<uint32_t>();
        }
    }
    uint32_t Size() {
        return in_.ConsumeBool() ? in_.ConsumeIntegralInRange<uint32_t>(0, 300)
                                 : in_.PickValueInArray<uint32_t>(
                                       {0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0xFFFFFFED, 0});
    }
    std::string Bytes(std::size_t max) { return in_.ConsumeRandomLengthString(max); }

    // The host's strings take slots; it releases them all when few are left.
    void MakeRoom() {
        uint32_t free = 0;
        for (uint32_t i = 1; i < host_.HandleTable()->capacity; ++i)
            free += host_.HandleSlot(i) == 0;
        if (free >= 4)
            return;
        for (uint32_t i = 1; i < host_.HandleTable()->capacity; ++i) {
            BlockFree(host_.HandleSlot(i));
            host_.SetHandleSlot(i, 0);
        }
        host_.HandleTable()->searchStart = 1;
    }

    void RawRequest() {
        uint32_t code = in_.ConsumeBool() ? in_.ConsumeIntegralInRange<uint32_t>(0, 25) : Word();
        if (code == 0)
            code = 14; // code 0 with foreign words would hand the library wild addresses
        // Each function only through the code made for it, as the host calls them.
        uint32_t function = 0;
        if (in_.ConsumeBool()) {
            if (code == 1)
                function = WordOf(reinterpret_cast<void*>(&CountParameters));
            else if (code == 10)
                function = WordOf(reinterpret_cast<void*>(&CountTwoWords));
            else if (code == 11)
                function = WordOf(reinterpret_cast<void*>(&AddWords));
        }
        const uint32_t a = code == 2 ? Size() : Word(), b = Word();
        const HostRequest request = host_.Request(code, a, b, function);
        switch (code) {
        case 14:
            FUZZ_CHECK(request.block.wordB == 5000);
            FUZZ_CHECK(request.block.wordA == host_.Request(14).block.wordA);
            break;
        case 2:
        case 4:
        case 6:
        case 16:
        case 17:
        case 18:
            SyncPointerModel(); // checked one by one in the focused steps
            break;
        default: // code 11 adds the parameter count, 0 here
            FUZZ_CHECK(request.block.wordA == a && request.block.wordB == b);
            break;
        }
    }

    void Allocate(bool setUp) {
        MakeRoom();
        const uint32_t size = Size();
        const uint32_t tag = Word();
        const uint32_t handle = host_.Request(2, size, tag).block.wordA;
        if (!setUp) {
            FUZZ_CHECK(handle == 0);
            return;
        }
        if (size > 0xFFFFFFFF - 2 - 16) {
            FUZZ_CHECK(handle == 0);
            return;
        }
        if (handle == 0)
            return; // the system's memory is out of the model
        FUZZ_CHECK(handle < host_.HandleTable()->capacity);
        const BlockHandle block = host_.HandleSlot(handle);
        FUZZ_CHECK(block != 0 && BlockSize(block) == size + 2);
        FUZZ_CHECK(host_.TagOf(handle) == uint16_t(tag));
        const std::string bytes = host_.StringAt(handle, size);
        FUZZ_CHECK(size == 0 || bytes == std::string(size, '\0'));
        FUZZ_CHECK(host_.HandleTable()->searchStart == handle);
    }

    void FreeOrLook(bool setUp) {
        const uint32_t handle =
            in_.ConsumeBool() ? in_.ConsumeIntegralInRange<uint32_t>(0, 70) : Word();
        const bool valid = setUp && handle != 0 && handle < host_.HandleTable()->capacity &&
                           host_.HandleSlot(handle) != 0;
        if (in_.ConsumeBool()) {
            const uint32_t address = host_.Request(6, handle).block.wordA;
            if (!valid) {
                FUZZ_CHECK(address == 0);
                return;
            }
            const BlockHandle block = host_.HandleSlot(handle);
            const uint32_t locks = BlockLockCount(block);
            FUZZ_CHECK(address == WordOf(BlockLock(block)) + 2);
            BlockUnlock(block);
            FUZZ_CHECK(BlockLockCount(block) == locks);
            return;
        }
        const uint16_t start = host_.HandleTable()->searchStart;
        host_.Request(4, handle);
        if (valid) {
            FUZZ_CHECK(host_.HandleSlot(handle) == 0);
            FUZZ_CHECK(host_.HandleTable()->searchStart == (start > handle ? handle : start));
        } else {
            FUZZ_CHECK(host_.HandleTable()->searchStart == start);
        }
    }

    void SyncPointerModel() {
        for (uint32_t i = 0; i < pointerModel_.size(); ++i)
            pointerModel_[i] = host_.PointerSlot(i);
    }

    void Pointers(bool setUp) {
        PointerTableHeader* table = host_.PointerTable();
        const uint32_t capacity = table->capacity;
        switch (in_.ConsumeIntegralInRange(0, 2)) {
        case 0: {
            const uint32_t pointer = Word();
            const uint16_t start = table->searchStart;
            const uint32_t index = host_.Request(16, pointer).block.wordA;
            if (!setUp || pointer == 0) {
                FUZZ_CHECK(index == 0);
                break;
            }
            uint32_t free = start == 0 ? 1 : start;
            while (free < capacity && pointerModel_[free] != 0)
                ++free;
            FUZZ_CHECK(index == (free < capacity ? free : 0));
            if (index != 0)
                pointerModel_[index] = pointer;
            break;
        }
        case 1: {
            const uint32_t index = Word();
            host_.Request(17, index);
            if (setUp && index != 0 && index < capacity)
                pointerModel_[index] = 0;
            break;
        }
        default: {
            const uint32_t index = Word();
            const uint32_t pointer = host_.Request(18, index).block.wordA;
            const bool inRange = setUp && index != 0 && index < capacity;
            FUZZ_CHECK(pointer == (inRange ? pointerModel_[index] : 0));
            break;
        }
        }
        uint32_t used = 0;
        for (uint32_t i = 0; i < capacity; ++i) {
            FUZZ_CHECK(host_.PointerSlot(i) == pointerModel_[i]);
            used += pointerModel_[i] != 0;
        }
        FUZZ_CHECK(table->slotsInUse == used);
    }

    ParameterRecord Key(std::string& key) {
        key = Bytes(1100);
        if (in_.ConsumeBool())
            return host_.CharValue(key);
        // A record whose length or handle need not fit the block.
        ParameterRecord record = host_.CharValue(key);
        record.value.length = in_.ConsumeBool() ? Word() : record.value.length;
        record.value.handle = in_.ConsumeBool() ? Word() : record.value.handle;
        return record;
    }

    // A key record that does not lie within its block is refused with 302.
    bool KeyFits(const ParameterRecord& record, std::string& key) {
        const uint32_t length = record.value.length < 1024 ? record.value.length : 1024;
        if (length == 0) {
            key.clear();
            return true;
        }
        const uint32_t handle = record.value.handle;
        if (handle == 0 || handle >= host_.HandleTable()->capacity ||
            host_.HandleSlot(handle) == 0 || length > BlockSize(host_.HandleSlot(handle)) - 2)
            return false;
        key = host_.StringAt(handle, length);
        return true;
    }

    void ExpectOutcome(std::size_t results, std::size_t errors, uint32_t error,
                       const std::string& result) {
        if (error != 0) {
            FUZZ_CHECK(host_.errors.size() == errors + 1 && host_.errors.back() == error);
            FUZZ_CHECK(host_.results.size() == results);
        } else {
            FUZZ_CHECK(host_.errors.size() == errors);
            FUZZ_CHECK(host_.results.size() == results + 1);
            FUZZ_CHECK(host_.results.back().bytes == result);
        }
    }

    void CipherByValue(bool setUp) {
        MakeRoom();
        std::string key;
        const ParameterRecord keyRecord = Key(key);
        const std::string text = Bytes(600);
        ParameterRecord subject = host_.CharValue(text);
        if (in_.ConsumeBool())
            subject.value.length = in_.ConsumeBool() ? Word() : uint32_t(text.size() / 2);
        if (in_.ConsumeBool())
            subject.value.handle = Word();
        const std::size_t results = host_.results.size(), errors = host_.errors.size();
        const bool keyFits = KeyFits(keyRecord, key);
        const uint32_t length = subject.value.length;
        const uint32_t handle = subject.value.handle;
        const bool textFits =
            length == 0 ||
            (handle != 0 && handle < host_.HandleTable()->capacity &&
             host_.HandleSlot(handle) != 0 && length <= BlockSize(host_.HandleSlot(handle)) - 2);
        const std::string before = textFits && length ? host_.StringAt(handle, length) : "";
        host_.CallFunction(in_.ConsumeBool() ? "ENCRYPT" : "DECRYPT", subject, keyRecord);
        if (!setUp)
            return;
        const uint32_t error = !keyFits || !textFits ? kErrorNotCharacter : 0;
        ExpectOutcome(results, errors, error, error ? "" : Transformed(key, before));
    }

    void CipherOnVariable(bool setUp) {
        MakeRoom();
        std::string key;
        const ParameterRecord keyRecord = Key(key);
        host_.variableType = in_.ConsumeBool() ? 'C' : in_.ConsumeIntegral<char>();
        host_.variable = Bytes(600);
        host_.loadResult = in_.ConsumeBool() ? 0 : int32_t(Word());
        host_.storeResult = in_.ConsumeBool() ? 0 : int32_t(Word());
        host_.loadedLengthExtra = in_.ConsumeBool() ? 0 : Word();
        const std::string before = host_.variable;
        const std::size_t results = host_.results.size(), errors = host_.errors.size();
        const bool keyFits = KeyFits(keyRecord, key);
        host_.CallFunction("ENCRYPT",
                           HostEmulator::Locator(in_.ConsumeIntegralInRange<int16_t>(INT16_MIN, 0)),
                           keyRecord);
        if (!setUp)
            return;
        const uint32_t length = uint32_t(before.size()) + host_.loadedLengthExtra;
        const bool fits = length <= before.size(); // what the loaded block holds
        uint32_t error = 0;
        if (!keyFits)
            error = kErrorNotCharacter;
        else if (host_.loadResult < 0)
            error = uint32_t(-int64_t(host_.loadResult));
        else if (host_.variableType != 'C' || (length != 0 && !fits))
            error = kErrorNotCharacter;
        else if (host_.storeResult < 0)
            error = uint32_t(-int64_t(host_.storeResult));
        const std::string result = error ? "" : Transformed(key, before.substr(0, length));
        ExpectOutcome(results, errors, error, result);
        if (error == 0)
            FUZZ_CHECK(host_.variable == result);
    }

    void CipherOnMemo(bool setUp) {
        MakeRoom();
        std::string key;
        const ParameterRecord keyRecord = Key(key);
        host_.memoFile = Bytes(600);
        host_.memoOffset =
            in_.ConsumeBool() ? in_.ConsumeIntegralInRange<int32_t>(0, 700) : int32_t(Word());
        host_.memoSize = Size();
        host_.overrideReadCount = in_.ConsumeBool();
        host_.readCount = Word();
        const std::size_t results = host_.results.size(), errors = host_.errors.size();
        const bool keyFits = KeyFits(keyRecord, key);
        uint32_t usedSlots = 0;
        for (uint32_t i = 1; i < host_.HandleTable()->capacity; ++i)
            usedSlots += host_.HandleSlot(i) != 0;
        host_.CallFunction("DECRYPT",
                           HostEmulator::Locator(in_.ConsumeIntegralInRange<int16_t>(1, INT16_MAX)),
                           keyRecord);
        if (!setUp)
            return;
        const uint32_t size = host_.memoSize;
        const std::size_t offset = uint32_t(host_.memoOffset);
        const std::size_t available =
            offset < host_.memoFile.size() ? host_.memoFile.size() - offset : 0;
        const uint32_t copied = uint32_t(size < available ? size : available);
        const uint32_t got = host_.overrideReadCount ? host_.readCount : copied;
        uint32_t error = 0;
        if (!keyFits)
            error = kErrorNotCharacter;
        else if (host_.memoOffset < 0)
            error = uint32_t(host_.memoOffset);
        else if (size > 0x7FFFFFFF)
            error = kErrorNoMemory;
        else if (usedSlots + 1 >= host_.HandleTable()->capacity) // no slot for the result
            error = kErrorNoMemory;
        else if (got != size)
            error = kErrorNoMemory;
        // A read that claims more than it copied leaves the rest of the block zero.
        std::string read;
        if (error == 0)
            read = (copied ? host_.memoFile.substr(offset, copied) : std::string()) +
                   std::string(size - copied, '\0');
        ExpectOutcome(results, errors, error, error ? "" : Transformed(key, read));
        uint32_t nowUsed = 0;
        for (uint32_t i = 1; i < host_.HandleTable()->capacity; ++i)
            nowUsed += host_.HandleSlot(i) != 0;
        FUZZ_CHECK(nowUsed == usedSlots + (error == 0 ? 1 : 0)); // a failed read keeps no block
    }

    // Any type letter and any where number in the first record.
    void ForeignParameter(bool setUp) {
        MakeRoom();
        std::string key;
        const ParameterRecord keyRecord = Key(key);
        ParameterRecord subject;
        const std::string raw = in_.ConsumeBytesAsString(sizeof subject);
        std::memset(&subject, 0, sizeof subject);
        std::memcpy(&subject, raw.data(), raw.size());
        if (subject.value.typeLetter == 'C' || subject.value.typeLetter == 'R')
            subject.value.typeLetter = 'N';
        const std::size_t results = host_.results.size(), errors = host_.errors.size();
        host_.CallFunction("ENCRYPT", subject, keyRecord);
        if (setUp)
            ExpectOutcome(results, errors, kErrorNotCharacter, "");
    }

    void CheckTables(bool setUp) {
        // Without the thread's set-up every service request unwinds before reaching the host.
        FUZZ_CHECK(setUp || host_.calls.empty());
        HandleTableHeader* table = host_.HandleTable();
        FUZZ_CHECK(host_.HandleSlot(0) == 0);
        for (uint32_t i = 1; i < table->capacity; ++i)
            FUZZ_CHECK(host_.HandleSlot(i) == 0 || BlockSize(host_.HandleSlot(i)) >= 2);
    }

    FuzzedDataProvider& in_;
    HostEmulator host_;
    std::vector<uint32_t> pointerModel_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const auto handles = in.ConsumeIntegralInRange<uint16_t>(8, 48);
    const auto pointers = in.ConsumeIntegralInRange<uint16_t>(1, 12);
    Session(in, handles, pointers).Run();
    return 0;
}
