#include "base/profile/ProfileFile.h"

#include "StorageFakes.h"
#include "base/Error.h"
#include "base/TextCase.h"
#include "base/profile/ProfileStorage.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvd {
namespace {

namespace fs = std::filesystem;

using testing::FailingStorage;
using testing::MemoryStorage; // odd file content straight from memory

struct MemoryProfile {
    MemoryStorage storage;
    ProfileFile file{"mem.ini", storage};
    explicit MemoryProfile(std::string content) { storage.content = std::move(content); }
};

TEST(ProfileRead, ReadsFilesOfOtherProgramsAsWindowsDoes) {
    MemoryProfile p("\xEF\xBB\xBF"
                    "stray=outside any section\n"
                    "[Config]\n"
                    "; Language=Comment\n"
                    "\n"
                    "no equals sign here\n"
                    "  Language  =  Neder  \r\n"
                    "=nameless\n"
                    "Speed=1=2\r"
                    "\n"
                    "[ Other ]\r\n"
                    "Language=Fries\n"
                    "[CONFIG]\n"
                    "late=yes");
    ProfileFile& f = p.file;
    EXPECT_EQ(f.ReadText("Config", "Language", "x"), "Neder");
    EXPECT_EQ(f.ReadText("config", "LANGUAGE", "x"), "Neder");
    EXPECT_EQ(f.ReadText("Config", "Speed", "x"), "1=2");
    EXPECT_EQ(f.ReadText("Other", "language", "x"), "Fries");
    EXPECT_EQ(f.ReadText("Config", "late", "x"), "yes"); // a repeated section reads as one
    EXPECT_EQ(f.ReadText("Config", "stray", "x"), "x");
    EXPECT_EQ(f.ReadText("Config", "no equals sign here", "x"), "x");
    EXPECT_EQ(f.ReadText("Missing", "Language", "dflt"), "dflt");
    std::vector<std::string> names{"old"};
    f.ReadKeyNames("Config", names);
    EXPECT_EQ(names, (std::vector<std::string>{"Language", "Speed", "late"}));
    f.ReadKeyNames("Missing", names);
    EXPECT_TRUE(names.empty());
}

// CR LF, LF and CR alone each end a line, as on Windows; a write keeps the other lines' bytes and
// ends the line it writes with CR LF.
TEST(ProfileLineEnds, EveryKindEndsALineAndWritesKeepTheOthers) {
    struct Row {
        const char* what;
        std::string before;
        std::string replaced; // AnimationSpeed := 35
        std::string added;    // then Cross := 1
        std::string removed;  // then section Other removed
    };
    const Row rows[] = {
        {"CR", "[Config]\rLanguage=Neder\rAnimationSpeed=30\r[Other]\rx=1\r",
         "[Config]\rLanguage=Neder\rAnimationSpeed=35\r\n[Other]\rx=1\r",
         "[Config]\rLanguage=Neder\rAnimationSpeed=35\r\nCross=1\r\n[Other]\rx=1\r",
         "[Config]\rLanguage=Neder\rAnimationSpeed=35\r\nCross=1\r\n"},
        {"LF", "[Config]\nLanguage=Neder\nAnimationSpeed=30\n[Other]\nx=1\n",
         "[Config]\nLanguage=Neder\nAnimationSpeed=35\r\n[Other]\nx=1\n",
         "[Config]\nLanguage=Neder\nAnimationSpeed=35\r\nCross=1\r\n[Other]\nx=1\n",
         "[Config]\nLanguage=Neder\nAnimationSpeed=35\r\nCross=1\r\n"},
        {"CR LF", "[Config]\r\nLanguage=Neder\r\nAnimationSpeed=30\r\n[Other]\r\nx=1\r\n",
         "[Config]\r\nLanguage=Neder\r\nAnimationSpeed=35\r\n[Other]\r\nx=1\r\n",
         "[Config]\r\nLanguage=Neder\r\nAnimationSpeed=35\r\nCross=1\r\n[Other]\r\nx=1\r\n",
         "[Config]\r\nLanguage=Neder\r\nAnimationSpeed=35\r\nCross=1\r\n"},
        // LF CR is two line ends with an empty line between; the last line has none.
        {"mixed", "[Config]\r\nLanguage=Neder\rAnimationSpeed=30\n\r[Other]\n\rx=1",
         "[Config]\r\nLanguage=Neder\rAnimationSpeed=35\r\n\r[Other]\n\rx=1",
         "[Config]\r\nLanguage=Neder\rAnimationSpeed=35\r\nCross=1\r\n\r[Other]\n\rx=1",
         "[Config]\r\nLanguage=Neder\rAnimationSpeed=35\r\nCross=1\r\n\r"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MemoryProfile p(row.before);
        ProfileFile& f = p.file;
        EXPECT_EQ(f.ReadText("Config", "Language", "Engli"), "Neder");
        EXPECT_EQ(f.ReadNumber("Config", "AnimationSpeed", 20), 30);
        EXPECT_EQ(f.ReadText("Other", "x", ""), "1");
        std::vector<std::string> names;
        f.ReadKeyNames("Config", names);
        EXPECT_EQ(names, (std::vector<std::string>{"Language", "AnimationSpeed"}));
        std::vector<std::string> lines;
        f.ReadEntries("Config", lines);
        EXPECT_EQ(lines, (std::vector<std::string>{"Language=Neder", "AnimationSpeed=30"}));

        f.WriteNumber("Config", "AnimationSpeed", 35);
        EXPECT_EQ(p.storage.content, row.replaced);
        f.WriteFlag("Config", "Cross", true);
        EXPECT_EQ(p.storage.content, row.added);
        f.RemoveSection("Other");
        EXPECT_EQ(p.storage.content, row.removed);
        EXPECT_EQ(f.ReadText("Config", "Cross", ""), "1");
    }
}

// One pair of matching quotes around a value is dropped, as Windows' reader drops it; the writer
// adds none, and says which values would therefore not read back.
TEST(ProfileQuotes, OnePairOfMatchingQuotesIsDropped) {
    struct Row {
        std::string written;
        std::string read;
        bool losesQuotes;
    };
    const Row rows[] = {
        {"\"val2\"", "val2", true}, // Windows: name2="val2" reads val2
        {"'val2'", "val2", true},
        {"  \"val2\"  ", "val2", true},     // blanks outside the quotes
        {"\" val 2 \"", " val 2 ", true},   // blanks inside stay
        {"\"val2", "\"val2", false},        // unmatched
        {"val2'", "val2'", false},          // unmatched
        {"\"val2'", "\"val2'", false},      // two different quotes
        {"\"", "\"", false},                // one character
        {"'", "'", false},                  // one character
        {"\"\"", "", true},                 // nothing inside
        {"\"\"val2\"\"", "\"val2\"", true}, // one pair only
        {"\"a\"b\"", "a\"b", true},
        {"x\"val2\"", "x\"val2\"", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.written);
        MemoryProfile p("[S]\r\nname1=val1\r\n");
        p.file.WriteText("S", "name2", row.written);
        EXPECT_EQ(p.storage.content, "[S]\r\nname1=val1\r\nname2=" + row.written + "\r\n");
        EXPECT_EQ(p.file.ReadText("S", "name2", "d"), row.read);
        std::vector<std::string> lines;
        p.file.ReadEntries("S", lines);
        EXPECT_EQ(lines.back(), row.read.empty() ? "name1=val1" : "name2=" + row.read);
        EXPECT_EQ(ProfileFile::LosesQuotesWhenRead(row.written), row.losesQuotes);
    }

    MemoryProfile p("[S]\n\"Oak\"=1\nn='0x1F'\nlong=\"" + std::string(1100, 'v') + "\"\n");
    EXPECT_EQ(p.file.ReadNumber("S", "n", 7), 31);
    EXPECT_EQ(p.file.ReadText("S", "long", ""), std::string(1023, 'v'));
    EXPECT_EQ(p.file.ReadText("S", "\"Oak\"", "d"), "1"); // keys keep their quotes
    EXPECT_EQ(p.file.ReadText("S", "Oak", "d"), "d");
    EXPECT_EQ(p.file.ReadText("S", "missing", "\"d\""), "\"d\""); // the default as given
}

TEST(ProfileRead, FirstOfTwoEqualKeysAndLatin1Case) {
    MemoryProfile p("[Data]\r\nHarbour=1,2\r\nharbour=3,4\r\n\xC4rger=5\r\n\x8Ale=6\r\n");
    EXPECT_EQ(p.file.ReadText("DATA", "HARBOUR", ""), "1,2");
    EXPECT_EQ(p.file.ReadText("data", "\xE4rger", ""), "5");
    EXPECT_EQ(p.file.ReadText("data",
                              "\x9A"
                              "LE",
                              ""),
              "6");
}

TEST(ProfileRead, CutsLongValuesAndStopsAtNul) {
    const std::string longValue(5000, 'v');
    MemoryProfile p("[S]\nlong=" + longValue + "\nnul=ab" + std::string(1, '\0') + "cd\n");
    EXPECT_EQ(p.file.ReadText("S", "long", ""), std::string(1023, 'v'));
    EXPECT_EQ(p.file.ReadText("S", "missing", longValue), std::string(1023, 'v'));
    EXPECT_EQ(p.file.ReadText("S", "nul", ""), "ab");
}

// A NUL byte ends a name or value first; the blanks before it are then dropped like any others.
TEST(ProfileRead, CutsAtNulBeforeTrimming) {
    const std::string nul(1, '\0');
    MemoryProfile p("[S \t" + nul + "junk]\n" + "value=ab \t" + nul + "x\n" + "key \t" + nul +
                    "x = 1\n" + " " + nul + "nameless=2\n" + "blank=  " + nul + "3\n");
    EXPECT_EQ(p.file.ReadText("S", "value", "d"), "ab");
    EXPECT_EQ(p.file.ReadText("S", "key", "d"), "1");
    EXPECT_EQ(p.file.ReadText("S", "blank", "d"), "");
    std::vector<std::string> names;
    p.file.ReadKeyNames("S", names);
    EXPECT_EQ(names, (std::vector<std::string>{"value", "key", "blank"}));
    std::vector<std::string> lines;
    p.file.ReadEntries("S", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"value=ab", "key=1"}));
    p.file.WriteText("S", "key", "4");
    EXPECT_EQ(p.file.ReadText("S", "key", "d"), "4");
    EXPECT_NE(p.storage.content.find("\nkey \t" + nul + "x =4\r\n"), std::string::npos);
}

TEST(ProfileRead, HostileContentNeverFails) {
    std::string binary;
    for (int i = 0; i < 100000; ++i) {
        binary += char((i * 7919) & 0xFF);
    }
    MemoryProfile p(binary);
    EXPECT_EQ(p.file.ReadText("S", "k", "d"), "d");
    std::vector<std::string> lines;
    p.file.ReadEntries("S", lines);

    p.storage.content = "[S]\n" + std::string(1 << 20, 'k') + "=v\nk=" + std::string(1 << 20, '7') +
                        "\n[" + std::string(1 << 20, '[');
    EXPECT_EQ(p.file.ReadText("S", "k", ""), std::string(1023, '7'));
    EXPECT_EQ(p.file.ReadNumber("S", "k", 4), 4);
}

TEST(ProfileRead, NumbersAndFlags) {
    MemoryProfile p("[N]\na=0x1F\nb=0X1F\nc=$1f\nd=0x\ne=12abc\nf=+$10\ng=-2147483648\n"
                    "h=$80000000\ni=  42  \nj=2\nk=-1\nl=yes\nm=0\nn=\n");
    ProfileFile& f = p.file;
    EXPECT_EQ(f.ReadNumber("N", "a", 7), 31);
    EXPECT_EQ(f.ReadNumber("N", "b", 7), 31);
    EXPECT_EQ(f.ReadNumber("N", "c", 7), 31);
    EXPECT_EQ(f.ReadNumber("N", "d", 7), 7);
    EXPECT_EQ(f.ReadNumber("N", "e", 7), 7);
    EXPECT_EQ(f.ReadNumber("N", "f", 7), 7);
    EXPECT_EQ(f.ReadNumber("N", "g", 7), 7);
    EXPECT_EQ(f.ReadNumber("N", "h", 7), std::int32_t(-2147483647 - 1));
    EXPECT_EQ(f.ReadNumber("N", "i", 7), 42);
    EXPECT_EQ(f.ReadNumber("N", "n", 7), 7);
    EXPECT_TRUE(f.ReadFlag("N", "j", false));
    EXPECT_TRUE(f.ReadFlag("N", "k", false));
    EXPECT_FALSE(f.ReadFlag("N", "l", false));
    EXPECT_TRUE(f.ReadFlag("N", "l", true));
    EXPECT_FALSE(f.ReadFlag("N", "m", true));
    EXPECT_TRUE(f.ReadFlag("N", "missing", true));
}

TEST(ProfileRead, KeyNamesStopAtTheBuffer) {
    // 8191 bytes of names with their terminators fit exactly beside the final terminator.
    std::string content = "[S]\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 80; ++i) {
        expected.push_back(std::string(89, 'a') + std::to_string(1000 + i)); // 93 + 1 bytes
        content += expected.back() + "=1\n";
    }
    const std::string filler(8191 - 80 * 94 - 1, 'z'); // 670 bytes
    content += filler + "=1\n";
    expected.push_back(filler);
    MemoryProfile p(content);
    std::vector<std::string> names;
    p.file.ReadKeyNames("S", names);
    EXPECT_EQ(names, expected);

    p.storage.content = content + "next=1\n";
    p.file.ReadKeyNames("S", names);
    EXPECT_EQ(names, expected);

    // One byte more: the last name comes back cut, the rest not at all.
    p.storage.content = content;
    p.storage.content.insert(4, "b=1\n");
    p.file.ReadKeyNames("S", names);
    ASSERT_EQ(names.size(), expected.size() + 1);
    EXPECT_EQ(names.back(), filler.substr(0, filler.size() - 2));
}

TEST(ProfileEntries, MergesNamesIgnoringCaseAndDropsEmptyValues) {
    MemoryProfile p("[DATA]\nHarbour=1,2\nOak=5,5\nharbour=3,4\nEmpty=\n  Mill = 7,8 \n"
                    "\xC9glise=1,1\n\xE9GLISE=2,2\n[Other]\nx=1\n");
    std::vector<std::string> lines;
    p.file.ReadEntries("data", lines);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"harbour=1,2", "Oak=5,5", "Mill=7,8", "\xE9GLISE=1,1"}));

    // The list is updated, not emptied: kept lines stay, matches are replaced in place, and a
    // line of a key whose value is empty is deleted.
    lines = {"keep=me", "OAK=0,0", "empty=old", "Empty=second"};
    p.file.ReadEntries("DATA", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"keep=me", "Oak=5,5", "Empty=second", "harbour=1,2",
                                               "Mill=7,8", "\xE9GLISE=1,1"}));
}

TEST(ProfileEntries, CaseFoldCoversWindows1252Letters) {
    EXPECT_TRUE(SameTextIgnoringCase("ABCZ", "abcz"));
    EXPECT_TRUE(SameTextIgnoringCase("\xC0\xD6\xD8\xDE", "\xE0\xF6\xF8\xFE"));
    EXPECT_TRUE(SameTextIgnoringCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));
    EXPECT_FALSE(SameTextIgnoringCase("\xD7", "\xF7")); // multiplication and division signs
    EXPECT_FALSE(SameTextIgnoringCase("@[", "`{"));
    EXPECT_FALSE(SameTextIgnoringCase("\xDF", "\xFF"));
    EXPECT_FALSE(SameTextIgnoringCase("ab", "abc"));
}

TEST(ProfileWrite, ChangesOnlyTheLineItMust) {
    const std::string before = "; settings\n[Config]\nLanguage=Engli\r\n  Speed = 20 \nlang"
                               "uage=second\nodd line\n\n[Other]\r\nSpeed=1\n";
    MemoryProfile p(before);
    p.file.WriteText("CONFIG", "speed", "35");
    EXPECT_EQ(p.storage.content, "; settings\n[Config]\nLanguage=Engli\r\n  Speed =35\r\nlang"
                                 "uage=second\nodd line\n\n[Other]\r\nSpeed=1\n");
    p.file.WriteText("Config", "LANGUAGE", "Neder");
    EXPECT_EQ(p.file.ReadText("Config", "Language", ""), "Neder");
    EXPECT_NE(p.storage.content.find("uage=second\n"), std::string::npos);

    // A new key goes after the section's last entry; a new section at the end.
    p.file.WriteNumber("Other", "Count", -12);
    p.file.WriteFlag("New", "On", true);
    EXPECT_EQ(p.storage.content, "; settings\n[Config]\nLanguage=Neder\r\n  Speed =35\r\nlang"
                                 "uage=second\nodd line\n\n[Other]\r\nSpeed=1\nCount=-12\r\n"
                                 "\r\n[New]\r\nOn=1\r\n");
}

TEST(ProfileWrite, AddsToFilesWithoutFinalLineEnd) {
    struct Row {
        std::string before;
        const char* section; // y=2 is written into it
        std::string after;
    };
    const Row rows[] = {
        {"[A]\nx=1", "A", "[A]\nx=1\r\ny=2\r\n"},
        {"[A]", "a", "[A]\r\ny=2\r\n"},
        {"[A]\nx=1", "B", "[A]\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"\xEF\xBB\xBF", "B", "\xEF\xBB\xBF[B]\r\ny=2\r\n"},
        {"", "B", "[B]\r\ny=2\r\n"},
        {"[A]\r\nx=1\r\n\r\n", "B", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"[A]\rx=1\r", "B", "[A]\rx=1\r\r\n[B]\r\ny=2\r\n"},
        {"[A]\rx=1\r\r", "B", "[A]\rx=1\r\r[B]\r\ny=2\r\n"},
    };
    for (const Row& row : rows) {
        MemoryProfile p(row.before);
        p.file.WriteText(row.section, "y", "2");
        EXPECT_EQ(p.storage.content, row.after) << ::testing::PrintToString(row.before);
    }
}

TEST(ProfileWrite, ReplacingASectionAgainAndAgainKeepsTheFileAsItWas) {
    MemoryProfile p("[PROPERTIES]\r\nlanguage=English\r\n");
    for (int save = 0; save < 3; ++save) {
        p.file.RemoveSection("DATA");
        p.file.WriteText("DATA", "Harbour", "1,2");
        EXPECT_EQ(p.storage.content,
                  "[PROPERTIES]\r\nlanguage=English\r\n\r\n[DATA]\r\nHarbour=1,2\r\n");
    }
}

TEST(ProfileWrite, ValuesCannotInjectLines) {
    MemoryProfile p("");
    p.file.WriteText("DATA", "evil\r\n[X]", "1\r\n[PROPERTIES]\r\nName=x");
    std::vector<std::string> names;
    p.file.ReadKeyNames("DATA", names);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(p.file.ReadText("DATA", names[0], ""), "1  [PROPERTIES]  Name=x");
    EXPECT_EQ(p.file.ReadText("PROPERTIES", "Name", "none"), "none");
}

TEST(ProfileWrite, RemoveSectionKeepsTheRest) {
    MemoryProfile p("\xEF\xBB\xBF[DATA]\na=1\n; note\n[PROPERTIES]\r\nName=x\n[data]\nb=2\n");
    p.file.RemoveSection("Data");
    EXPECT_EQ(p.storage.content, "\xEF\xBB\xBF[PROPERTIES]\r\nName=x\n");
    p.file.RemoveSection("Missing");
    EXPECT_EQ(p.storage.stores, 1);

    p.storage.content.clear();
    std::string kept;
    for (int i = 0; i < 1000; ++i) {
        p.storage.content +=
            "[DATA]\r\nk=" + std::to_string(i) + "\r\n[Other" + std::to_string(i) + "]\r\nk=v\r\n";
        kept += "[Other" + std::to_string(i) + "]\r\nk=v\r\n";
    }
    p.file.RemoveSection("data");
    EXPECT_EQ(p.storage.content, kept);
}

#ifndef _WIN32
// Real files in a fresh folder of their own: permission bits, links, processes and mounts are
// POSIX's; ProfileStorageWin32Test.cpp has the Windows counterparts.
class ProfileDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvd-profile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        chmod(dir_.c_str(), 0700);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string PathOf(const std::string& name) const { return dir_ + "/" + name; }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::size_t EntriesInDir() const {
        return std::size_t(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    static void ExpectUnableToWrite(ProfileFile& f) {
        try {
            f.WriteText("Config", "Language", "Neder");
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + f.Path());
        }
    }
    std::string dir_;
};

TEST_F(ProfileDiskTest, CreatesAndRewritesAFileKeepingItsMode) {
    const std::string path = PathOf("ORVDMAP.ini");
    ProfileFile f(path);
    EXPECT_EQ(f.ReadText("Config", "Language", "Engli"), "Engli");
    EXPECT_FALSE(fs::exists(path)); // reading never creates the file
    f.WriteText("Config", "Language", "Neder");
    f.WriteNumber("Config", "AnimationSpeed", 20);
    EXPECT_EQ(Contents(path), "[Config]\r\nLanguage=Neder\r\nAnimationSpeed=20\r\n");

    chmod(path.c_str(), 0640);
    f.WriteFlag("Config", "Animate", false);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(f.ReadText("Config", "Animate", ""), "0");
    EXPECT_EQ(EntriesInDir(), 1u); // no temporary file left behind
}

TEST_F(ProfileDiskTest, RemovesOnlyTheLeftoversOfKilledSavesOfTheSameFile) {
    const pid_t ended = fork();
    if (ended == 0) {
        _exit(0);
    }
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    const std::string path = PathOf("NR_Engli.dat");
    const std::string gone = "NR_Engli.dat.~" + std::to_string(ended) + "-0";
    const std::string mine = "NR_Engli.dat.~" + std::to_string(getpid()) + "-7";
    const std::vector<std::string> kept = {
        "NR_Engli.dat.~" + std::to_string(getppid()) + "-1", // its writer still runs
        "NR_Neder.dat.~" + std::to_string(ended) + "-0",     // another file's
        "NR_Engli.dat.~" + std::to_string(ended) + "-",
        "NR_Engli.dat.~" + std::to_string(ended) + "-1x",
        "NR_Engli.dat.~x-1",
        "NR_Engli.da~",
    };
    Put(path, "[DATA]\r\nA=1,2\r\n");
    for (const std::string& name : kept) {
        Put(PathOf(name), "keep");
    }
    Put(PathOf(gone), "half a save");
    Put(PathOf(mine), "half a save");
    const std::string folder = "NR_Engli.dat.~" + std::to_string(ended) + "-2";
    fs::create_directory(PathOf(folder));
    ProfileFile(path).WriteText("DATA", "B", "3,4");
    EXPECT_FALSE(fs::exists(PathOf(gone)));
    EXPECT_FALSE(fs::exists(PathOf(mine)));
    EXPECT_TRUE(fs::is_directory(PathOf(folder)));
    for (const std::string& name : kept) {
        EXPECT_EQ(Contents(PathOf(name)), "keep") << name;
    }
    EXPECT_EQ(Contents(path), "[DATA]\r\nA=1,2\r\nB=3,4\r\n");
}

TEST_F(ProfileDiskTest, WritesThroughASymbolicLink) {
    const std::string real = PathOf("real.ini");
    const std::string link = PathOf("link.ini");
    Put(real, "[A]\nx=1\n");
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    ProfileFile(link).WriteText("A", "x", "2");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(real), "[A]\nx=2\r\n");
}

TEST_F(ProfileDiskTest, UnwritablePlacesFailAndKeepTheFile) {
    ProfileFile missingFolder(PathOf("nowhere/ORVDMAP.ini"));
    ExpectUnableToWrite(missingFolder);
    EXPECT_FALSE(fs::exists(PathOf("nowhere")));

    const std::string path = PathOf("ro.ini");
    Put(path, "[Config]\nLanguage=Engli\n");
    ProfileFile readOnlyFile(path);
    chmod(path.c_str(), 0444);
    ExpectUnableToWrite(readOnlyFile);
    EXPECT_EQ(Contents(path), "[Config]\nLanguage=Engli\n");
    chmod(path.c_str(), 0644);

    chmod(dir_.c_str(), 0555);
    ProfileFile readOnlyFolder(path);
    ExpectUnableToWrite(readOnlyFolder);
    EXPECT_THROW(readOnlyFolder.RemoveSection("Config"), Error);
    chmod(dir_.c_str(), 0700);
    EXPECT_EQ(Contents(path), "[Config]\nLanguage=Engli\n");
    EXPECT_EQ(EntriesInDir(), 1u);

    fs::create_directory(PathOf("folder.ini"));
    ProfileFile aFolder(PathOf("folder.ini"));
    EXPECT_EQ(aFolder.ReadText("Config", "Language", "d"), "d");
    ExpectUnableToWrite(aFolder);
}

TEST_F(ProfileDiskTest, UnreadableFileReadsAsMissing) {
    const std::string path = PathOf("locked.ini");
    Put(path, "[Config]\nLanguage=Neder\n");
    chmod(path.c_str(), 0000);
    if (access(path.c_str(), R_OK) == 0) {
        GTEST_SKIP() << "running as root: permission bits do not stop reading";
    }
    EXPECT_EQ(ProfileFile(path).ReadText("Config", "Language", "d"), "d");
}

TEST_F(ProfileDiskTest, FailingStepLeavesTheOldFileWhole) {
    const std::string path = PathOf("NR_Engli.dat");
    const std::string before = "[PROPERTIES]\r\nName=English\r\n[DATA]\r\nOakford=1200,850\r\n";
    for (auto step :
         {FailingStorage::Step::Write, FailingStorage::Step::Flush, FailingStorage::Step::Rename}) {
        Put(path, before);
        FailingStorage storage(step);
        ProfileFile f(path, storage);
        EXPECT_THROW(f.RemoveSection("DATA"), Error);
        EXPECT_EQ(Contents(path), before);
        EXPECT_EQ(EntriesInDir(), 1u);
    }
}

TEST_F(ProfileDiskTest, FullDiskLeavesTheOldFileWhole) {
    const std::string mountPoint = PathOf("small");
    fs::create_directory(mountPoint);
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const std::string path = mountPoint + "/ORVDMAP.ini";
    ProfileFile f(path);
    f.WriteText("Config", "Language", "Engli");
    const std::string before = Contents(path);
    bool failed = false;
    try {
        f.WriteText("Config", "Big", std::string(200000, 'x'));
    } catch (const Error& e) {
        failed = true;
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(Contents(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(mountPoint), fs::directory_iterator()), 1);
    umount(mountPoint.c_str());
}
#endif

} // namespace
} // namespace orvd
