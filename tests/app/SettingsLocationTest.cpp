#include "app/SettingsLocation.h"

#include "TempDir.h"
#include "TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orvd {
namespace {

using testing::TempDir;

// Beside the program where its folder can be written; else in the user's folder, said once;
// else nowhere, said at every start.
TEST(SettingsLocation, BesideTheProgramElseInTheUsersFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("opt"));
    const std::string program = dir.File("opt/ORVDMAP");
    const std::string config = dir.File("config/");
    const SettingsLocation beside = ChooseSettingsLocation(program, config);
    EXPECT_EQ(beside.Path, dir.File("opt/ORVDMAP.ini"));
    EXPECT_TRUE(beside.Writable);
    EXPECT_EQ(beside.Notice, "");
    EXPECT_EQ(beside.UserFolder, "");
#ifndef _WIN32 // a folder without write bits is POSIX's; Windows keeps rights in access lists
    std::filesystem::permissions(dir.File("opt"), std::filesystem::perms(0555));
    const SettingsLocation first = ChooseSettingsLocation(program, config);
    EXPECT_EQ(first.Path, config + "orvandel-map/ORVDMAP.ini");
    EXPECT_EQ(first.UserFolder, config + "orvandel-map/");
    EXPECT_TRUE(first.Writable);
    EXPECT_NE(first.Notice.find(first.Path), std::string::npos) << first.Notice;
    testing::WriteFile(first.Path, "[Config]\r\n");
    EXPECT_EQ(ChooseSettingsLocation(program, config).Notice, "");
    const SettingsLocation nowhere = ChooseSettingsLocation(program, "");
    EXPECT_EQ(nowhere.Path, dir.File("opt/ORVDMAP.ini"));
    EXPECT_FALSE(nowhere.Writable);
    EXPECT_EQ(nowhere.UserFolder, "");
    EXPECT_NE(nowhere.Notice.find("cannot be saved"), std::string::npos) << nowhere.Notice;
    std::filesystem::permissions(dir.File("opt"), std::filesystem::perms(0755));
#endif
}

} // namespace
} // namespace orvd
