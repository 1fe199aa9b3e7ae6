#include "Cipher.h"
#include "ReferenceCipher.h"

#include <gtest/gtest.h>
#include <random>

namespace orvd {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ToBytes(const char* text) {
    return Bytes(text, text + std::strlen(text));
}

Bytes Transformed(const Bytes& key, Bytes data) {
    Transform(key.data(), key.size(), data.data(), static_cast<int32_t>(data.size()));
    return data;
}

Bytes RandomBytes(std::mt19937& rng, size_t size, int lowest) {
    std::uniform_int_distribution<int> byte(lowest, 255);
    Bytes bytes(size);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(byte(rng));
    return bytes;
}

TEST(Cipher, KnownAnswers) {
    // "abc": v = 298, doubled to 1192, a starts at 1.
    EXPECT_EQ(KeyValue(ToBytes("abc").data(), 3), 1192);
    EXPECT_EQ(Transformed(ToBytes("abc"), ToBytes("x")), Bytes{0x19});
    EXPECT_EQ(Transformed(ToBytes("abc"), ToBytes("xy")), (Bytes{0xE6, 0xE5}));
}

TEST(Cipher, KeyValueCountsBytesAsSigned) {
    // 0xFF counts as -1: 1 + 97 + 99 + 1 = 198, doubled to 1584.
    const Bytes high = {'a', 'b', 0xFF};
    EXPECT_EQ(KeyValue(high.data(), 3), 1584);
    // -3 doubles with wrap-around until it turns positive at 2^30.
    const Bytes minusThree = {0xFF, 0xFE, 0xFC};
    EXPECT_EQ(KeyValue(minusThree.data(), 3), 0x40000000);
}

TEST(Cipher, KeysThatNeverReachTheLimitLeaveDataUnchanged) {
    const Bytes data = ToBytes("some secret text");
    const Bytes zero = {0xFF, 0xFF, 0xFE};       // v = 0
    const Bytes minusEight = {0xFF, 0xFB, 0xFA}; // v = -8, doubles to 0
    EXPECT_EQ(KeyValue(zero.data(), 3), 0);
    EXPECT_EQ(KeyValue(minusEight.data(), 3), 0);
    EXPECT_EQ(Transformed(zero, data), data);
    EXPECT_EQ(Transformed(minusEight, data), data);
}

TEST(Cipher, ShortKeysAndEmptyDataChangeNothing) {
    const Bytes data = ToBytes("unchanged");
    for (const Bytes& key : {Bytes{}, ToBytes("a"), ToBytes("ab"), Bytes{'a', 'b', 0, 'c', 'd'}})
        EXPECT_EQ(Transformed(key, data), data);
    Bytes empty;
    EXPECT_EQ(Transformed(ToBytes("key"), empty), empty);
    Bytes one = {'x'};
    Transform(ToBytes("key").data(), 3, one.data(), -1);
    EXPECT_EQ(one, Bytes{'x'});
}

TEST(Cipher, MatchesPlainLoopOnRandomKeysAndLengths) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<size_t> keySize(0, 2000);
    std::uniform_int_distribution<size_t> dataSize(0, 100000);
    std::uniform_int_distribution<size_t> shortSize(0, 600);
    for (int round = 0; round < 160; ++round) {
        // Half the keys hold no zero byte, so long keys (beyond 1024) occur as well.
        Bytes key = RandomBytes(rng, keySize(rng), round % 2);
        // Short strings stay longer in the stream's first, positive stretch.
        Bytes data = RandomBytes(rng, round % 4 == 0 ? shortSize(rng) : dataSize(rng), 0);
        Bytes expected = data;
        test::ReferenceTransform(key, expected);
        ASSERT_EQ(Transformed(key, data), expected)
            << "key size " << key.size() << ", data size " << data.size();
    }
}

TEST(Cipher, TwiceRestoresNonZeroBytesAndZeroBecomesTheStreamByte) {
    std::mt19937 rng(7);
    const Bytes key = RandomBytes(rng, 40, 1);
    Bytes data = RandomBytes(rng, 5000, 0);
    for (size_t i = 0; i < data.size(); i += 17)
        data[i] = 0;
    const Bytes stream = Transformed(key, Bytes(data.size(), 0)); // k where k is not 0
    const Bytes once = Transformed(key, data);
    const Bytes twice = Transformed(key, once);
    for (size_t i = 0; i < data.size(); ++i) {
        ASSERT_EQ(once[i] == 0, data[i] == 0 && stream[i] == 0) << i;
        ASSERT_EQ(twice[i], data[i] != 0 ? data[i] : stream[i]) << i;
    }
}

TEST(Cipher, OnlyTheFirst1024KeyBytesCount) {
    std::mt19937 rng(11);
    Bytes key1 = RandomBytes(rng, 1100, 1);
    Bytes key2 = key1;
    key2[1024] ^= 0x55;
    key2[1099] ^= 0x0F;
    const Bytes data = RandomBytes(rng, 3000, 0);
    EXPECT_EQ(Transformed(key1, data), Transformed(key2, data));
    key2[1023] ^= 0x01;
    EXPECT_NE(Transformed(key1, data), Transformed(key2, data));
}

TEST(Cipher, LengthEntersTheStream) {
    const Bytes key = ToBytes("length matters");
    const Bytes text = ToBytes("the same text");
    Bytes longer = text;
    longer.push_back('!');
    const Bytes a = Transformed(key, text);
    const Bytes b = Transformed(key, longer);
    EXPECT_NE(a, Bytes(b.begin(), b.begin() + static_cast<long>(a.size())));
}

} // namespace
} // namespace orvd
