#include "mapdata/LocationsFile.h"

#include "StorageFakes.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileStorage.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace orvd {
namespace {

using testing::FailingStorage;
using testing::FullDisk;
using testing::MemoryStorage;
using testing::Slurp;
using testing::WriteFile;

using namespace std::string_literals;
using testing::TempDir;

std::string DataFile(const std::string& dataLines) {
    return "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\n" + dataLines;
}

// Every sane read keeps the lists parallel and the points on the map.
void ExpectSane(const LocationsFileContent& c, std::int32_t w, std::int32_t h) {
    ASSERT_EQ(c.Names.size(), c.Points.size());
    for (const Point& p : c.Points) {
        EXPECT_TRUE(p.x >= 0 && p.x <= w && p.y >= 0 && p.y <= h) << p.x << "," << p.y;
    }
}

TEST(LocationsFile, LineTableOnAMapOf1300By1300) {
    struct Row {
        const char* line;
        bool present;
        Point point;
    };
    const Row rows[] = {
        {"Oakford=1200,850", true, {1200, 850}},
        {"Oakford=$4B0,850", true, {1200, 850}},
        {"Oakford=1200, 850", true, {1200, 850}},
        {"Oakford=1200, 8501", true, {1200, 850}},
        {"Oakford=1200,12345", true, {1200, 1234}},
        {"Oakford=1200 ,850", true, {0, 850}},
        {"Oakford=850", true, {0, 850}},
        {"Oakford=-5,20", true, {0, 20}},
        {"Oakford=99999,20", true, {1300, 20}},
        {"Oakford=1300,1300", true, {1300, 1300}},
        {"Oakford=12,-1234", true, {12, 0}},    // "-123"
        {"Oakford=12,$FFFF", true, {12, 1300}}, // "$FFF" is 4095, clamped
        {"Oakford=0x10,7", true, {0, 7}},       // no 0x prefix here
        {"Oakford=12345678901234567890,12345678901234567890", true, {0, 1234}},
        {"Oakford=2147483648,1", true, {0, 1}},
        {"Oakford=,", true, {0, 0}},
        {"Oakford=abc,def", true, {0, 0}},
        {"Oakford=\"1200,850\"", true, {1200, 850}}, // quotes dropped as on Windows
        {"Oakford= '1200,850' ", true, {1200, 850}},
        {"Oakford=\"1200,850", true, {0, 850}}, // unmatched: x "1200 is no number
        {"Oakford=\"\"", false, {}},
        {"Oakford=", false, {}},
        {"Oakford=   ", false, {}},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::string path = dir.File("NR_Engli.dat");
        WriteFile(path, DataFile(std::string(row.line) + "\r\n"));
        const LocationsFileContent c = ReadLocationsFile(path, 1300, 1300);
        EXPECT_EQ(c.LanguageName, "English");
        ASSERT_EQ(c.Names.size(), row.present ? 1u : 0u);
        if (row.present) {
            EXPECT_EQ(c.Names[0], "Oakford");
            EXPECT_EQ(c.Points[0], row.point);
        }
    }
}

TEST(LocationsFile, NameEndsAtFirstEqualsAndDuplicatesMergeIgnoringCase) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    WriteFile(path, DataFile("A=B=1,2\r\nOakford=1,2\r\nMill=5,5\r\noakford=3,4\r\nOAKFORD=9,9\r\n"
                             "Ash, the old=7,8\r\n"));
    const LocationsFileContent c = ReadLocationsFile(path, 100, 100);
    ASSERT_EQ(c.Names.size(), 4u);
    EXPECT_EQ(c.Names[0], "A");
    EXPECT_EQ(c.Points[0], (Point{0, 2}));
    // First line's place and value, last line's spelling.
    EXPECT_EQ(c.Names[1], "OAKFORD");
    EXPECT_EQ(c.Points[1], (Point{1, 2}));
    EXPECT_EQ(c.Names[2], "Mill");
    EXPECT_EQ(c.Names[3], "Ash, the old");
    EXPECT_EQ(c.Points[3], (Point{7, 8}));
}

TEST(LocationsFile, CrOnlyFileLoadsAndASaveKeepsItsOtherLines) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    WriteFile(path, "[PROPERTIES]\rlanguage=English\r[DATA]\rOakford=1200,850\rMill=5,6\r"
                    "[Notes]\rk=v\r");
    const LocationsFileContent c = ReadLocationsFile(path, 1300, 1300);
    EXPECT_EQ(c.LanguageName, "English");
    EXPECT_EQ(c.Names, (std::vector<std::string>{"Oakford", "Mill"}));
    EXPECT_EQ(c.Points, (std::vector<Point>{{1200, 850}, {5, 6}}));

    SaveLocationsFile(path, "English", {"Ash"}, {{1, 2}});
    EXPECT_EQ(Slurp(path),
              "[PROPERTIES]\rlanguage=English\r\n[Notes]\rk=v\r\r\n[DATA]\r\nAsh=1,2\r\n");
}

TEST(LocationsFile, MissingPartsReadAsEmpty) {
    TempDir dir;
    struct Case {
        const char* name;
        const char* content; // nullptr: no file at all
    };
    const Case cases[] = {
        {"no file", nullptr},
        {"empty file", ""},
        {"only properties", "[PROPERTIES]\r\nlanguage=Dutch\r\n"},
        {"only data header", "[DATA]\r\n"},
        {"other sections", "[Other]\r\nA=1,2\r\n[PROPERTIES]\r\nname=x\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(std::string(c.name) + ".dat");
        if (c.content) {
            WriteFile(path, c.content);
        }
        const LocationsFileContent read = ReadLocationsFile(path, 100, 100);
        EXPECT_TRUE(read.Names.empty());
        EXPECT_TRUE(read.Points.empty());
        EXPECT_EQ(read.LanguageName, std::string(c.name) == "only properties" ? "Dutch" : "");
    }
}

TEST(LocationsFile, HostileContentLoadsWithoutCrashOrHang) {
    TempDir dir;
    const std::string path = dir.File("NR_Bad.dat");

    std::mt19937 random(7);
    std::string garbage(200000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random());
    }
    WriteFile(path, garbage);
    ExpectSane(ReadLocationsFile(path, 500, 400), 500, 400);
    WriteFile(path, DataFile(garbage));
    ExpectSane(ReadLocationsFile(path, 500, 400), 500, 400);

    WriteFile(path, DataFile("Nul\0Name=1,2\r\nPlain=3,\0"
                             "4\r\nAfter=5,6\r\n"s));
    LocationsFileContent c = ReadLocationsFile(path, 500, 400);
    ExpectSane(c, 500, 400);
    ASSERT_FALSE(c.Names.empty());
    EXPECT_EQ(c.Names.back(), "After");

    // Lines of megabytes, as a value and as a name, within the size cap.
    WriteFile(path, DataFile("Long=" + std::string(2 << 20, '7') + "\r\n" +
                             std::string(1 << 20, 'N') + "=1,1\r\nShort=1,2\r\n"));
    c = ReadLocationsFile(path, 500, 400);
    ExpectSane(c, 500, 400);
    ASSERT_FALSE(c.Names.empty());
    EXPECT_EQ(c.Names[0], "Long");
    EXPECT_EQ(c.Points[0], (Point{0, 400})); // x overflows, y "7777" is clamped

    // 100 000 lines: only the names that fit the 8192-byte key buffer are read.
    std::string many;
    for (int i = 0; i < 100000; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "Place%05d=%d,%d\r\n", i, i % 600, i % 400);
        many += line;
    }
    WriteFile(path, DataFile(many));
    c = ReadLocationsFile(path, 500, 400);
    ExpectSane(c, 500, 400);
    ASSERT_EQ(c.Names.size(), 744u); // 744 names of 10 bytes + terminator fill 8184 bytes
    EXPECT_EQ(c.Names[743], "Place00743");
    EXPECT_EQ(c.Points[743], (Point{143, 343}));
}

TEST(LocationsFile, FilesAboveTheSizeCapAreRefusedWithTheirPath) {
    TempDir dir;
    const std::string path = dir.File("NR_Huge.dat");
    const std::string atCap = DataFile("A=1,2\r\n;");
    WriteFile(path, atCap + std::string(ProfileStorage::kMaxFileBytes - atCap.size(), 'x'));
    EXPECT_EQ(ReadLocationsFile(path, 10, 10).Names, std::vector<std::string>{"A"});

    const std::string above = Slurp(path) + "x";
    WriteFile(path, above);
    const std::string message = "The file " + path + " is too large: more than 4 MiB";
    try {
        ReadLocationsFile(path, 10, 10);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), message);
    }
    EXPECT_THROW(ReadLanguageName(path), Error);
    // A write must not take the refused file for an empty one and replace it, and the backup
    // before it must not replace the older backup.
    EXPECT_THROW(WriteLocationsFile(path, "English", {"B"}, {Point{3, 4}}), Error);
    EXPECT_EQ(Slurp(path), above);
    WriteFile(BackupPath(path), "older");
    try {
        MakeBackup(path);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), message);
    }
    EXPECT_EQ(Slurp(BackupPath(path)), "older");
}

TEST(LocationsFile, WriterReplacesDataAndKeepsTheRest) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    WriteFile(path, "[PROPERTIES]\r\nauthor=Kim\r\nlanguage=Old\r\n[DATA]\r\nGone=1,1\r\n"
                    "[Notes]\r\nk=v\r\n");
    const std::vector<std::string> names = {"Oakford", "Ash Hill", "Oakford", "\xC9tang", "Low"};
    const std::vector<Point> points = {{1, 2}, {-5, 7}, {3, 4}, {10, 12345}, {0, 0}};
    WriteLocationsFile(path, "English", names, points);

    const std::string text = Slurp(path);
    EXPECT_NE(text.find("author=Kim"), std::string::npos);
    EXPECT_NE(text.find("[Notes]\r\nk=v"), std::string::npos);
    EXPECT_EQ(text.find("Gone"), std::string::npos);
    EXPECT_EQ(text.find("Oakford=1,2"), std::string::npos);
    EXPECT_NE(text.find("Oakford=3,4\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ash Hill=-5,7\r\n"), std::string::npos);
    EXPECT_NE(text.find("Low=0,0\r\n"), std::string::npos);

    const LocationsFileContent c = ReadLocationsFile(path, 1000, 1000);
    EXPECT_EQ(c.LanguageName, "English");
    ASSERT_EQ(c.Names, (std::vector<std::string>{"Oakford", "Ash Hill", "\xC9tang", "Low"}));
    EXPECT_EQ(c.Points,
              (std::vector<Point>{{3, 4}, {0, 7}, {10, 1000}, {0, 0}})); // y 12345 reads as 1234
}

TEST(LocationsFile, WriterRefusesListsThatCannotReadBackAndWritesNothing) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    const std::string before = DataFile("Keep=1,1\r\n");
    WriteFile(path, before);
    struct Case {
        std::string language;
        std::vector<std::string> names;
        std::vector<Point> points;
    };
    const Case cases[] = {
        {"English", {"Fine", "A=B"}, {{1, 1}, {2, 2}}},
        {"English", {""}, {{1, 1}}},
        {"English", {"   "}, {{1, 1}}},
        {"English", {"Two\r\n[PROPERTIES]"}, {{1, 1}}},
        {"English", {std::string("Nul\0x", 5)}, {{1, 1}}},
        {"Eng\nlish", {"Fine"}, {{1, 1}}},
        {"English", {"Fine", "Also"}, {{1, 1}}},
        {"English", {"Fine", "[PROPERTIES]"}, {{1, 1}, {2, 2}}},
        {"English", {" ;Semi"}, {{1, 1}}},
        {"English", {"\t[Odd"}, {{1, 1}}},
        {"English", {"\t "}, {{1, 1}}},
        {std::string(1024, 'L'), {"Fine"}, {{1, 1}}},
        {"English", {std::string(8191, 'N')}, {{1, 1}}},
        {"\"English\"", {"Fine"}, {{1, 1}}},
        {" 'English' ", {"Fine"}, {{1, 1}}},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(WriteLocationsFile(path, c.language, c.names, c.points), Error);
        EXPECT_EQ(Slurp(path), before);
    }
    try {
        WriteLocationsFile(path, "English", {"A=B"}, {{1, 1}});
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("\"A=B\""), std::string::npos) << e.what();
    }
    try {
        WriteLocationsFile(path, "\"Quoted\"", {"Fine"}, {{1, 1}});
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "The language name \"Quoted\" cannot be saved: the quotes "
                                         "around it would be dropped when the file is read");
    }
    // An unmatched quote, and names (keys keep their quotes), read back as written.
    WriteLocationsFile(path, "\"English", {"\"Oak\""}, {{1, 1}});
    EXPECT_EQ(ReadLocationsFile(path, 9, 9).LanguageName, "\"English");
    EXPECT_EQ(ReadLocationsFile(path, 9, 9).Names, std::vector<std::string>{"\"Oak\""});
}

TEST(LocationsFile, AListThatFillsTheKeyBufferReadsBackWhole) {
    TempDir dir;
    const std::string path = dir.File("NR_Full.dat");
    std::vector<std::string> names;
    std::vector<Point> points;
    for (int i = 0; i < 744; ++i) { // 744 names of 10 bytes and their terminators: 8185 bytes
        char name[16];
        std::snprintf(name, sizeof name, "Place%05d", i);
        names.push_back(name);
        points.push_back({i, i});
    }
    names.push_back("PLACE00000"); // merges with the first, takes no room of its own
    points.push_back({5, 5});
    WriteLocationsFile(path, "English", names, points);
    const LocationsFileContent c = ReadLocationsFile(path, 1000, 1000);
    ASSERT_EQ(c.Names.size(), 744u);
    EXPECT_EQ(c.Points[0], (Point{5, 5}));
    EXPECT_EQ(c.Names[743], "Place00743");

    names.push_back("Place0074x");
    points.push_back({1, 1});
    EXPECT_THROW(WriteLocationsFile(path, "English", names, points), Error);
}

TEST(LocationsFile, FailedWritesReportThePathAndKeepEarlierContent) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    const std::string before = DataFile("Keep=1,1\r\n");
    WriteFile(path, before);

    FailingStorage none(FailingStorage::Step::Store, 0);
    try {
        WriteLocationsFile(path, "English", {"New"}, {{2, 2}}, &none);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(Slurp(path), before);

    // Backup first, then a save that dies half way: the backup still holds the old content.
    const std::string backup = MakeBackup(path);
    FailingStorage two(FailingStorage::Step::Store, 2);
    EXPECT_THROW(
        WriteLocationsFile(path, "English", {"A", "B", "C"}, {{1, 1}, {2, 2}, {3, 3}}, &two),
        Error);
    EXPECT_EQ(Slurp(backup), before);
    EXPECT_EQ(ReadLocationsFile(backup, 9, 9).Names, std::vector<std::string>{"Keep"});
    const std::string partial = Slurp(path); // the steps that succeeded are in the file
    EXPECT_EQ(partial, "[PROPERTIES]\r\nlanguage=English\r\n");

    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read);
    EXPECT_THROW(WriteLocationsFile(path, "English", {"New"}, {{2, 2}}), Error);
    EXPECT_EQ(Slurp(path), partial);

    EXPECT_THROW(WriteLocationsFile(dir.File("missing/NR_Engli.dat"), "E", {"New"}, {{2, 2}}),
                 Error);
}

std::string KeyByKey(const std::string& before, std::string_view language,
                     const std::vector<std::string>& names, const std::vector<Point>& points) {
    // In memory, so the key-by-key writer can run on any content without a disk.
    MemoryStorage memory;
    memory.content = before;
    WriteLocationsFile("f", language, names, points, &memory);
    return memory.content;
}

TEST(LocationsFile, ComposedFileEqualsTheKeyByKeyWriting) {
    const std::string files[] = {
        "",
        "\xEF\xBB\xBF",
        "[PROPERTIES]\r\nlanguage=Old\r\n[DATA]\r\nGone=1,1\r\n",
        "; comment\r\n[Notes]\r\nk=v\r\n[data]\r\nA=1,2\r\n[PROPERTIES]\r\nauthor=Kim\r\n",
        "[PROPERTIES]\nlanguage=Old\n[DATA]\nA=1,2\n[Tail]\nx=y", // LF only, no last line end
        "[PROPERTIES]\rlanguage=Old\r[DATA]\rA=1,2\r",            // lone CR
        "[DATA]\r\nA=1\r\n[Mid]\r\nm=1\r\n[ DATA ]\r\nB=2\r\n[PROPERTIES]\r\nLANGUAGE=x\r\n"
        "language=y\r\n",                           // section twice, key twice
        "junk line\r\n\r\n[PROPERTIES]\r\n; c\r\n", // no entries, text before any section
        "[PROPERTIES]\r\nlanguage=Old",             // no line end after the last entry
        "[Other]\r\nk=v\r\n\r\n\r\n",
        "\xEF\xBB\xBF[DATA]\r\nA=1,2\r\n",
    };
    const std::vector<std::string> none;
    const std::vector<std::string> names = {"Oakford", " Ash Hill ", "oakford", "\xC9tang",
                                            "OAKFORD", "Low",        "\xE9TANG"};
    const std::vector<Point> points = {{1, 2}, {-5, 7}, {3, 4}, {10, 12345},
                                       {9, 9}, {0, 0},  {8, 8}};
    for (const std::string& before : files) {
        for (const std::string_view language : {"English", "", "  spaced  "}) {
            EXPECT_EQ(ComposeLocationsFile(before, language, names, points),
                      KeyByKey(before, language, names, points))
                << ::testing::PrintToString(before);
            EXPECT_EQ(ComposeLocationsFile(before, language, none, {}),
                      KeyByKey(before, language, none, {}))
                << ::testing::PrintToString(before);
        }
    }

    // Files put together from odd pieces, lists with names that repeat ignoring case.
    const std::string pieces[] = {
        "[DATA]", "[PROPERTIES]", "[x]",     "language=L", "A=1,2",       "a=3", "; c", "",
        "b",      " [DATA] ",     "B = 5,6", "=v",         "\xEF\xBB\xBF"};
    const std::string ends[] = {"\r\n", "\n", "\r", ""};
    const std::string pool[] = {"A", "a", "B", "Cc", "cC", "D d"};
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        std::string before;
        for (int n = int(random() % 8); n > 0; --n) {
            before += pieces[random() % std::size(pieces)] + ends[random() % std::size(ends)];
        }
        std::vector<std::string> list;
        std::vector<Point> at;
        for (int n = int(random() % 6); n > 0; --n) {
            list.push_back(pool[random() % std::size(pool)]);
            at.push_back({int(random() % 100) - 20, int(random() % 100)});
        }
        ASSERT_EQ(ComposeLocationsFile(before, "L", list, at), KeyByKey(before, "L", list, at))
            << ::testing::PrintToString(before);
    }
}

TEST(LocationsFile, SaveReplacesTheFileAtOnceOrLeavesItWhole) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    const std::string before = "[PROPERTIES]\nauthor=Kim\n[DATA]\nKeep=1,1\n";
    WriteFile(path, before);
    const std::vector<std::string> names = {"A", "B"};
    const std::vector<Point> points = {{1, 2}, {3, 4}};

    SaveLocationsFile(path, "English", names, points);
    EXPECT_EQ(Slurp(path), KeyByKey(before, "English", names, points));
    SaveLocationsFile(dir.File("new.dat"), "English", names, points);
    EXPECT_EQ(Slurp(dir.File("new.dat")), KeyByKey("", "English", names, points));

    // Read-only files and folders are refused by the storage; the editor's tests cover them.
    const std::string saved = Slurp(path);
    const auto expectRefused = [&](const std::string& target, ProfileStorage* storage) {
        try {
            SaveLocationsFile(target, "Other", {"C"}, {{5, 5}}, storage);
            ADD_FAILURE() << target;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + target);
        }
    };
    FullDisk full;
    expectRefused(path, &full);
    EXPECT_EQ(Slurp(path), saved);
    expectRefused(dir.File("missing/NR_Engli.dat"), nullptr);
    std::filesystem::create_directory(dir.File("folder.dat"));
    expectRefused(dir.File("folder.dat"), nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3); // no temp
}

TEST(LocationsFile, BackupContentEndsEveryLineWithCrLf) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\r\r\nb", "a\r\n\r\nb\r\n"},
        {"\n\r", "\r\n\r\n"},
        {"\r\n", "\r\n"},
        {"\n\n\n", "\r\n\r\n\r\n"},
        {std::string("a\0b\nc", 5), std::string("a\0b\r\nc\r\n", 8)},
    };
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(BackupContent(in), out) << ::testing::PrintToString(in);
    }
}

TEST(LocationsFile, MakeBackupCopiesReplacesAndReportsFailures) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    WriteFile(path, "[DATA]\nA=1,2\rB=3,4");
    WriteFile(dir.File("NR_Engli.da~"), "older backup");
    EXPECT_EQ(MakeBackup(path), dir.File("NR_Engli.da~"));
    EXPECT_EQ(Slurp(dir.File("NR_Engli.da~")), "[DATA]\r\nA=1,2\r\nB=3,4\r\n");
    EXPECT_EQ(Slurp(path), "[DATA]\nA=1,2\rB=3,4");

    try {
        MakeBackup(dir.File("gone.dat"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.File("gone.dat"));
    }

    // A backup that cannot be replaced leaves the older one alone.
    const std::string locked = dir.File("locked.dat");
    WriteFile(locked, "new");
    WriteFile(dir.File("locked.da~"), "old");
    std::filesystem::permissions(dir.File("locked.da~"), std::filesystem::perms::owner_read);
    try {
        MakeBackup(locked);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.File("locked.da~"));
    }
    EXPECT_EQ(Slurp(dir.File("locked.da~")), "old");
}

TEST(LocationsFile, Names) {
    EXPECT_EQ(LocationsFileName("NR", "Engli"), "NR_Engli.dat");
    EXPECT_EQ(NewLocationsFileName("NR", "English"), "NR_Engli.dat");
    EXPECT_EQ(NewLocationsFileName("FM", "Fr"), "FM_Fr.dat");
    EXPECT_EQ(BackupPath("/d/NR_Engli.dat"), "/d/NR_Engli.da~");
    EXPECT_EQ(BackupPath("/d.x/NR"), "/d.x/NR.da~");
    EXPECT_EQ(BackupPath("a.b.dat"), "a.b.da~");
    EXPECT_EQ(FileNamePart("/opt/orvd/NR_Engli.dat"), "NR_Engli.dat");
    EXPECT_EQ(FileNamePart("NR_Engli.dat"), "NR_Engli.dat");
}

} // namespace
} // namespace orvd
