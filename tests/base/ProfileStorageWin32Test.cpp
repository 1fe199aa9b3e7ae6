// The profile store on Windows: what the POSIX tests check with permission bits, processes and
// links, checked with attributes, sharing and process handles.
#include "StorageFakes.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/Error.h"
#include "base/profile/ProfileFile.h"
#include "base/profile/TempFileName.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <windows.h>

namespace orvd {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;
using testing::TempDir;
using testing::WriteFile;

std::size_t Entries(const TempDir& dir) {
    return std::size_t(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()));
}

// A process that does nothing until it is ended: a writer that still runs.
struct SuspendedProcess {
    PROCESS_INFORMATION info{};
    SuspendedProcess() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        char command[] = "cmd.exe /c exit";
        if (!::CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                              nullptr, &startup, &info))
            throw std::runtime_error("cannot start cmd.exe");
    }
    ~SuspendedProcess() {
        ::TerminateProcess(info.hProcess, 0);
        ::WaitForSingleObject(info.hProcess, INFINITE);
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
    }
};

TEST(ProfileStoreWin32, ReplacesAFileKeepingItsAttributes) {
    for (const DWORD attributes : {DWORD(FILE_ATTRIBUTE_ARCHIVE), DWORD(FILE_ATTRIBUTE_HIDDEN)}) {
        TempDir dir;
        const std::string path = dir.File("ORVDMAP.ini");
        ProfileFile f(path);
        f.WriteText("Config", "Language", "Neder");
        ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attributes));
        f.WriteNumber("Config", "AnimationSpeed", 20);
        EXPECT_EQ(Slurp(path), "[Config]\r\nLanguage=Neder\r\nAnimationSpeed=20\r\n");
        EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN,
                  attributes & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_EQ(Entries(dir), 1u); // no temporary file left behind
    }
}

TEST(ProfileStoreWin32, UnwritableFilesFailAndKeepTheirContent) {
    const std::string before = "[Config]\r\nLanguage=Engli\r\n";
    HANDLE held = INVALID_HANDLE_VALUE;
    const struct {
        const char* what;
        std::function<void(const std::string&)> arrange, undo;
    } rows[] = {
        {"read-only attribute",
         [](const std::string& path) {
             ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
         },
         [](const std::string& path) {
             ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
         }},
        // Another program that opened the file without letting others replace it.
        {"held open",
         [&](const std::string& path) {
             held = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
         },
         [&](const std::string&) { ::CloseHandle(held); }},
    };
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.File("NR_Engli.dat");
        WriteFile(path, before);
        row.arrange(path);
        try {
            ProfileFile(path).WriteText("Config", "Language", "Neder");
            ADD_FAILURE() << row.what << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path) << row.what;
        }
        row.undo(path);
        EXPECT_EQ(Slurp(path), before) << row.what;
        EXPECT_EQ(Entries(dir), 1u) << row.what;
    }
    TempDir dir;
    fs::create_directory(dir.File("folder.ini"));
    EXPECT_THROW(ProfileFile(dir.File("folder.ini")).WriteText("A", "b", "c"), Error);
    EXPECT_THROW(ProfileFile(dir.File("nowhere\\x.ini")).WriteText("A", "b", "c"), Error);
    EXPECT_EQ(Entries(dir), 1u);
}

TEST(ProfileStoreWin32, RemovesOnlyTheLeftoversOfEndedWriters) {
    SuspendedProcess running;
    DWORD ended = 0;
    {
        SuspendedProcess gone;
        ended = gone.info.dwProcessId;
    }
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    const std::string removed[] = {TempFileName("NR_Engli.dat", long(ended), 0),
                                   TempFileName("NR_Engli.dat", long(::GetCurrentProcessId()), 7)};
    const std::string kept[] = {TempFileName("NR_Engli.dat", long(running.info.dwProcessId), 1),
                                TempFileName("NR_Neder.dat", long(ended), 0)};
    WriteFile(path, "[DATA]\r\nA=1,2\r\n");
    for (const std::string& name : removed)
        WriteFile(dir.File(name), "half a save");
    for (const std::string& name : kept)
        WriteFile(dir.File(name), "keep");
    ProfileFile(path).WriteText("DATA", "B", "3,4");
    for (const std::string& name : removed)
        EXPECT_FALSE(fs::exists(dir.File(name))) << name;
    for (const std::string& name : kept)
        EXPECT_EQ(Slurp(dir.File(name)), "keep") << name;
    EXPECT_EQ(Slurp(path), "[DATA]\r\nA=1,2\r\nB=3,4\r\n");
}

TEST(ProfileStoreWin32, FailingStepLeavesTheOldFileWhole) {
    const std::string before = "[PROPERTIES]\r\nName=English\r\n[DATA]\r\nOakford=1200,850\r\n";
    for (auto step : {testing::FailingStorage::Step::Write, testing::FailingStorage::Step::Flush,
                      testing::FailingStorage::Step::Rename}) {
        TempDir dir;
        const std::string path = dir.File("NR_Engli.dat");
        WriteFile(path, before);
        testing::FailingStorage storage(step);
        EXPECT_THROW(ProfileFile(path, storage).RemoveSection("DATA"), Error);
        EXPECT_EQ(Slurp(path), before);
        EXPECT_EQ(Entries(dir), 1u);
    }
}

} // namespace
} // namespace orvd
