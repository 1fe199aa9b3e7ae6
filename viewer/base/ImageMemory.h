#pragma once

#include <cstddef>

namespace orvd {

// Memory for an image's pixels, from the operating system's side: map-sized blocks (some tens of
// MB) may be aligned to large pages, which a plain heap block would not get. One file per system
// implements both functions (ImageMemoryPosix.cpp), chosen in CMakeLists.txt.

// A block of at least `bytes` bytes (1 for 0), aligned for any pixel type; its content is
// undefined. Throws std::bad_alloc when it cannot be had.
void* AllocateImageMemory(std::size_t bytes);

// Gives back a block of AllocateImageMemory; nullptr is ignored.
void FreeImageMemory(void* block);

} // namespace orvd
