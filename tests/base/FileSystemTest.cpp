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

// A named pipe without a writer blocks whoever opens it for reading: the readers of the
// program's files refuse it unopened, as a file they cannot read.
TEST(ReadingFiles, NeverOpensAPipe) {
    const std::pair<const char*, std::function<bool(const std::string&)>> cases[] = {
        {"NR_Zz.dat",
         [](const std::string& dir) {
             return ProfileFile(dir + "NR_Zz.dat").ReadText("PROPERTIES", "language", "-") == "-";
         }},
        {"notes.txt", [](const std::string& dir) { return !ReadWholeFile(dir + "notes.txt"); }},
        {"NR_small.map",
         [](const std::string& dir) {
             Image image;
             EXPECT_THROW(LoadOverviewImage(image, dir, "NR"), Error);
             return true;
         }},
    };
    for (const auto& [name, refused] : cases) {
        TempDir dir;
        FifoWatch pipe(dir.File(name));
        ASSERT_TRUE(pipe.Made()) << name;
        EXPECT_TRUE(refused(dir.Path())) << name;
        EXPECT_FALSE(pipe.Opened()) << name;
    }
}

} // namespace
} // namespace orvd
