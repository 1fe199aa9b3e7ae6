#include "mapdata/Languages.h"
#include "mapdata/LocationList.h"
#include "mapdata/LocationsFile.h"
#include "mapdata/SortLocations.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// A scratch folder for one benchmark, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/orvd-bench-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string Path() const { return path_ + "/"; }

private:
    std::string path_;
};

// About 600 short names in shuffled order, filling the 8192-byte key buffer.
std::string FullDataSection(int* count) {
    std::vector<std::string> names;
    std::size_t bytes = 1;
    for (int i = 0; bytes + 14 <= 8192; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Place %07d", i);
        names.push_back(name);
        bytes += names.back().size() + 1;
    }
    std::mt19937 random(5);
    std::shuffle(names.begin(), names.end(), random);
    std::string text = "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text +=
            names[i] + "=" + std::to_string(i * 7 % 4000) + "," + std::to_string(i % 3000) + "\r\n";
    }
    *count = static_cast<int>(names.size());
    return text;
}

void BM_LoadNamesFullBuffer(benchmark::State& state) {
    ScratchDir dir;
    const std::string path = dir.Path() + "NR_Engli.dat";
    int count = 0;
    std::ofstream(path, std::ios::binary) << FullDataSection(&count);
    for (auto _ : state) {
        orvd::LocationList list = orvd::LoadNames(path, 3000, 2000);
        if (static_cast<int>(list.Names.size()) != count) {
            state.SkipWithError("wrong number of names");
            break;
        }
        benchmark::DoNotOptimize(list);
    }
    state.counters["names"] = count;
}
BENCHMARK(BM_LoadNamesFullBuffer)->Unit(benchmark::kMillisecond);

// The sort alone, on the same names in the same shuffled order.
void BM_SortLocationsFullBuffer(benchmark::State& state) {
    ScratchDir dir;
    const std::string path = dir.Path() + "NR_Engli.dat";
    int count = 0;
    std::ofstream(path, std::ios::binary) << FullDataSection(&count);
    const orvd::LocationsFileContent content = orvd::ReadLocationsFile(path, 3000, 2000);
    for (auto _ : state) {
        std::vector<std::string> names = content.Names;
        std::vector<orvd::Point> points = content.Points;
        orvd::SortLocations(names, points);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_SortLocationsFullBuffer)->Unit(benchmark::kMillisecond);

// The editor's save of a full list: the backup of the file it replaces, then
// the whole file composed in memory and stored in one replacement.
void BM_SaveWithBackupFullBuffer(benchmark::State& state) {
    ScratchDir dir;
    const std::string path = dir.Path() + "NR_Engli.dat";
    int count = 0;
    std::ofstream(path, std::ios::binary) << FullDataSection(&count);
    const orvd::LocationsFileContent content = orvd::ReadLocationsFile(path, 3000, 2000);
    if (static_cast<int>(content.Names.size()) != count) {
        state.SkipWithError("wrong number of names");
        return;
    }
    for (auto _ : state) {
        orvd::MakeBackup(path);
        orvd::SaveLocationsFile(path, "English", content.Names, content.Points);
    }
    state.counters["names"] = count;
}
BENCHMARK(BM_SaveWithBackupFullBuffer)->Unit(benchmark::kMillisecond);

void BM_LoadFileNames50Files(benchmark::State& state) {
    ScratchDir dir;
    int count = 0;
    const std::string data = FullDataSection(&count);
    for (int i = 0; i < 50; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "NR_L%04d.dat", i);
        std::ofstream(dir.Path() + name, std::ios::binary)
            << "[PROPERTIES]\r\nlanguage=Language " << (i * 37 % 50) << "\r\n"
            << data.substr(data.find("[DATA]"));
    }
    for (auto _ : state) {
        orvd::LanguageMenu menu = orvd::LoadFileNames(dir.Path(), "NR");
        if (menu.Items.size() != 50) {
            state.SkipWithError("wrong number of languages");
            break;
        }
        benchmark::DoNotOptimize(menu);
    }
}
BENCHMARK(BM_LoadFileNames50Files)->Unit(benchmark::kMillisecond);

} // namespace
