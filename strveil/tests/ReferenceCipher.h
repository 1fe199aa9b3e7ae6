#pragma once
// The transformation as a plain per-byte loop, the reference the library's version must match.

#include <cstdint>
#include <cstring>
#include <vector>

namespace orvd::test {

inline void ReferenceTransform(const std::vector<uint8_t>& keyBytes, std::vector<uint8_t>& data) {
    uint8_t key[1025] = {};
    const size_t copied = keyBytes.size() < 1024 ? keyBytes.size() : 1024;
    if (copied > 0)
        std::memcpy(key, keyBytes.data(), copied);
    const size_t keyLength = std::strlen(reinterpret_cast<const char*>(key));
    const auto n = static_cast<int32_t>(data.size());
    if (keyLength < 3 || n <= 0)
        return;
    int32_t v = 1;
    for (size_t i = 0; i < keyLength; ++i)
        v = v + static_cast<int32_t>(i) + static_cast<int8_t>(key[i]);
    while (v < 1000) {
        if (v == 0)
            return;
        v = static_cast<int32_t>(static_cast<uint32_t>(v) * 2);
    }
    int32_t a = ((v / 997) - 1) % 254 + 1;
    size_t p = 0;
    for (int32_t i = 0; i < n; ++i) {
        a = static_cast<int32_t>((static_cast<int64_t>(i) - n + a - 1) % 254) + 1;
        const uint8_t k = key[p] ^ static_cast<uint8_t>(a);
        const uint8_t t = data[i] ^ k;
        if (t != 0)
            data[i] = t;
        if (p < keyLength)
            ++p;
        else
            p = 0;
    }
}

} // namespace orvd::test
