// ENCRYPT and DECRYPT through the real entry: by value, variables, memo fields, every failure.
#include "HostEmulator.h"
#include "Platform.h"
#include "ReferenceCipher.h"

#include <gtest/gtest.h>

namespace orvd::test {
namespace {

using Numbers = std::vector<uint32_t>;

std::string Reference(const std::string& key, const std::string& text) {
    std::vector<uint8_t> data(text.begin(), text.end());
    ReferenceTransform(std::vector<uint8_t>(key.begin(), key.end()), data);
    return std::string(data.begin(), data.end());
}

class CipherHandlerTest : public ::testing::Test {
protected:
    void SetUp() override { host.SetUpThread(); }

    // A memo field whose text sits after some other bytes in the memo file.
    ParameterRecord Field(const std::string& text, int16_t where = 3) {
        host.memoFile = "other memo bytes" + text + "trailing";
        host.memoOffset = 16;
        host.memoSize = static_cast<uint32_t>(text.size());
        return HostEmulator::Locator(where);
    }

    int UsedSlots() const {
        int used = 0;
        for (uint32_t i = 0; i < 16; ++i)
            used += host.HandleSlot(i) != 0;
        return used;
    }

    HostEmulator host{16};
};

TEST_F(CipherHandlerTest, ValueIsTransformedInPlaceAndItsOwnRecordReturned) {
    const std::string text = "Attack at dawn, not at noon.";
    const ParameterRecord value = host.CharValue(text);
    EXPECT_EQ(host.CallFunction("ENCRYPT", value, host.CharValue("a long secret")), 0);
    EXPECT_EQ(host.ServiceNumbers(), Numbers{11});
    ASSERT_EQ(host.results.size(), 1u);
    const std::string once = Reference("a long secret", text);
    EXPECT_NE(once, text);
    EXPECT_EQ(host.results[0].bytes, once);
    EXPECT_EQ(host.StringAt(value.value.handle, value.value.length), once);
    EXPECT_EQ(host.results[0].record.handle, value.value.handle);
    EXPECT_EQ(host.results[0].record.length, text.size());

    // DECRYPT on the same block (the host passes the record by value again) restores it.
    host.CallFunction("DECRYPT", value, host.CharValue("a long secret"));
    EXPECT_EQ(host.StringAt(value.value.handle, value.value.length), text);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(CipherHandlerTest, ShortKeysAndEmptyStringsComeBackUnchanged) {
    const ParameterRecord value = host.CharValue("keep me");
    host.CallFunction("ENCRYPT", value, host.CharValue("ab"));
    host.CallFunction("ENCRYPT", value, host.CharValue(std::string("ab\0cdef", 7)));
    EXPECT_EQ(host.StringAt(value.value.handle, 7), "keep me");
    host.CallFunction("ENCRYPT", host.CharValue(""), host.CharValue("a key"));
    // An empty string needs no block at all.
    host.CallFunction("ENCRYPT", HostEmulator::Value('C', 0, 0), host.CharValue("a key"));
    host.variable = "variable";
    host.CallFunction("ENCRYPT", HostEmulator::Locator(0), host.CharValue("k"));
    EXPECT_EQ(host.variable, "variable");
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{11, 11, 11, 11, 30, 29, 11}));
    ASSERT_EQ(host.results.size(), 5u);
    EXPECT_EQ(host.results[2].bytes, "");
    EXPECT_EQ(host.results[3].bytes, "");
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(CipherHandlerTest, VariableIsLoadedLockedTransformedStoredAndReturned) {
    host.variable = "a variable's text";
    for (int16_t where : {int16_t{0}, int16_t{-1}, int16_t{-32768}}) {
        host.calls.clear();
        host.results.clear();
        const std::string before = host.variable;
        host.CallFunction("ENCRYPT", HostEmulator::Locator(where), host.CharValue("variable key"));
        EXPECT_EQ(host.ServiceNumbers(), (Numbers{30, 29, 11})) << where;
        EXPECT_EQ(host.variable, Reference("variable key", before));
        ASSERT_EQ(host.results.size(), 1u);
        EXPECT_EQ(host.results[0].bytes, host.variable);
        // Load and store get the same record of the library's own, and that record is returned.
        EXPECT_EQ(host.calls[0].arguments[1], host.calls[1].arguments[1]);
        EXPECT_EQ(host.calls[0].arguments[1], host.results[0].recordAddress);
        EXPECT_EQ(BlockLockCount(host.HandleSlot(host.results[0].record.handle)), 1u);
    }
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(CipherHandlerTest, NonCharacterValuesRaise302) {
    host.CallFunction("ENCRYPT", HostEmulator::Value('N', 8, host.NewString("12345678")),
                      host.CharValue("key"));
    host.CallFunction("ENCRYPT", HostEmulator::Value('c', 3, host.NewString("abc")),
                      host.CharValue("key"));
    EXPECT_EQ(host.errors, (Numbers{302, 302}));
    EXPECT_TRUE(host.results.empty());

    // A variable holding a number: loaded and locked, never stored.
    host.calls.clear();
    host.variableType = 'N';
    host.variable = "12345678";
    host.CallFunction("DECRYPT", HostEmulator::Locator(0), host.CharValue("key"));
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{30, 83}));
    EXPECT_EQ(host.errors.back(), 302u);
    uint32_t lockedBlocks = 0;
    for (uint32_t i = 1; i < 16; ++i)
        lockedBlocks += BlockLockCount(host.HandleSlot(i));
    EXPECT_EQ(lockedBlocks, 1u);
    EXPECT_TRUE(host.results.empty());
}

TEST_F(CipherHandlerTest, FailedLoadAndStoreRaiseTheirNegatedResult) {
    host.variable = "text";
    host.loadResult = -12;
    host.CallFunction("ENCRYPT", HostEmulator::Locator(0), host.CharValue("key"));
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{30, 83}));
    host.loadResult = 0;
    host.storeResult = -1718;
    host.CallFunction("ENCRYPT", HostEmulator::Locator(0), host.CharValue("key"));
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{30, 83, 30, 29, 83}));
    host.storeResult = INT32_MIN;
    host.CallFunction("ENCRYPT", HostEmulator::Locator(0), host.CharValue("key"));
    EXPECT_EQ(host.errors, (Numbers{12, 1718, 0x80000000u}));
    EXPECT_EQ(host.variable, "text");
    EXPECT_TRUE(host.results.empty());
}

TEST_F(CipherHandlerTest, FieldIsReadIntoANewBlockAndReturnedButNotWritten) {
    const ParameterRecord field = Field("memo text of a field");
    host.CallFunction("ENCRYPT", field, host.CharValue("field key"));
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{23, 25, 26, 34, 33, 11}));
    EXPECT_EQ(host.calls[0].arguments[0], 3u);
    const uint32_t channel = host.channel;
    EXPECT_EQ(host.calls[3].arguments[0], channel);
    EXPECT_EQ(host.calls[3].arguments[1], 16u);
    EXPECT_EQ(host.calls[3].arguments[2], 0u);
    EXPECT_EQ(host.calls[4].arguments[0], channel);
    EXPECT_EQ(host.calls[4].arguments[2], 20u);
    EXPECT_EQ(host.calls[4].arguments[3], 1u);
    ASSERT_EQ(host.results.size(), 1u);
    const Result& result = host.results[0];
    EXPECT_EQ(result.record.typeLetter, 'C');
    EXPECT_EQ(result.record.length, 20u);
    EXPECT_EQ(result.bytes, Reference("field key", "memo text of a field"));
    // The block is the library's, tagged 16, read into at its data address, left locked once.
    EXPECT_EQ(host.TagOf(result.record.handle), 16);
    EXPECT_EQ(host.calls[4].arguments[1],
              WordOf(BlockLock(host.HandleSlot(result.record.handle))) + 2);
    BlockUnlock(host.HandleSlot(result.record.handle));
    EXPECT_EQ(BlockLockCount(host.HandleSlot(result.record.handle)), 1u);
    EXPECT_EQ(host.memoFile, "other memo bytesmemo text of a fieldtrailing");
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(CipherHandlerTest, FieldFailures) {
    // A negative memo offset is raised as it is.
    ParameterRecord field = Field("text");
    host.memoOffset = -5;
    host.CallFunction("ENCRYPT", field, host.CharValue("key"));
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{23, 25, 83}));
    EXPECT_EQ(host.errors.back(), static_cast<uint32_t>(-5));

    // Short and long reads: 182, and the block does not stay behind in the table.
    for (uint32_t count : {3u, 5u, 0u}) {
        host.calls.clear();
        field = Field("text");
        host.overrideReadCount = true;
        host.readCount = count;
        const ParameterRecord key = host.CharValue("key");
        const int blocksBefore = UsedSlots();
        host.CallFunction("ENCRYPT", field, key);
        EXPECT_EQ(host.ServiceNumbers(), (Numbers{23, 25, 26, 34, 33, 83})) << count;
        EXPECT_EQ(host.errors.back(), 182u);
        EXPECT_EQ(UsedSlots(), blocksBefore);
    }
    host.overrideReadCount = false;
    EXPECT_TRUE(host.results.empty());
}

TEST_F(CipherHandlerTest, FieldBlockThatCannotBeAllocatedRaises182) {
    const ParameterRecord key = host.CharValue("key");
    while (host.Request(2, 1, 0).block.wordA != 0) {
    }
    host.calls.clear();
    host.CallFunction("ENCRYPT", Field("text"), key);
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{23, 25, 26, 34, 83}));
    EXPECT_EQ(host.errors, Numbers{182});
}

TEST_F(CipherHandlerTest, MemoSizesOfZeroAndTwoGigabytes) {
    host.CallFunction("ENCRYPT", Field(""), host.CharValue("key"));
    ASSERT_EQ(host.results.size(), 1u);
    EXPECT_EQ(host.results[0].record.length, 0u);
    EXPECT_NE(host.results[0].record.handle, 0u);

    // A size no string can have is refused before anything is allocated or read.
    for (uint32_t size : {0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        host.calls.clear();
        const ParameterRecord field = Field("text");
        host.memoSize = size;
        host.CallFunction("ENCRYPT", field, host.CharValue("key"));
        EXPECT_EQ(host.ServiceNumbers(), (Numbers{23, 25, 26, 83})) << size;
        EXPECT_EQ(host.errors.back(), 182u);
    }
    EXPECT_EQ(host.results.size(), 1u);
}

TEST_F(CipherHandlerTest, RecordsThatClaimMoreThanTheirBlockHoldsAreRefused) {
    const uint32_t handle = host.NewString("short");
    const ParameterRecord key = host.CharValue("key");
    // Lengths beyond the block, handles at or beyond the capacity, and no handle at all.
    host.CallFunction("ENCRYPT", HostEmulator::Value('C', 0xFFFFFFFF, handle), key);
    host.CallFunction("ENCRYPT", HostEmulator::Value('C', 6, handle), key);
    host.CallFunction("ENCRYPT", HostEmulator::Value('C', 5, 16), key);
    host.CallFunction("ENCRYPT", HostEmulator::Value('C', 5, 0xFFFF), key);
    host.CallFunction("ENCRYPT", HostEmulator::Value('C', 5, 0), key);
    // The same for the key: its first 1024 bytes must lie within its block.
    const ParameterRecord value = HostEmulator::Value('C', 5, handle);
    host.CallFunction("ENCRYPT", value,
                      HostEmulator::Value('C', 0xFFFFFFFF, host.NewString("key")));
    host.CallFunction("ENCRYPT", value, HostEmulator::Value('C', 3, 0));
    host.CallFunction("ENCRYPT", value, HostEmulator::Value('C', 3, 16));
    EXPECT_EQ(host.errors, Numbers(8, 302));
    EXPECT_EQ(host.StringAt(handle, 5), "short");
    EXPECT_TRUE(host.results.empty());

    // A loaded variable whose record claims too much: refused and not stored.
    host.calls.clear();
    host.variable = "abc";
    host.loadedLengthExtra = 1;
    host.CallFunction("ENCRYPT", HostEmulator::Locator(0), key);
    EXPECT_EQ(host.ServiceNumbers(), (Numbers{30, 83}));
    EXPECT_EQ(host.errors.back(), 302u);
    EXPECT_EQ(host.variable, "abc");
}

TEST_F(CipherHandlerTest, KeyBytesBeyond1024DoNotCount) {
    std::string key(1100, 'k');
    std::string other = key;
    other[1024] = 'x';
    other[1099] = 'y';
    const ParameterRecord a = host.CharValue("the same text in both");
    const ParameterRecord b = host.CharValue("the same text in both");
    host.CallFunction("ENCRYPT", a, host.CharValue(key));
    host.CallFunction("ENCRYPT", b, host.CharValue(other));
    ASSERT_EQ(host.results.size(), 2u);
    EXPECT_EQ(host.results[0].bytes, host.results[1].bytes);
    EXPECT_EQ(host.results[0].bytes, Reference(key, "the same text in both"));
}

} // namespace
} // namespace orvd::test
