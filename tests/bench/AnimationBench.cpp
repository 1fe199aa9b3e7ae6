// One animation tick in the core: the step and the rendering of both buffers.
#include "view/MapAnimation.h"
#include "view/MapPainter.h"

#include <benchmark/benchmark.h>

namespace orvd {
namespace {

Image LargeMap() {
    Image m(4000, 3000);
    for (int y = 0; y < m.Height(); ++y) {
        Pixel* row = m.Row(y);
        for (int x = 0; x < m.Width(); ++x)
            row[x] = MakePixel(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y));
    }
    return m;
}

// Slides back and forth across the map at the default window size, crosshair on.
void BM_AnimationTick(benchmark::State& state) {
    const Image map = LargeMap();
    const Image small(200, 150, MakePixel(0x20, 0x80, 0x20));
    ViewGeometry g;
    FormResize(g, kInitialOuterWidth, kInitialOuterHeight, &map, &small);
    MapPaintOptions options;
    options.Crosshairs = true;
    options.CrossColor = 0x00FFFFFF;
    options.BorderColor = 0x0080FFFF;
    options.BorderStyle = BorderPattern::Cross;
    const SystemColorTable colors;
    MapAnimation animation;
    bool forth = true;
    for (auto _ : state) {
        if (!animation.Animating()) {
            animation.MoveMap(g, forth ? 3700 : -100, forth ? 2700 : -100, true, 20);
            forth = !forth;
        }
        animation.Tick(g, map.Width(), map.Height());
        RenderViews(g, &map, &small, options, colors);
        benchmark::DoNotOptimize(g.ViewBuffer.Data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_AnimationTick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvd
