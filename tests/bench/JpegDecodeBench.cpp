// Decoding a 4000 x 4000 map picture into MapBitmap against libjpeg-turbo's own djpeg, decoding
// the same file in the same run.
#include "JpegWriter.h"
#include "TempDir.h"
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

void BM_Djpeg(benchmark::State& state) {
    const std::string command = "djpeg -outfile /dev/null '" + PictureDir().File("NR.map") + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("djpeg failed (package libjpeg-turbo-progs)");
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
