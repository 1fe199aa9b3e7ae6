#include "Cipher.h"

namespace orvd {

namespace {

// Once the stream value has dropped to 1 or below it stays there, and its low byte repeats
// every 508 bytes.
constexpr size_t kStreamPeriod = 508;
// Bytes transformed per pass over the precomputed stream and key cycle. Both buffers together
// stay below one page of stack, so no stack probe is needed on Windows.
constexpr size_t kChunk = 1024;

inline uint8_t Combine(uint8_t data, uint8_t k) {
    uint8_t t = data ^ k;
    return t != 0 ? t : data;
}

// data[j] combined with keyCycle[j] ^ stream[j] for j < count.
void CombineChunk(uint8_t* data, const uint8_t* keyCycle, const uint8_t* stream, size_t count) {
    typedef uint8_t Bytes16 __attribute__((vector_size(16)));
    size_t j = 0;
    for (; j + 16 <= count; j += 16) {
        Bytes16 d, k1, k2;
        __builtin_memcpy(&d, data + j, 16);
        __builtin_memcpy(&k1, keyCycle + j, 16);
        __builtin_memcpy(&k2, stream + j, 16);
        Bytes16 t = d ^ k1 ^ k2;
        Bytes16 unchanged = (Bytes16)(t == 0);
        Bytes16 result = t | (d & unchanged);
        __builtin_memcpy(data + j, &result, 16);
    }
    for (; j < count; ++j)
        data[j] = Combine(data[j], keyCycle[j] ^ stream[j]);
}

} // namespace

size_t KeyLength(const uint8_t* key, size_t size) {
    size_t limit = size < kKeyCapacity ? size : kKeyCapacity;
    for (size_t i = 0; i < limit; ++i) {
        if (key[i] == 0)
            return i;
    }
    return limit;
}

int32_t KeyValue(const uint8_t* key, size_t keyLength) {
    // Unsigned arithmetic: the doubling wraps around by design.
    uint32_t v = 1;
    for (size_t i = 0; i < keyLength; ++i)
        v += static_cast<uint32_t>(i) + static_cast<uint32_t>(static_cast<int8_t>(key[i]));
    while (static_cast<int32_t>(v) < 1000) {
        if (v == 0)
            return 0;
        v += v;
    }
    return static_cast<int32_t>(v);
}

void Transform(const uint8_t* key, size_t size, uint8_t* data, int32_t n) {
    const size_t keyLength = KeyLength(key, size);
    if (keyLength < 3 || n <= 0)
        return;
    const int32_t v = KeyValue(key, keyLength);
    if (v == 0)
        return;
    int32_t a = (v / 997 - 1) % 254 + 1;
    const size_t cycleLength = keyLength + 1;
    size_t p = 0;
    int32_t i = 0;

    // While a > 1 the dividend can still be positive. That lasts at most a couple of dozen bytes,
    // which take the plain step.
    for (; i < n && a > 1; ++i) {
        a = static_cast<int32_t>((static_cast<int64_t>(i) - n + a - 1) % 254) + 1;
        uint8_t keyByte = p < keyLength ? key[p] : 0;
        data[i] = Combine(data[i], keyByte ^ static_cast<uint8_t>(a));
        p = p < keyLength ? p + 1 : 0;
    }
    if (i == n)
        return;

    // From here on the dividend stays negative. With e = 1 - a, every byte adds (n - i) mod 254
    // to e modulo 254, which needs no division and repeats every kStreamPeriod bytes.
    const size_t remaining = static_cast<size_t>(n - i);
    uint8_t stream[kStreamPeriod + kChunk];
    const size_t streamLength =
        remaining < kStreamPeriod + kChunk ? remaining : kStreamPeriod + kChunk;
    int32_t e = 1 - a;
    int32_t step = (n - i) % 254;
    for (size_t j = 0; j < streamLength; ++j) {
        e += step;
        if (e >= 254)
            e -= 254;
        stream[j] = static_cast<uint8_t>(1 - e);
        step = step == 0 ? 253 : step - 1;
    }

    uint8_t keyCycle[kKeyCapacity + 1 + kChunk];
    const size_t keyCycleLength = cycleLength + (remaining < kChunk ? remaining : kChunk);
    for (size_t j = 0, pos = 0; j < keyCycleLength; ++j) {
        keyCycle[j] = pos < keyLength ? key[pos] : 0;
        pos = pos < keyLength ? pos + 1 : 0;
    }

    size_t done = 0;
    size_t streamPos = 0;
    size_t keyPos = p;
    while (done < remaining) {
        size_t count = remaining - done < kChunk ? remaining - done : kChunk;
        CombineChunk(data + i + done, keyCycle + keyPos, stream + streamPos, count);
        done += count;
        streamPos = (streamPos + count) % kStreamPeriod;
        keyPos = (keyPos + count) % cycleLength;
    }
}

} // namespace orvd
