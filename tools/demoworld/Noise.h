#pragma once

#include <array>
#include <cstdint>

namespace orvd::demo {

// Seeded two-dimensional gradient noise and its fractal sums. The same seed gives the same
// values on every run; nothing depends on the standard library's distributions.
class Noise {
public:
    explicit Noise(std::uint64_t seed);

    // Smooth noise in about -0.7..0.7, one feature per unit.
    float At(float x, float y) const;
    // Sum of `octaves` layers, each twice as fine and `gain` times as strong as the one before;
    // normalised to about -1..1.
    float Fbm(float x, float y, int octaves, float gain = 0.5f) const;
    // Only octaves first .. end - 1 of Fbm(x, y, octaves, gain), so that broad octaves can be
    // sampled coarsely and fine ones per pixel: the parts add up to the whole.
    float FbmPart(float x, float y, int first, int end, int octaves, float gain = 0.5f) const;
    // Sharp crests along the noise's zero lines, 0..1: mountain ridges.
    float Ridged(float x, float y, int octaves) const;

private:
    std::array<std::uint8_t, 512> perm_{};
};

// A small deterministic generator (SplitMix64) for every random choice of the demo world.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // 0 .. n - 1 for n >= 1.
    std::uint32_t Below(std::uint32_t n) { return std::uint32_t((Next() >> 32) * n >> 32); }
    // 0 <= value < 1.
    float Unit() { return float(Next() >> 40) / float(1 << 24); }

private:
    std::uint64_t state_;
};

// Mixes several numbers into one seed.
std::uint64_t MixSeed(std::uint64_t a, std::uint64_t b, std::uint64_t c = 0);

inline float Smoothstep(float edge0, float edge1, float x) {
    float t = (x - edge0) / (edge1 - edge0);
    t = t < 0.f ? 0.f : (t > 1.f ? 1.f : t);
    return t * t * (3.f - 2.f * t);
}

} // namespace orvd::demo
