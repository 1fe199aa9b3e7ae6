#include "base/ImageMemory.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <new>

namespace orvd {
namespace {

// Small blocks and map-sized ones come from different places on each system; every size must be
// usable to its last byte, aligned for any pixel type, and go back where it came from.
TEST(ImageMemory, EverySizeIsUsableAlignedAndFreed) {
    const std::size_t sizes[] = {
        0, 1, 100, (std::size_t(4) << 20) - 1, std::size_t(4) << 20, std::size_t(64) << 20};
    for (int round = 0; round < 3; ++round) {
        for (const std::size_t size : sizes) {
            void* block = AllocateImageMemory(size);
            ASSERT_NE(block, nullptr) << size;
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u)
                << size;
            auto* bytes = static_cast<unsigned char*>(block);
            std::memset(bytes, 0x5A, size == 0 ? 1 : size);
            EXPECT_EQ(bytes[size == 0 ? 0 : size - 1], 0x5A) << size;
            FreeImageMemory(block);
        }
    }
    FreeImageMemory(nullptr);
    EXPECT_THROW(AllocateImageMemory(std::size_t(-1) / 2), std::bad_alloc);
}

} // namespace
} // namespace orvd
