// Decoding a 4000 x 4000 map picture into MapBitmap against libjpeg-turbo's own djpeg, decoding
// the same file in the same run.
#include "JpegWriter.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/Error.h"
#include "mapdata/JpegDecoder.h"
#include "mapdata/MapPictures.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

using namespace orvd;

// A map-like picture: smooth land colours with fine detail, so the encoder has real work.
const testing::TempDir& PictureDir() {
    static testing::TempDir dir;
    static const bool made = [] {
        Image picture(4000, 4000);
        std::uint32_t noise = 12345;
        for (int y = 0; y < 4000; ++y) {
            Pixel* row = picture.Row(y);
            for (int x = 0; x < 4000; ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int detail = int(noise >> 28);
                row[x] = MakePixel(std::uint8_t(90 + (x / 16) % 80 + detail),
                                   std::uint8_t(120 + (y / 24) % 70 + detail),
                                   std::uint8_t(60 + ((x + y) / 32) % 90));
            }
        }
        testing::WriteFile(dir.File("NR.map"), testing::EncodeJpeg(picture, 85));
        return true;
    }();
    (void)made;
    return dir;
}

void BM_LoadMapImage(benchmark::State& state) {
    const auto& dir = PictureDir();
    Image mapBitmap;
    for (auto _ : state) {
        bool failed = true;
        LoadMapImage(mapBitmap, dir.Path(), "NR", failed);
        if (failed)
            state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(mapBitmap.Data());
    }
    state.counters["pixels"] = double(mapBitmap.Width()) * mapBitmap.Height();
}
BENCHMARK(BM_LoadMapImage)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The start-up case: MapBitmap is empty, so its 64 MB are fresh pages the kernel must supply.
void BM_LoadMapImageFresh(benchmark::State& state) {
    const auto& dir = PictureDir();
    for (auto _ : state) {
        Image mapBitmap;
        bool failed = true;
        LoadMapImage(mapBitmap, dir.Path(), "NR", failed);
        benchmark::DoNotOptimize(mapBitmap.Data());
    }
}
BENCHMARK(BM_LoadMapImageFresh)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// A hostile file: a small picture whose frame header claims 16384 x 16384 pixels, its data ending
// at the end marker after the first rows. libjpeg fills the rest: with the machine's memory it
// decodes (1 GiB of pixels); under a limit that cannot hold it, it fails before taking it.
void HugeClaim(benchmark::State& state, bool progressive, std::size_t limit) {
    Image small(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            small.Set(x, y, MakePixel(std::uint8_t(x * 4), std::uint8_t(y * 4), 128));
    std::string bytes = testing::EncodeJpeg(small, 90, false, progressive);
    const auto sof = bytes.find(progressive ? "\xFF\xC2" : "\xFF\xC0");
    for (int i : {5, 7}) {
        bytes[sof + std::size_t(i)] = char(0x40);
        bytes[sof + std::size_t(i) + 1] = char(0x00);
    }
    bool decoded = false;
    for (auto _ : state) {
        Image image;
        try {
            DecodeJpeg(bytes, image, limit);
            decoded = true;
        } catch (const Error&) {
            decoded = false;
        }
    }
    state.counters["file_bytes"] = double(bytes.size());
    state.counters["decoded"] = decoded ? 1 : 0;
}

constexpr std::size_t kTooLittle = std::size_t(256) << 20;

void BM_DecodeHugeClaim(benchmark::State& state) {
    HugeClaim(state, false, AvailableMemory());
}
BENCHMARK(BM_DecodeHugeClaim)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_DecodeHugeClaimProgressive(benchmark::State& state) {
    HugeClaim(state, true, AvailableMemory());
}
BENCHMARK(BM_DecodeHugeClaimProgressive)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_DecodeHugeClaimBeyondLimit(benchmark::State& state) {
    HugeClaim(state, false, kTooLittle);
}
BENCHMARK(BM_DecodeHugeClaimBeyondLimit)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeHugeClaimProgressiveBeyondLimit(benchmark::State& state) {
    HugeClaim(state, true, kTooLittle);
}
BENCHMARK(BM_DecodeHugeClaimProgressiveBeyondLimit)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Djpeg(benchmark::State& state) {
    const std::string command = "djpeg -outfile /dev/null '" + PictureDir().File("NR.map") + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("djpeg failed (package libjpeg-turbo-progs)");
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
