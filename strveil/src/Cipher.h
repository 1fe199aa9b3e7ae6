#pragma once
// The keyed byte transformation behind ENCRYPT and DECRYPT. Applying it twice with the same key
// and length restores every non-zero byte; it never turns a non-zero byte into zero and never
// changes the length.

#include <cstddef>
#include <cstdint>

namespace orvd {

// Key bytes beyond this many do not count.
constexpr size_t kKeyCapacity = 1024;

// The number of key bytes that count: those before the first zero byte, at most kKeyCapacity.
size_t KeyLength(const uint8_t* key, size_t size);

// The key value of the first keyLength bytes (taken as signed), doubled until it is 1000 or
// more; 0 for a key whose value never gets there.
int32_t KeyValue(const uint8_t* key, size_t keyLength);

// Transforms the n bytes at data in place under the key (size bytes at key, of which KeyLength
// count). Leaves the data unchanged for n <= 0, for fewer than 3 key bytes and for a key whose
// value is 0. Reads nothing beyond key[size - 1] and data[n - 1]; allocates nothing.
void Transform(const uint8_t* key, size_t size, uint8_t* data, int32_t n);

} // namespace orvd
