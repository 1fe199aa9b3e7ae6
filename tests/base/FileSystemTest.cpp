#include "base/FileSystem.h"

#include "FifoWatch.h"
#include "JpegWriter.h"
#include "TempDir.h"
#include "base/Error.h"
#include "base/ProfileFile.h"
#include "mapdata/MapPictures.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace orvd {
namespace {

using testing::FifoWatch;
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
        {{"nr.MAP"}, "NR.map", "nr.MAP"},
        {{"nr.map", "NR.map"}, "NR.map", "NR.map"},      // the exact name first
        {{"nR.map", "Nr.map"}, "NR.map", "Nr.map"},      // else the first in name order
        {{"NR_small.map"}, "NR.map", "NR.map"},          // none: the name as asked
        {{"caf\xC9.dat"}, "CAF\xE9.DAT", "caf\xC9.dat"}, // accented letters fold too
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

// A named pipe without a writer blocks whoever opens it for reading, so every reader of the
// program's files refuses what is not a regular file before opening it, as it would refuse a
// file it cannot read.
TEST(ReadingFiles, NeverOpensAPipe) {
    struct Case {
        const char* name;
        std::function<bool(const std::string& dir, const std::string& path)> refused;
    };
    const Case cases[] = {
        {"NR_Zz.dat",
         [](const std::string&, const std::string& path) {
             return ProfileFile(path).ReadText("PROPERTIES", "language", "none") == "none";
         }},
        {"notes.txt",
         [](const std::string&, const std::string& path) { return !ReadWholeFile(path); }},
        {"NR_small.map",
         [](const std::string& dir, const std::string&) {
             Image image;
             try {
                 LoadOverviewImage(image, dir, "NR");
             } catch (const Error& e) {
                 return std::string(e.what()) == "Cannot read " + dir + "NR_small.map";
             }
             return false;
         }},
    };
    for (const Case& c : cases) {
        TempDir dir;
        FifoWatch pipe(dir.File(c.name));
        ASSERT_TRUE(pipe.Made()) << c.name;
        EXPECT_TRUE(c.refused(dir.Path(), dir.File(c.name))) << c.name;
        EXPECT_FALSE(pipe.Opened()) << c.name;
    }
}

} // namespace
} // namespace orvd
