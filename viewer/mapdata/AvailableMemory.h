#pragma once

#include <cstddef>

namespace orvd {

// The bytes of memory this process can take now without driving the machine into swap: the
// system's available memory (what it can free without swapping), or less when the process's
// address space is limited. The largest size_t when the system does not tell.
// AvailableMemoryPosix.cpp asks the system, chosen in CMakeLists.txt.
std::size_t AvailableMemory();

} // namespace orvd
