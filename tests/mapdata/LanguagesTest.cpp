#include "mapdata/Languages.h"

#include "TempDir.h"
#include "base/TextCase.h"
#include "mapdata/LocationList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace orvd {
namespace {

using testing::TempDir;

void WriteLanguageFile(const std::string& path, const std::string& language,
                       const std::string& data = "") {
    std::ofstream out(path, std::ios::binary);
    if (!language.empty()) {
        out << "[PROPERTIES]\r\nlanguage=" << language << "\r\n";
    }
    out << "[DATA]\r\n" << data;
}

std::vector<std::string> Captions(const LanguageMenu& menu) {
    std::vector<std::string> captions;
    for (const LanguageItem& item : menu.Items) {
        captions.push_back(item.DisplayName);
    }
    return captions;
}

TEST(Languages, MenuIsSortedByLocaleIgnoringCaseAndItemsLoadTheirFiles) {
    TempDir dir;
    WriteLanguageFile(dir.File("NR_Engli.dat"), "English", "Oakford=1,2\r\n");
    WriteLanguageFile(dir.File("NR_Dutch.dat"), "Nederlands", "Eik=3,4\r\n");
    WriteLanguageFile(dir.File("NR_Deuts.dat"), "deutsch", "Eiche=5,6\r\n");
    const LanguageMenu menu = LoadFileNames(dir.Path(), "NR");
    EXPECT_EQ(Captions(menu), (std::vector<std::string>{"deutsch", "English", "Nederlands"}));
    ASSERT_EQ(menu.LanguageFiles.size(), 3u);
    for (const LanguageItem& item : menu.Items) {
        ASSERT_LT(item.Tag, menu.LanguageFiles.size());
        EXPECT_EQ(menu.LanguageFiles[item.Tag], item.FileName);
        const auto path = LanguageFilePath(dir.Path(), menu.LanguageFiles, item.Tag);
        ASSERT_TRUE(path);
        const LocationList list = LoadNames(*path, 100, 100);
        EXPECT_EQ(list.LanguageName, item.DisplayName);
        EXPECT_EQ(list.LocationsFile, item.FileName);
        EXPECT_EQ(list.Names.size(), 1u);
    }
    EXPECT_FALSE(LanguageFilePath(dir.Path(), menu.LanguageFiles, 3));
}

// The user's edited copy stands for the program folder's file; a file of that name in the
// current folder never does.
TEST(Languages, TheUsersCopyOfALocationsFileComesFirst) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("program"));
    std::filesystem::create_directories(dir.File("user"));
    WriteLanguageFile(dir.File("program/NR_Engli.dat"), "English");
    WriteLanguageFile(dir.File("program/NR_Dutch.dat"), "Nederlands");
    WriteLanguageFile(dir.File("user/NR_Engli.dat"), "English");
    const std::string program = dir.File("program/"), user = dir.File("user/");
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteLanguageFile("NR_Dutch.dat", "Here");
    EXPECT_EQ(ResolveLocationsFile(program, user, "NR_Engli.dat"), user + "NR_Engli.dat");
    EXPECT_EQ(ResolveLocationsFile(program, user, "NR_Dutch.dat"), program + "NR_Dutch.dat");
    EXPECT_EQ(ResolveLocationsFile(program, "", "NR_Dutch.dat"), program + "NR_Dutch.dat");
    std::filesystem::current_path(cwd);
}

TEST(Languages, OnlyTheMapsFilesAreListed) {
    TempDir dir;
    for (const char* name : {"NR_Engli.dat", "NR_.dat", "nr_lower.DAT", "NR_a.b.dat",
                             "NR_Engli.da~", "NR_Engli.data", "NR_Engli.dat~", "NR.dat", "NR_dat",
                             "NRX_a.dat", "FM_Engli.dat", "xNR_a.dat", "NR_Engli.dat.bak"}) {
        WriteLanguageFile(dir.File(name), name);
    }
    const LanguageMenu menu = LoadFileNames(dir.Path(), "NR");
    std::vector<std::string> files = menu.LanguageFiles;
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::string>{"NR_.dat", "NR_Engli.dat", "NR_a.b.dat", "nr_lower.DAT"}));
    EXPECT_TRUE(LoadFileNames(dir.Path(), "TEST").Items.empty());
    WriteLanguageFile(dir.File("TEST_Engli.dat"), "English");
    EXPECT_TRUE(LoadFileNames(dir.Path(), "TEST").LanguageFiles.empty());
    EXPECT_EQ(LoadFileNames(dir.Path(), "test").LanguageFiles.size(),
              1u); // only "TEST" is test mode
    EXPECT_TRUE(LoadFileNames(dir.File("missing") + "/", "NR").Items.empty());
}

TEST(Languages, EqualAndMissingDisplayNamesStillGiveTheirOwnItems) {
    TempDir dir;
    WriteLanguageFile(dir.File("NR_Engl2.dat"), "English");
    WriteLanguageFile(dir.File("NR_Engli.dat"), "english");
    WriteLanguageFile(dir.File("NR_NoKey.dat"), "");
    // Too large to be read: listed without a name, the scan goes on.
    WriteLanguageFile(dir.File("NR_Huge.dat"), "Huge", std::string(5 << 20, 'x'));
    const LanguageMenu menu = LoadFileNames(dir.Path(), "NR");
    ASSERT_EQ(menu.Items.size(), 4u);
    EXPECT_EQ(menu.Items[0].DisplayName, "");
    EXPECT_EQ(menu.Items[1].DisplayName, "");
    EXPECT_EQ(menu.Items[0].FileName, "NR_Huge.dat");
    EXPECT_EQ(menu.Items[1].FileName, "NR_NoKey.dat");
    // Equal names keep the search order, which is by file name.
    EXPECT_EQ(menu.Items[2].FileName, "NR_Engl2.dat");
    EXPECT_EQ(menu.Items[3].FileName, "NR_Engli.dat");

    // A file that vanishes after the search loads as an empty list.
    std::filesystem::remove(dir.File("NR_Engli.dat"));
    const auto path = LanguageFilePath(dir.Path(), menu.LanguageFiles, menu.Items[3].Tag);
    ASSERT_TRUE(path);
    const LocationList list = LoadNames(*path, 10, 10);
    EXPECT_TRUE(list.Names.empty());
    EXPECT_EQ(list.Caption, "Orvandel Map - ");
}

TEST(Languages, LocaleCollationTable) {
    struct Row {
        const char* a;
        const char* b;
        int sign;
    };
    const Row rows[] = {
        {"deutsch", "English", -1},
        {"English", "Nederlands", -1},
        {"english", "ENGLISH", 0},
        {"\xC9mile", "Ezra", -1}, // É sorts with E
        {"Eve", "\xC8ve", -1},    // accent decides only a tie, plain first
        {"\xC8ve", "Evf", -1},
        {"Zulu", "Z\xFCrich", -1},
        {"Z\xDCRICH", "z\xFCrich", 0}, // Ü and ü are one letter
        {"\xD6land", "Oman", -1},
        {"Strasse",
         "Stra\xDF"
         "e",
         -1}, // ß is ss
        {"Stra\xDF"
         "e",
         "Strasst", -1},
        {"\xC6"
         "ble",
         "Afa", -1},           // Æ is AE
        {"co-op", "coop", -1}, // hyphen counts last
        {"co-op", "cop", -1},
        {"10", "9", -1},
        {"9", "a", -1},
        {" x", "a", -1},
        {"", "a", -1},
        {"\x8A"
         "a",
         "\x9A"
         "A",
         0},                 // Š/š
        {"\x9F", "\xFF", 0}, // Ÿ/ÿ
        {"z", "\xB5", -1},   // µ after the Latin letters
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " / " + row.b);
        const int ab = CompareLocaleText(row.a, row.b);
        const int ba = CompareLocaleText(row.b, row.a);
        EXPECT_EQ((ab > 0) - (ab < 0), row.sign);
        EXPECT_EQ((ba > 0) - (ba < 0), -row.sign);
    }
}

TEST(Languages, LocaleCollationIsAStrictWeakOrderOverAnyBytes) {
    std::mt19937 random(3);
    std::vector<std::string> texts;
    for (int i = 0; i < 150; ++i) {
        std::string t(random() % 5, ' ');
        for (char& c : t) {
            c = static_cast<char>("aAeE-'\xC9\xE9\xDF\0 9\xC6\x8A\x9A"[random() % 15]);
        }
        texts.push_back(t);
    }
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            const int ab = CompareLocaleText(a, b);
            EXPECT_EQ(ab == 0, SameTextIgnoringCase(a, b));
            EXPECT_EQ(ab<0, CompareLocaleText(b, a)> 0);
        }
    }
    std::vector<std::string> sorted = texts;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return CompareLocaleText(a, b) < 0; });
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        for (std::size_t j = i + 1; j < sorted.size(); ++j) {
            ASSERT_LE(CompareLocaleText(sorted[i], sorted[j]), 0) << i << " " << j;
        }
    }
}

} // namespace
} // namespace orvd
