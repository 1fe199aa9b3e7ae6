// The help file parser on a hostile file: one topic followed by 1 MiB of blank lines.
#include "base/help/HelpFile.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_ParseBlankLines(benchmark::State& state) {
    const std::string bytes = "[101] Topic\n" + std::string(1 << 20, '\n') + "Text\n";
    for (auto _ : state) {
        const orvd::HelpFile file = orvd::HelpFile::Parse(bytes);
        benchmark::DoNotOptimize(file.Find(101));
    }
}
BENCHMARK(BM_ParseBlankLines)->Unit(benchmark::kMillisecond);

void BM_ParseBlankLinesCrLf(benchmark::State& state) {
    std::string bytes = "[contents] Help\r\n";
    for (int i = 0; i < (1 << 19); ++i)
        bytes += "\r\n";
    for (auto _ : state) {
        const orvd::HelpFile file = orvd::HelpFile::Parse(bytes);
        benchmark::DoNotOptimize(file.Contents());
    }
}
BENCHMARK(BM_ParseBlankLinesCrLf)->Unit(benchmark::kMillisecond);

} // namespace
