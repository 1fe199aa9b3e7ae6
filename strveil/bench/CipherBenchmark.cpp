// The transformation of 1 MiB against a memcpy of the same bytes, in the same run.
#include "Cipher.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr size_t kSize = 1 << 20;

std::vector<uint8_t> RandomBytes(size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

void BM_Transform1MiB(benchmark::State& state) {
    const std::string key = "a key of moderate length for the benchmark";
    std::vector<uint8_t> data = RandomBytes(kSize, 1);
    for (auto _ : state) {
        orvd::Transform(reinterpret_cast<const uint8_t*>(key.data()), key.size(), data.data(),
                        static_cast<int32_t>(data.size()));
        benchmark::DoNotOptimize(data.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kSize);
}

void BM_Memcpy1MiB(benchmark::State& state) {
    std::vector<uint8_t> from = RandomBytes(kSize, 2);
    std::vector<uint8_t> to(kSize);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kSize);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kSize);
}

BENCHMARK(BM_Transform1MiB);
BENCHMARK(BM_Memcpy1MiB);

} // namespace
