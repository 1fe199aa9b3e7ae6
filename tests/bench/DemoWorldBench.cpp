// Making the whole demo world at its real sizes: three maps, their overviews and nine locations
// files, as the build does it.
#include "DemoWorld.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MakeDemoWorld(benchmark::State& state) {
    orvd::testing::TempDir dir;
    for (auto _ : state)
        orvd::demo::MakeDemoWorld(dir.Path(), orvd::demo::DemoOptions{});
}
BENCHMARK(BM_MakeDemoWorld)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

void BM_MakeDemoMap(benchmark::State& state) {
    const orvd::demo::MapPlan plan = orvd::demo::DemoMaps(1)[std::size_t(state.range(0))];
    for (auto _ : state) {
        orvd::demo::DemoMap map = orvd::demo::MakeDemoMap(plan, orvd::demo::DemoOptions{});
        benchmark::DoNotOptimize(map.Picture.Data());
    }
    state.SetLabel(plan.Code);
}
BENCHMARK(BM_MakeDemoMap)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
