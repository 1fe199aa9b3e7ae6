#include "app/Settings.h"

#include "StorageFakes.h"
#include "base/Error.h"
#include "base/profile/ProfileFile.h"
#include "base/profile/ProfileStorage.h"
#include "editor/AskBackupSetting.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

using testing::MemoryStorage;

struct SettingsFile {
    MemoryStorage storage;
    ProfileFile file{"/opt/orvd/ORVDMAP.ini", storage};
    explicit SettingsFile(std::string content = {}) { storage.content = std::move(content); }
    std::string Read(const char* key) const { return file.ReadText("Config", key, "<none>"); }
};

TEST(SettingsFileName, ReplacesOrAddsTheExtension) {
    EXPECT_EQ(SettingsFileName("/opt/orvd/ORVDMAP"), "/opt/orvd/ORVDMAP.ini");
    EXPECT_EQ(SettingsFileName("/opt/orvd/ORVDMAP.exe"), "/opt/orvd/ORVDMAP.ini");
    EXPECT_EQ(SettingsFileName("/opt/orvd.1/ORVDMAP"), "/opt/orvd.1/ORVDMAP.ini");
    EXPECT_EQ(SettingsFileName("ORVDMAP"), "ORVDMAP.ini");
}

TEST(Settings, NoFileGivesTheDefaultsAndWritesAllKeys) {
    SettingsFile f;
    Settings s;
    s.AnimationSpeed = 0;
    s.Animate = false;
    EXPECT_TRUE(ReadSettings(f.file, s).empty());
    EXPECT_EQ(s.LocationsFile, "_Engli.dat");
    EXPECT_EQ(s.AnimationSpeed, 20);
    EXPECT_TRUE(s.Animate);
    EXPECT_TRUE(s.Cross);
    EXPECT_EQ(s.CrossColor, 0x00FFFFFFu);
    EXPECT_EQ(s.BorderColor, 0x0080FFFFu);
    EXPECT_EQ(s.BorderStyle, BorderPattern::Cross);
    EXPECT_TRUE(ReadAskBackup(f.file));

    s.LocationsFile = "NR_Engli.dat";
    WriteSettings(f.file, s, false);
    WriteAskBackup(f.file, true);
    EXPECT_EQ(f.storage.content, "[Config]\r\nLanguage=Engli\r\nAnimationSpeed=20\r\nAnimate=1\r\n"
                                 "Cross=1\r\nCrossColor=clWhite\r\nBorderColor=$0080FFFF\r\n"
                                 "BorderStyle=3\r\nAskBackup=1\r\n");
}

TEST(Settings, ValuesAreNormalisedOnTheWayThrough) {
    for (const char* cross : {"clred", "$000000FF", "255"}) {
        SettingsFile f(std::string("[config]\nanimationspeed=75\nBorderStyle=9\nAnimate=0\n"
                                   "CrossColor=") +
                       cross + "\nLanguage=Neder\n");
        Settings s;
        EXPECT_TRUE(ReadSettings(f.file, s).empty());
        EXPECT_EQ(s.AnimationSpeed, 50);
        EXPECT_FALSE(s.Animate);
        EXPECT_EQ(s.CrossColor, 0x000000FFu);
        EXPECT_EQ(s.BorderStyle, BorderPattern::DiagonalCross);
        s.LocationsFile = "NR_Neder.dat";
        WriteSettings(f.file, s, false);
        EXPECT_EQ(f.Read("AnimationSpeed"), "50");
        EXPECT_EQ(f.Read("CrossColor"), "clRed");
        EXPECT_EQ(f.Read("BorderStyle"), "6");
        EXPECT_EQ(f.Read("Language"), "Neder");
    }
    SettingsFile low("[Config]\nAnimationSpeed=-4\nBorderStyle=-1\n");
    Settings s;
    ReadSettings(low.file, s);
    EXPECT_EQ(s.AnimationSpeed, 10);
    EXPECT_EQ(s.BorderStyle, BorderPattern::DiagonalCross);
}

TEST(Settings, CrOnlyFileWithQuotedValuesReadsAsOnWindowsAndKeepsItsOtherLines) {
    SettingsFile f("[Config]\rLanguage=\"Neder\"\rAnimationSpeed=30\rCrossColor='clRed'\r"
                   "[Other]\rk=v\r");
    Settings s;
    EXPECT_TRUE(ReadSettings(f.file, s).empty());
    EXPECT_EQ(s.LocationsFile, "_Neder.dat");
    EXPECT_EQ(s.AnimationSpeed, 30);
    EXPECT_EQ(s.CrossColor, 0x000000FFu);
    s.LocationsFile = "NR_Neder.dat";
    WriteSettings(f.file, s, false);
    EXPECT_EQ(f.storage.content,
              "[Config]\rLanguage=Neder\r\nAnimationSpeed=30\r\nCrossColor=clRed"
              "\r\nAnimate=1\r\nCross=1\r\nBorderColor=$0080FFFF\r\nBorderStyle=3"
              "\r\n[Other]\rk=v\r");
}

// A tag that would read back without its quotes names another file: the older one stays.
TEST(Settings, QuotedLanguageTagIsRefusedAndTheOtherKeysWritten) {
    SettingsFile f("[Config]\r\nLanguage=Engli\r\n");
    Settings s;
    s.LocationsFile = "NR_'Fr'.dat";
    s.AnimationSpeed = 33;
    try {
        WriteSettings(f.file, s, false);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "The language 'Fr' cannot be kept in the settings: the "
                                         "quotes around it would be dropped when the file is read");
    }
    EXPECT_EQ(f.Read("Language"), "Engli");
    EXPECT_EQ(f.Read("AnimationSpeed"), "33");
    EXPECT_EQ(f.Read("BorderStyle"), "3");
}

TEST(Settings, BadColourTextGivesItsErrorAndTheDefault) {
    SettingsFile f("[Config]\nCrossColor=clBlue\nBorderColor=0x0000FF\nBorderStyle=1\n");
    Settings s;
    const auto errors = ReadSettings(f.file, s);
    EXPECT_EQ(errors, std::vector<std::string>{"'0x0000FF' is not a valid integer value"});
    EXPECT_EQ(s.CrossColor, 0x00FF0000u);
    EXPECT_EQ(s.BorderColor, 0x0080FFFFu);
    EXPECT_EQ(s.BorderStyle, BorderPattern::Horizontal); // the key after it is still read
}

TEST(Settings, LanguageTagWrittenBack) {
    Settings s;
    SettingsFile f("[Config]\nLanguage=Nederlands\n");
    ReadSettings(f.file, s);
    EXPECT_EQ(s.LocationsFile, "_Nederlands.dat");
    EXPECT_EQ(LanguageTagToWrite(s, false), "Nederlands"); // nothing loaded: keep what was read
    s.LocationsFile = "NR_Nederlands.dat";
    EXPECT_EQ(LanguageTagToWrite(s, false), "Neder");
    s.LocationsFile = "FM_Fr.dat";
    EXPECT_EQ(LanguageTagToWrite(s, false), "Fr");
    s.LocationsFile = "NR_";
    EXPECT_EQ(LanguageTagToWrite(s, false), "");
    s.LocationsFile = "TEST_Engli.dat";
    EXPECT_EQ(LanguageTagToWrite(s, false), "T_Eng");
    EXPECT_EQ(LanguageTagToWrite(s, true), "Nederlands");
}

TEST(Settings, FailingWriteStopsTheKeysAfterIt) {
    SettingsFile f("[Config]\nLanguage=Engli\nAnimationSpeed=20\nAnimate=1\n");
    Settings s;
    s.LocationsFile = "NR_Neder.dat";
    s.AnimationSpeed = 33;
    s.Animate = false;
    f.storage.storesLeft = 1;
    EXPECT_THROW(WriteSettings(f.file, s, false), Error);
    EXPECT_EQ(f.Read("Language"), "Neder");
    EXPECT_EQ(f.Read("AnimationSpeed"), "20");
    EXPECT_EQ(f.Read("Animate"), "1");
}

} // namespace
} // namespace orvd
