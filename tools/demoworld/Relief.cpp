#include "Relief.h"

#include "Noise.h"
#include "ParallelRows.h"

#include <algorithm>
#include <cmath>

namespace orvd::demo {
namespace {

struct Rgb {
    float r, g, b;
};

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scaled(Rgb c, float f) {
    return {c.r * f, c.g * f, c.b * f};
}

Pixel ToPixel(Rgb c) {
    auto byte = [](float v) { return std::uint8_t(std::clamp(v, 0.f, 255.f) + 0.5f); };
    return MakePixel(byte(c.r), byte(c.g), byte(c.b));
}

constexpr Rgb kShallow{132, 186, 206};
constexpr Rgb kDeep{38, 78, 132};
constexpr Rgb kLake{88, 146, 196};
constexpr Rgb kRiver{70, 128, 190};
constexpr Rgb kSand{224, 210, 162};
constexpr Rgb kDryLow{192, 190, 128};
constexpr Rgb kWetLow{112, 162, 86};
constexpr Rgb kMoor{150, 128, 110};
constexpr Rgb kHills{156, 150, 100};
constexpr Rgb kRock{132, 118, 104};
constexpr Rgb kHighRock{168, 162, 156};
constexpr Rgb kSnow{246, 246, 250};
constexpr Rgb kForest{56, 102, 56};

Rgb LandColour(float e, float wet) {
    Rgb low = Mix(kDryLow, kWetLow, Smoothstep(0.3f, 0.7f, wet));
    low = Mix(low, kMoor, Smoothstep(0.35f, 0.15f, wet) * Smoothstep(0.12f, 0.3f, e));
    Rgb c = Mix(kSand, low, Smoothstep(0.004f, 0.02f, e));
    c = Mix(c, kHills, Smoothstep(0.22f, 0.42f, e));
    c = Mix(c, kRock, Smoothstep(0.42f, 0.62f, e));
    c = Mix(c, kHighRock, Smoothstep(0.62f, 0.8f, e));
    return c;
}

} // namespace

Image RenderRelief(const MapPlan& plan, const Terrain& t) {
    Image picture(t.Width, t.Height);
    const Noise crowns(MixSeed(plan.Seed, 22));
    const float unit = 1.f / t.Scale;
    // Slopes per unit, exaggerated so that hills read at a glance.
    const float relief = 200.f * t.Scale * 0.5f;
    const float lx = -0.6f, ly = -0.6f, lz = 0.53f;

    ParallelRows(t.Height, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            Pixel* out = picture.Row(y);
            const std::size_t row = std::size_t(y) * std::size_t(t.Width);
            const float* e = &t.Elevation[row];
            const float* up = &t.Elevation[std::size_t(std::max(0, y - 1)) * std::size_t(t.Width)];
            const float* down =
                &t.Elevation[std::size_t(std::min(t.Height - 1, y + 1)) * std::size_t(t.Width)];
            const float v = float(y) * unit;
            for (int x = 0; x < t.Width; ++x) {
                const int xl = std::max(0, x - 1);
                const int xr = std::min(t.Width - 1, x + 1);
                const float here = e[x];
                const Ground g = t.Cover[row + std::size_t(x)];
                Rgb c;
                if (g == Ground::Sea) {
                    const float depth = -here;
                    c = Mix(kShallow, kDeep, Smoothstep(0.f, 0.16f, depth));
                    c = Mix(c, Scaled(kShallow, 1.08f), Smoothstep(0.012f, 0.f, depth));
                } else {
                    const float gx = (std::max(0.f, e[xr]) - std::max(0.f, e[xl])) * relief;
                    const float gy = (std::max(0.f, down[x]) - std::max(0.f, up[x])) * relief;
                    const float norm = 1.f / std::sqrt(gx * gx + gy * gy + 1.f);
                    const float lit = (-gx * lx - gy * ly + lz) * norm;
                    const float shade = std::clamp(0.42f + 0.95f * lit, 0.35f, 1.25f);
                    const float wet = t.Moisture[row + std::size_t(x)];
                    const float u = float(x) * unit;
                    if (g == Ground::Lake) {
                        c = kLake;
                    } else {
                        c = LandColour(here, wet);
                        const float forest = float(t.Forest[row + std::size_t(x)]) / 255.f;
                        if (forest > 0.f) {
                            const float crown = 0.9f + 0.35f * crowns.At(u / 1.8f, v / 1.8f);
                            c = Mix(c, Scaled(kForest, crown), forest);
                        }
                        const float steep = std::sqrt(gx * gx + gy * gy);
                        const float snow =
                            Smoothstep(0.8f, 0.9f, here) * Smoothstep(2.5f, 1.0f, steep);
                        c = Mix(c, kSnow, snow);
                        c = Scaled(c, shade);
                    }
                    const float river = float(t.Water[row + std::size_t(x)]) / 255.f;
                    if (river > 0.f && g != Ground::Lake)
                        c = Mix(c, kRiver, river);
                }
                out[x] = ToPixel(c);
            }
        }
    });
    return picture;
}

Image MakeOverview(const Image& picture) {
    const int w = picture.Width();
    const int h = picture.Height();
    int ow = 200;
    int oh = int(std::lround(double(h) * 200.0 / double(w)));
    if (oh > 178) {
        oh = 178;
        ow = int(std::lround(double(w) * 178.0 / double(h)));
    }
    ow = std::max(1, ow);
    oh = std::max(1, oh);
    Image overview(ow, oh);
    for (int oy = 0; oy < oh; ++oy) {
        const int y0 = int(std::int64_t(oy) * h / oh);
        const int y1 = std::max(y0 + 1, int(std::int64_t(oy + 1) * h / oh));
        for (int ox = 0; ox < ow; ++ox) {
            const int x0 = int(std::int64_t(ox) * w / ow);
            const int x1 = std::max(x0 + 1, int(std::int64_t(ox + 1) * w / ow));
            std::uint64_t r = 0, g = 0, b = 0;
            for (int y = y0; y < y1; ++y) {
                const Pixel* row = picture.Row(y);
                for (int x = x0; x < x1; ++x) {
                    r += RedOf(row[x]);
                    g += GreenOf(row[x]);
                    b += BlueOf(row[x]);
                }
            }
            const std::uint64_t n = std::uint64_t(y1 - y0) * std::uint64_t(x1 - x0);
            overview.Set(ox, oy,
                         MakePixel(std::uint8_t((r + n / 2) / n), std::uint8_t((g + n / 2) / n),
                                   std::uint8_t((b + n / 2) / n)));
        }
    }
    return overview;
}

} // namespace orvd::demo
