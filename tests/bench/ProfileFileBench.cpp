#include "base/profile/ProfileFile.h"
#include "base/profile/ProfileStorage.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace orvd {
namespace {

// The replacement with each temporary file synced to the disk before the rename.
class SyncedStorage : public ProfileStorage {
protected:
    bool Flush(int fd) override { return fdatasync(fd) == 0; }
};

// The replacement by exchanging the two names and unlinking the old file, which spares the file
// system's flush of a file replaced by rename (and with it that protection against power loss).
class ExchangingStorage : public ProfileStorage {
protected:
    bool Rename(const std::string& from, const std::string& to) override {
        if (syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) !=
            0) {
            return ProfileStorage::Rename(from, to);
        }
        return unlink(from.c_str()) == 0;
    }
};

std::string ScratchFile() {
    char pattern[] = "/tmp/orvd-bench-XXXXXX";
    const char* dir = mkdtemp(pattern);
    return std::string(dir != nullptr ? dir : "/tmp") + "/NR_Engli.dat";
}

std::string LocationName(int i) {
    return "Location number " + std::to_string(i);
}

// The editor's save: the section removed, then 600 keys written one after another.
void WriteSection(benchmark::State& state, ProfileStorage& storage) {
    const std::string path = ScratchFile();
    ProfileFile file(path, storage);
    file.WriteText("PROPERTIES", "Name", "English");
    for (auto _ : state) {
        file.RemoveSection("DATA");
        for (int i = 0; i < 600; ++i) {
            file.WriteText("DATA", LocationName(i),
                           std::to_string(i * 7) + "," + std::to_string(i));
        }
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

void BM_Write600Keys(benchmark::State& state) {
    WriteSection(state, ProfileStorage::Default());
}
BENCHMARK(BM_Write600Keys)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Write600KeysSynced(benchmark::State& state) {
    SyncedStorage storage;
    WriteSection(state, storage);
}
BENCHMARK(BM_Write600KeysSynced)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Write600KeysExchanged(benchmark::State& state) {
    ExchangingStorage storage;
    WriteSection(state, storage);
}
BENCHMARK(BM_Write600KeysExchanged)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadEntries600Keys(benchmark::State& state) {
    const std::string path = ScratchFile();
    ProfileFile file(path);
    for (int i = 0; i < 600; ++i) {
        file.WriteText("DATA", LocationName(i), std::to_string(i * 7) + "," + std::to_string(i));
    }
    for (auto _ : state) {
        std::vector<std::string> lines;
        file.ReadEntries("DATA", lines);
        benchmark::DoNotOptimize(lines.data());
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_ReadEntries600Keys)->Unit(benchmark::kMillisecond);

// The same bytes on every load; what is stored is dropped, so each run starts from them.
class FixedStorage : public ProfileStorage {
public:
    explicit FixedStorage(std::string bytes) : bytes_(std::move(bytes)) {}
    std::string Load(const std::string&) const override { return bytes_; }
    void Store(const std::string&, std::string_view bytes) override { stored = bytes.size(); }
    std::size_t stored = 0;

private:
    std::string bytes_;
};

// A hostile file of 2.2 MB: 50 000 sections of the removed name alternating with others.
void BM_RemoveSectionAlternating(benchmark::State& state) {
    std::string bytes;
    for (int i = 0; bytes.size() < 2200000; ++i) {
        bytes += "[DATA]\r\nPlace=1,2\r\n[Other" + std::to_string(i) + "]\r\nKey=v\r\n";
    }
    FixedStorage storage(bytes);
    ProfileFile file("hostile.dat", storage);
    for (auto _ : state) {
        file.RemoveSection("DATA");
    }
    state.counters["bytes"] = double(bytes.size());
    state.counters["kept"] = double(storage.stored);
}
BENCHMARK(BM_RemoveSectionAlternating)->Unit(benchmark::kMillisecond);

// The line end of the files below: 0 LF, 1 CR LF, 2 CR alone.
const char* LineEnd(std::int64_t kind) {
    return kind == 0 ? "\n" : kind == 1 ? "\r\n" : "\r";
}

// The settings' and the loader's reads of a file of 600 keys, with each kind of line end.
void BM_ReadEntries600KeysByLineEnd(benchmark::State& state) {
    std::string bytes = "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\n";
    for (int i = 0; i < 600; ++i) {
        bytes += LocationName(i) + "=" + std::to_string(i * 7) + "," + std::to_string(i);
        bytes += LineEnd(state.range(0));
    }
    FixedStorage storage(bytes);
    ProfileFile file("NR_Engli.dat", storage);
    for (auto _ : state) {
        std::vector<std::string> lines;
        file.ReadEntries("DATA", lines);
        benchmark::DoNotOptimize(lines.data());
        state.counters["entries"] = double(lines.size());
    }
}
BENCHMARK(BM_ReadEntries600KeysByLineEnd)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A hostile file just under the size cap that is nothing but line ends, one line per byte: a
// key written into it and the section removed again.
void BM_WriteIntoLineEndsOnly(benchmark::State& state) {
    const std::string bytes = "[S]\r\nk=v\r\n" + std::string(ProfileStorage::kMaxFileBytes - 16,
                                                             LineEnd(state.range(0))[0]);
    FixedStorage storage(bytes);
    ProfileFile file("hostile.ini", storage);
    for (auto _ : state) {
        file.WriteText("T", "key", "value");
        file.RemoveSection("S");
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_WriteIntoLineEndsOnly)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvd
