#pragma once

#include "base/BusyIndicator.h"
#include "base/Image.h"

#include <cstdint>

namespace orvd {

// State of the test map's pseudo-random generator; nothing else in the program draws from it.
extern std::uint32_t RandomSeed;

// A pseudo-random integer in 0 .. n - 1 (n >= 1); advances RandomSeed.
std::uint32_t NextRandom(std::uint32_t n);

inline constexpr int kTestMapWidth = 1344;
inline constexpr int kTestMapHeight = 1195;

// Fills `image` with the generated test map: 1344 x 1195, white, with 20 coloured circles and
// squares. The same on every run: it reseeds RandomSeed with 44.
void MakeTestMap(Image& image, BusyIndicator* busy = nullptr);

} // namespace orvd
