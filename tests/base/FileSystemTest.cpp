#include "base/FileSystem.h"

#include "JpegWriter.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/ProgramPath.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace orvd {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(ResolveFileName, FindsWhatWindowsWouldOpen) {
    struct Case {
        std::vector<const char*> present;
        const char* asked;
        const char* opened;
    };
    const Case cases[] = {
        {{"NR.map"}, "NR.map", "NR.map"},
        {{"NR_small.map"}, "NR.map", "NR.map"}, // none: the name as asked
#ifdef _WIN32
        // The system ignores case itself: the name as asked opens the file.
        {{"nr.MAP"}, "NR.map", "NR.map"},
        {{"caf\xC9.dat"}, "CAF\xE9.DAT", "CAF\xE9.DAT"},
#else
        {{"nr.MAP"}, "NR.map", "nr.MAP"},
        {{"nr.map", "NR.map"}, "NR.map", "NR.map"},      // the exact name first
        {{"nR.map", "Nr.map"}, "NR.map", "Nr.map"},      // else the first in name order
        {{"caf\xC9.dat"}, "CAF\xE9.DAT", "caf\xC9.dat"}, // accented letters fold too
#endif
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const char* name : c.present)
            WriteFile(dir.File(name), "x");
        EXPECT_EQ(ResolveFileName(dir.Path(), c.asked), dir.Path() + c.opened) << c.asked;
    }
    TempDir dir;
    std::filesystem::create_directory(dir.File("nr.map"));
    EXPECT_EQ(ResolveFileName(dir.Path(), "NR.map"), dir.Path() + "NR.map"); // folders are no file
    EXPECT_EQ(ResolveFileName(dir.File("missing/"), "NR.map"), dir.File("missing/") + "NR.map");
}

TEST(ListDirectory, NamesEveryEntryButTheFolderLinks) {
    TempDir dir;
    WriteFile(dir.File("NR_Engli.dat"), "x");
    WriteFile(dir.File(".hidden"), "x");
    std::filesystem::create_directory(dir.File("sub"));
    std::vector<std::string> names = ListDirectory(dir.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".hidden", "NR_Engli.dat", "sub"}));
    EXPECT_TRUE(ListDirectory(dir.File("missing/")).empty());
    EXPECT_TRUE(ListDirectory(dir.File("NR_Engli.dat")).empty());
}

// The path's text as the system reads it: where the folder ends and whether it stands alone.
TEST(PathText, FolderFileAndExtensionParts) {
    struct Case {
        const char* path;
        const char* directory;
        const char* file;
        const char* withIni;
        bool absolute;
    };
    const Case cases[] = {
        {"/opt/orvd/ORVDMAP", "/opt/orvd/", "ORVDMAP", "/opt/orvd/ORVDMAP.ini", true},
        {"maps/NR.map", "maps/", "NR.map", "maps/NR.ini", false},
        {"NR.map", "./", "NR.map", "NR.ini", false},
        {"", "./", "", ".ini", false},
#ifdef _WIN32
        {"C:\\Orvd\\ORVDMAP.EXE", "C:\\Orvd\\", "ORVDMAP.EXE", "C:\\Orvd\\ORVDMAP.ini", true},
        {"\\\\server\\maps\\NR.map", "\\\\server\\maps\\", "NR.map", "\\\\server\\maps\\NR.ini",
         true},
        {"C:NR.map", "C:", "NR.map", "C:NR.ini", true},
        {"\\Orvd.d\\NR", "\\Orvd.d\\", "NR", "\\Orvd.d\\NR.ini", true},
#else
        {"/opt/orvd.d/NR", "/opt/orvd.d/", "NR", "/opt/orvd.d/NR.ini", true},
        {"C:\\Orvd\\NR.map", "./", "C:\\Orvd\\NR.map", "C:\\Orvd\\NR.ini", false},
#endif
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectoryOf(c.path), c.directory) << c.path;
        EXPECT_EQ(FileNamePart(c.path), c.file) << c.path;
        EXPECT_EQ(ChangeExtension(c.path, ".ini"), c.withIni) << c.path;
        EXPECT_EQ(IsAbsolutePath(c.path), c.absolute) << c.path;
    }
}

TEST(ProgramPath, IsTheRunningProgramsFile) {
    const std::string path = ProgramPath();
    EXPECT_EQ(ChangeExtension(FileNamePart(path), ""), "file_system_test");
    EXPECT_TRUE(FileExists(path)) << path;
}

} // namespace
} // namespace orvd
