// The entry, its request codes, the function table, per-thread state and unwinding.
#include "HostEmulator.h"
#include "Platform.h"

#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace orvd::test {
namespace {

struct Seen {
    int calls = 0;
    uint32_t a = 0;
    uint32_t b = 0;
    ParameterBlock* params = nullptr;
};
Seen g_seen;

void ORVD_FASTCALL TakeParameters(ParameterBlock* params) {
    ++g_seen.calls;
    g_seen.params = params;
}

void ORVD_FASTCALL TakeTwoWords(uint32_t a, uint32_t b) {
    ++g_seen.calls;
    g_seen.a = a;
    g_seen.b = b;
}

uint32_t ORVD_FASTCALL TakeWordAndParameters(uint32_t a, ParameterBlock* params) {
    ++g_seen.calls;
    g_seen.a = a;
    g_seen.params = params;
    return a + params->count;
}

uint32_t Fn(const void* function) {
    return WordOf(function);
}

TEST(Dispatch, CodeZeroStoresThreadStateAndHandsOverTheFunctionTable) {
    HostEmulator host;
    HostRequest request = {};
    request.block.requestCode = 0;
    request.block.wordA = WordOf(host.HandleTable());
    request.block.wordB = WordOf(host.PointerTable());
    EXPECT_EQ(host.Call(request), 0);
    EXPECT_EQ(request.block.wordB, 5000u);
    EXPECT_EQ(request.block.wordA, host.Request(14).block.wordA);
    // The slots now hold the tables: allocation works on this thread.
    EXPECT_EQ(host.Request(2, 10, 1).block.wordA, 1u);
}

TEST(Dispatch, FunctionTableNamesBothFunctionsWithOneDescriptor) {
    HostEmulator host;
    HostRequest request = host.Request(14);
    EXPECT_EQ(request.block.wordB, 5000u);
    const auto* table = AddressOf<FunctionTableHeader>(request.block.wordA);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->link, nullptr);
    ASSERT_EQ(table->entryCount, 2);
    const FunctionEntry* entries = table->firstEntry;
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(entries + 1) -
                  reinterpret_cast<const uint8_t*>(entries),
              14);
    EXPECT_STREQ(entries[0].name, "ENCRYPT");
    EXPECT_STREQ(entries[1].name, "DECRYPT");
    EXPECT_EQ(entries[0].function, entries[1].function);
    EXPECT_NE(entries[0].function, nullptr);
    EXPECT_EQ(entries[0].parameterCount, 2);
    EXPECT_EQ(entries[1].parameterCount, 2);
    EXPECT_STREQ(entries[0].descriptor, "?,C");
    EXPECT_EQ(entries[0].descriptor, entries[1].descriptor);
}

TEST(Dispatch, CallCodesPassTheirArgumentsInTheEntrysConvention) {
    HostEmulator host;
    g_seen = {};
    HostRequest request = {};
    request.block.requestCode = 1;
    request.block.function = Fn(reinterpret_cast<void*>(&TakeParameters));
    request.block.wordA = 77;
    host.Call(request);
    EXPECT_EQ(g_seen.calls, 1);
    EXPECT_EQ(g_seen.params, &request.params);
    EXPECT_EQ(request.block.wordA, 77u);

    host.Request(10, 3, 4, Fn(reinterpret_cast<void*>(&TakeTwoWords)));
    EXPECT_EQ(g_seen.calls, 2);
    EXPECT_EQ(g_seen.a, 3u);
    EXPECT_EQ(g_seen.b, 4u);

    request = {};
    request.block.requestCode = 11;
    request.block.function = Fn(reinterpret_cast<void*>(&TakeWordAndParameters));
    request.block.wordA = 40;
    request.params.count = 2;
    host.Call(request);
    EXPECT_EQ(g_seen.calls, 3);
    EXPECT_EQ(g_seen.params, &request.params);
    EXPECT_EQ(request.block.wordA, 42u);
}

TEST(Dispatch, UnusedCodesWriteNothing) {
    HostEmulator host;
    host.SetUpThread();
    for (uint32_t code : {3u, 5u, 7u, 8u, 9u, 12u, 13u, 15u, 19u, 20u, 255u, 0xFFFFFFFFu}) {
        HostRequest request = {};
        std::memset(&request, 0x3C, sizeof request);
        request.block.requestCode = code;
        HostRequest before = request;
        EXPECT_EQ(host.Call(request), 0) << code;
        EXPECT_EQ(std::memcmp(&before, &request, sizeof request), 0) << code;
    }
    EXPECT_TRUE(host.calls.empty());
}

TEST(Handles, AllocateWritesTagAndZeroFillsAndGivesTheDataAddress) {
    HostEmulator host;
    host.SetUpThread();
    const uint32_t handle = host.Request(2, 5, 0x12345).block.wordA;
    ASSERT_EQ(handle, 1u);
    EXPECT_EQ(host.TagOf(handle), 0x2345);
    EXPECT_EQ(host.StringAt(handle, 5), std::string(5, '\0'));
    const BlockHandle block = host.HandleSlot(handle);
    EXPECT_EQ(BlockSize(block), 7u);
    EXPECT_EQ(BlockLockCount(block), 0u);
    const uint32_t address = host.Request(6, handle).block.wordA;
    EXPECT_EQ(address, WordOf(BlockLock(block)) + 2);
    BlockUnlock(block);
    EXPECT_EQ(BlockLockCount(block), 0u); // code 6 unlocks again
}

TEST(Handles, FreeReusesTheLowestSlotAndFullTableFails) {
    HostEmulator host(5);
    host.SetUpThread();
    for (uint32_t expected = 1; expected <= 4; ++expected)
        EXPECT_EQ(host.Request(2, 1, 0).block.wordA, expected);
    EXPECT_EQ(host.Request(2, 1, 0).block.wordA, 0u);
    EXPECT_EQ(host.HandleTable()->searchStart, 5);
    host.Request(4, 3);
    EXPECT_EQ(host.HandleSlot(3), 0u);
    EXPECT_EQ(host.HandleTable()->searchStart, 3);
    host.Request(4, 2);
    EXPECT_EQ(host.HandleTable()->searchStart, 2);
    EXPECT_EQ(host.Request(2, 1, 0).block.wordA, 2u);
    EXPECT_EQ(host.Request(2, 1, 0).block.wordA, 3u);
    EXPECT_EQ(host.Request(2, 1, 0).block.wordA, 0u);
}

TEST(Handles, RefusedNumbersDoNothing) {
    HostEmulator host(4);
    host.SetUpThread();
    const uint32_t handle = host.Request(2, 8, 0).block.wordA;
    const BlockHandle block = host.HandleSlot(handle);
    for (uint32_t refused : {0u, 3u, 4u, 5u, 0xFFFFu, 0x10001u, 0xFFFFFFFFu}) {
        EXPECT_EQ(host.Request(6, refused).block.wordA, 0u) << refused;
        host.Request(4, refused);
    }
    // A capacity below the slot makes it unreachable too.
    host.HandleTable()->capacity = 1;
    EXPECT_EQ(host.Request(6, handle).block.wordA, 0u);
    host.Request(4, handle);
    host.HandleTable()->capacity = 4;
    EXPECT_EQ(host.HandleSlot(handle), block);
    EXPECT_NE(host.Request(6, handle).block.wordA, 0u);
}

TEST(Handles, HostileSizesAndSearchStartsAreSafe) {
    HostEmulator host(4);
    host.SetUpThread();
    // size + 2 would wrap around to a block too small for the tag.
    EXPECT_EQ(host.Request(2, 0xFFFFFFFF, 0).block.wordA, 0u);
    EXPECT_EQ(host.Request(2, 0xFFFFFFFE, 0).block.wordA, 0u);
    // A search start of 0 must not hand out slot 0, which means "no handle".
    host.HandleTable()->searchStart = 0;
    EXPECT_EQ(host.Request(2, 1, 0).block.wordA, 1u);
    EXPECT_EQ(host.HandleSlot(0), 0u);
    host.HandleTable()->searchStart = 9;
    EXPECT_EQ(host.Request(2, 1, 0).block.wordA, 0u);
    EXPECT_EQ(host.HandleTable()->searchStart, 9);
}

TEST(PointerTable, EnterClearAndLookUp) {
    HostEmulator host(4, 4);
    host.SetUpThread();
    EXPECT_EQ(host.Request(16, 0x1111).block.wordA, 1u);
    EXPECT_EQ(host.Request(16, 0x2222).block.wordA, 2u);
    EXPECT_EQ(host.Request(16, 0x3333).block.wordA, 3u);
    EXPECT_EQ(host.Request(16, 0x4444).block.wordA, 0u); // full
    EXPECT_EQ(host.PointerTable()->slotsInUse, 3);
    EXPECT_EQ(host.Request(18, 2).block.wordA, 0x2222u);
    host.Request(17, 2);
    EXPECT_EQ(host.PointerSlot(2), 0u);
    EXPECT_EQ(host.PointerTable()->slotsInUse, 2);
    EXPECT_EQ(host.PointerTable()->searchStart, 2);
    EXPECT_EQ(host.Request(18, 2).block.wordA, 0u);
    host.Request(17, 2); // empty: refused, the count stays
    EXPECT_EQ(host.PointerTable()->slotsInUse, 2);
    EXPECT_EQ(host.Request(16, 0x5555).block.wordA, 2u);
    for (uint32_t refused : {0u, 4u, 5u, 0xFFFFFFFFu}) {
        EXPECT_EQ(host.Request(18, refused).block.wordA, 0u);
        host.Request(17, refused);
    }
    EXPECT_EQ(host.PointerTable()->slotsInUse, 3);
    // A null pointer would occupy nothing yet count as in use.
    host.Request(17, 3);
    EXPECT_EQ(host.Request(16, 0).block.wordA, 0u);
    EXPECT_EQ(host.PointerTable()->slotsInUse, 2);
}

TEST(Threads, AThreadWithoutCodeZeroUnwindsAtItsFirstServiceRequest) {
    HostEmulator host;
    host.SetUpThread();
    const ParameterRecord text = host.CharValue("plain text");
    const ParameterRecord key = host.CharValue("secret");
    const uint32_t encrypt = host.FunctionAddress("ENCRYPT");
    int entryResult = -1;
    uint32_t table = 0, version = 0, handle = 1;
    std::thread other([&] {
        HostEmulator stranger;
        HostRequest request = stranger.Request(14);
        table = request.block.wordA;
        version = request.block.wordB;
        handle = stranger.Request(2, 4, 0).block.wordA; // no handle table on this thread
        request = {};
        request.block.requestCode = 1;
        request.block.function = encrypt;
        request.params.first = text;
        request.params.second = key;
        entryResult = stranger.Call(request);
        if (!stranger.calls.empty())
            entryResult = -2;
    });
    other.join();
    EXPECT_EQ(entryResult, 0);
    EXPECT_EQ(table, host.Request(14).block.wordA);
    EXPECT_EQ(version, 5000u);
    EXPECT_EQ(handle, 0u);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.StringAt(text.value.handle, 10), "plain text");
}

TEST(Unwinding, NestedEntriesUnwindToTheInnermostAndRestoreTheOuter) {
    HostEmulator host;
    host.SetUpThread();
    host.variable = "variable";
    const ParameterRecord key = host.CharValue("nested key");
    const ParameterRecord number = HostEmulator::Value('N', 8, 0);
    int nested = 0;
    host.hook = [&](CallbackRecord& record) {
        if (record.serviceNumber == 30 && nested++ == 0) {
            // The host calls in again while it serves the load; the inner call fails.
            EXPECT_EQ(host.CallFunction("DECRYPT", number, key), 0);
        }
    };
    EXPECT_EQ(host.CallFunction("ENCRYPT", HostEmulator::Locator(0), key), 0);
    // The inner error ended the inner call only; the outer one went on to store and return.
    EXPECT_EQ(host.errors, std::vector<uint32_t>{302});
    EXPECT_EQ(host.ServiceNumbers(), (std::vector<uint32_t>{30, 83, 29, 11}));
    ASSERT_EQ(host.results.size(), 1u);
    EXPECT_NE(host.variable, "variable");

    // After the nested entry, an error in the outer call must unwind to the outer entry.
    host.calls.clear();
    host.errors.clear();
    nested = 0;
    host.variableType = 'N';
    EXPECT_EQ(host.CallFunction("ENCRYPT", HostEmulator::Locator(0), key), 0);
    EXPECT_EQ(host.errors, (std::vector<uint32_t>{302, 302}));
    EXPECT_EQ(host.ServiceNumbers(), (std::vector<uint32_t>{30, 83, 83}));
}

TEST(Unwinding, AServiceFieldOf84UnwindsLike83) {
    HostEmulator host;
    host.SetUpThread();
    host.hook = [](CallbackRecord& record) {
        if (record.serviceNumber == 30)
            record.serviceNumber = 84;
    };
    host.variable = "text";
    EXPECT_EQ(host.CallFunction("ENCRYPT", HostEmulator::Locator(-1), host.CharValue("key")), 0);
    EXPECT_EQ(host.ServiceNumbers(), std::vector<uint32_t>{30});
    EXPECT_TRUE(host.results.empty());
}

} // namespace
} // namespace orvd::test
