#include "view/MapPainter.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <vector>

namespace orvd {
namespace {

const Image& BigMap() {
    static const Image map = [] {
        Image m(8000, 6000);
        for (int y = 0; y < m.Height(); ++y) {
            Pixel* row = m.Row(y);
            for (int x = 0; x < m.Width(); ++x)
                row[x] = MakePixel(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y));
        }
        return m;
    }();
    return map;
}

const Image& Overview() {
    static const Image small(200, 150, MakePixel(0x20, 0x80, 0x20));
    return small;
}

struct Scene {
    ViewGeometry g;
    MapPaintOptions options;
    SystemColorTable colors;

    Scene(int viewW, int viewH) {
        FormResize(g, viewW + 277, viewH + 71, &BigMap(), &Overview());
        options.Crosshairs = true;
        options.CrossColor = 0x000000FF;
        options.BorderColor = 0x00808080;
        options.BorderStyle = BorderPattern::Solid;
    }
    // A left border strip of 100 columns, and the crosshair.
    void Render() {
        g.ViewLeft = -100;
        g.ViewTop = 40;
        RenderViews(g, &BigMap(), &Overview(), options, colors);
    }
};

void BM_MemcpyViewBytes(benchmark::State& state) {
    const std::size_t bytes = std::size_t(state.range(0)) * std::size_t(state.range(1)) * 4;
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes, 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

void BM_RenderViews(benchmark::State& state) {
    Scene scene(int(state.range(0)), int(state.range(1)));
    const Pixel* before = scene.g.ViewBuffer.Data();
    for (auto _ : state) {
        scene.Render();
        benchmark::DoNotOptimize(scene.g.ViewBuffer.Data());
        benchmark::ClobberMemory();
    }
    if (scene.g.ViewBuffer.Data() != before)
        state.SkipWithError("the view buffer was reallocated while painting");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * state.range(0) * state.range(1) * 4);
}

// Both sides interleaved in one loop, so they share the machine's state; reports the ratio.
void BM_RenderToMemcpyRatio(benchmark::State& state) {
    Scene scene(int(state.range(0)), int(state.range(1)));
    const std::size_t bytes = std::size_t(state.range(0)) * std::size_t(state.range(1)) * 4;
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes, 2);
    using Clock = std::chrono::steady_clock;
    Clock::duration copyTime{};
    Clock::duration renderTime{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        scene.Render();
        benchmark::DoNotOptimize(scene.g.ViewBuffer.Data());
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        copyTime += t1 - t0;
        renderTime += t2 - t1;
    }
    const double n = double(state.iterations());
    state.counters["memcpy_us"] = std::chrono::duration<double, std::micro>(copyTime).count() / n;
    state.counters["render_us"] = std::chrono::duration<double, std::micro>(renderTime).count() / n;
    state.counters["ratio"] = double(renderTime.count()) / double(copyTime.count());
}

BENCHMARK(BM_MemcpyViewBytes)->Args({1920, 1200})->Args({386, 399});
BENCHMARK(BM_RenderViews)->Args({1920, 1200})->Args({386, 399});
BENCHMARK(BM_RenderToMemcpyRatio)->Args({1920, 1200})->Args({386, 399});

} // namespace
} // namespace orvd
