#include "Noise.h"

#include <cmath>

namespace orvd::demo {

std::uint64_t Random::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t MixSeed(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    Random r(a * 0x100000001B3ull ^ (b + 0x632BE59BD9B4E019ull) * 31 ^ (c << 17));
    r.Next();
    return r.Next();
}

Noise::Noise(std::uint64_t seed) {
    Random random(seed);
    for (int i = 0; i < 256; ++i)
        perm_[std::size_t(i)] = std::uint8_t(i);
    for (int i = 255; i > 0; --i) {
        const std::uint32_t j = random.Below(std::uint32_t(i + 1));
        std::swap(perm_[std::size_t(i)], perm_[j]);
    }
    for (int i = 0; i < 256; ++i)
        perm_[std::size_t(i + 256)] = perm_[std::size_t(i)];
}

namespace {

inline float Fade(float t) {
    return t * t * t * (t * (t * 6.f - 15.f) + 10.f);
}

// Eight directions: the diagonals and the axes, all of length about 1.41.
constexpr float kGradX[8] = {1.f, -1.f, 1.f, -1.f, 1.41421356f, -1.41421356f, 0.f, 0.f};
constexpr float kGradY[8] = {1.f, 1.f, -1.f, -1.f, 0.f, 0.f, 1.41421356f, -1.41421356f};

inline float Gradient(std::uint8_t hash, float x, float y) {
    return kGradX[hash & 7] * x + kGradY[hash & 7] * y;
}

} // namespace

float Noise::At(float x, float y) const {
    const float fx = float(int(x) - (x < float(int(x))));
    const float fy = float(int(y) - (y < float(int(y))));
    const int ix = int(fx) & 255;
    const int iy = int(fy) & 255;
    const float dx = x - fx;
    const float dy = y - fy;
    const float u = Fade(dx);
    const float v = Fade(dy);
    const auto& p = perm_;
    const int a = p[std::size_t(ix)] + iy;
    const int b = p[std::size_t(ix + 1)] + iy;
    const float n00 = Gradient(p[std::size_t(a)], dx, dy);
    const float n10 = Gradient(p[std::size_t(b)], dx - 1.f, dy);
    const float n01 = Gradient(p[std::size_t(a + 1)], dx, dy - 1.f);
    const float n11 = Gradient(p[std::size_t(b + 1)], dx - 1.f, dy - 1.f);
    const float nx0 = n00 + u * (n10 - n00);
    const float nx1 = n01 + u * (n11 - n01);
    return (nx0 + v * (nx1 - nx0)) * 0.7f;
}

float Noise::Fbm(float x, float y, int octaves, float gain) const {
    return FbmPart(x, y, 0, octaves, octaves, gain);
}

float Noise::FbmPart(float x, float y, int first, int end, int octaves, float gain) const {
    float sum = 0.f;
    float amplitude = 1.f;
    float total = 0.f;
    for (int i = 0; i < octaves; ++i) {
        if (i >= first && i < end)
            sum += amplitude * At(x, y);
        total += amplitude;
        amplitude *= gain;
        // A turn of about 37 degrees and a shift per octave keep the lattice from showing.
        const float nx = (x * 0.8f - y * 0.6f) * 2.f + 17.3f;
        y = (x * 0.6f + y * 0.8f) * 2.f + 5.1f;
        x = nx;
    }
    return sum / total * 1.6f;
}

float Noise::Ridged(float x, float y, int octaves) const {
    float sum = 0.f;
    float amplitude = 1.f;
    float total = 0.f;
    float weight = 1.f;
    for (int i = 0; i < octaves; ++i) {
        float ridge = 1.f - std::fabs(At(x, y) * 1.45f);
        ridge = ridge < 0.f ? 0.f : ridge * ridge;
        sum += ridge * amplitude * weight;
        total += amplitude;
        weight = ridge * 1.6f;
        weight = weight > 1.f ? 1.f : weight;
        amplitude *= 0.5f;
        const float nx = (x * 0.8f - y * 0.6f) * 2.f + 31.7f;
        y = (x * 0.6f + y * 0.8f) * 2.f + 11.9f;
        x = nx;
    }
    return sum / total;
}

} // namespace orvd::demo
