#include "editor/LocationEditor.h"

#include "StorageFakes.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileStorage.h"
#include "editor/EditorHost.h"
#include "editor/EditorPrompts.h"
#include "mapdata/LocationsFile.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace orvd {
namespace {

using testing::FullDisk;
using testing::Slurp;
using testing::WriteFile;

using testing::TempDir;
namespace fs = std::filesystem;

struct Host : EditorHost {
    std::string dir;
    std::string shownFile = "NR_Engli.dat";
    std::vector<std::string> names = {"Ash", "Oakford"};
    std::vector<Point> points = {{10, 20}, {30, 40}};
    std::vector<Point> centred;
    bool pickMode = false;
    std::vector<std::string> loaded;
    int menuBuilds = 0;
    int closed = 0;

    void CentreMapOn(Point map) override { centred.push_back(map); }
    void SetPickMode(bool on) override { pickMode = on; }
    std::string MapCode() const override { return "NR"; }
    std::string ProgramDirectory() const override { return dir; }
    std::string LocationsFile() const override { return shownFile; }
    std::vector<std::string> LocationNames() const override { return names; }
    std::vector<Point> LocationPoints() const override { return points; }
    std::string LanguageName() const override { return "English"; }
    void LoadNames(const std::string& path) override { loaded.push_back(path); }
    void LoadFileNames(const std::string& code) override { menuBuilds += code == "NR"; }
    void EditorClosed() override { ++closed; }
};

struct Prompts : EditorPrompts {
    std::vector<std::string> messages;
    std::vector<std::string> proposed;
    std::vector<std::string> notices;
    std::function<std::optional<std::string>(const std::string&)> choose =
        [](const std::string& p) { return p; };
    bool tickedAtClose = true;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> AskSavePath(const std::string& path) override {
        proposed.push_back(path);
        return choose(path);
    }
    bool ShowBackupNotice(const std::string& name) override {
        notices.push_back(name);
        return tickedAtClose;
    }
};

struct Buttons {
    bool apply, add, del;
    bool operator==(const Buttons&) const = default;
};
Buttons ButtonsOf(const LocationEditor& e) {
    return {e.ApplyEnabled(), e.AddEnabled(), e.DeleteEnabled()};
}

TEST(LocationEditor, ButtonsFollowTheStateTable) {
    using Step = std::function<void(LocationEditor&)>;
    const Step show = [](LocationEditor&) {};
    const Step select = [](LocationEditor& e) { e.ListBox1Click(1); };
    const Step fresh = [](LocationEditor& e) { e.Button1Click(); };
    const Step selectThenDelete = [](LocationEditor& e) {
        e.ListBox1Click(0);
        e.Button2Click();
    };
    const Step name = [](LocationEditor& e) { e.Edit1Change("Mill"); };
    const Step x = [](LocationEditor& e) { e.Edit2Change("5", e.YText()); };
    const Step pick = [](LocationEditor& e) { e.PickPoint({-3, 7}); };
    const Step pickSame = [](LocationEditor& e) { e.PickPoint(e.EditPoints()[1]); };
    const struct {
        const char* what;
        Step before, typing;
        Buttons before_, after;
    } rows[] = {
        {"shown, name", show, name, {false, false, false}, {false, true, false}},
        {"shown, x", show, x, {false, false, false}, {false, false, false}},
        {"selected, name", select, name, {false, false, true}, {true, true, false}},
        {"selected, x", select, x, {false, false, true}, {true, false, false}},
        {"selected, pick", select, pick, {false, false, true}, {true, false, false}},
        {"selected, pick of its own point",
         select,
         pickSame,
         {false, false, true},
         {false, false, true}},
        {"new, name", fresh, name, {false, false, false}, {false, true, false}},
        {"deleted, name", selectThenDelete, name, {false, false, false}, {false, true, false}},
        {"deleted, x", selectThenDelete, x, {false, false, false}, {false, false, false}},
    };
    for (const auto& row : rows) {
        Host host;
        LocationEditor e(host);
        e.FormShow();
        row.before(e);
        EXPECT_EQ(ButtonsOf(e), row.before_) << row.what;
        row.typing(e);
        EXPECT_EQ(ButtonsOf(e), row.after) << row.what;
    }
}

TEST(LocationEditor, AddAndApplyTakeOnlyValidFields) {
    const struct {
        const char *name, *x, *y;
        bool taken;
        Point point;
    } rows[] = {
        {"Mill", "12", "34", true, {12, 34}},
        {"Mill", "$1F", " -2", true, {31, -2}},
        {"A=B", "99999", "0", true, {99999, 0}},
        {"Mill", "1 2", "3", false, {}},
        {"", "1", "2", false, {}},
        {"Mill", "1", "", false, {}},
        {"Mill", "0x1F", "2", false, {}},
        {"Mill", "1", "2 ", false, {}},
    };
    for (const auto& row : rows) {
        Host host;
        LocationEditor e(host);
        e.FormShow();
        e.Edit2Change(row.x, row.y);
        e.Edit1Change(row.name);
        e.Button3Click();
        EXPECT_EQ(e.Names().size(), row.taken ? 3u : 2u) << row.x;
        if (row.taken) {
            EXPECT_EQ(e.Names().back(), row.name);
            EXPECT_EQ(e.EditPoints().back(), row.point);
        }
        EXPECT_TRUE(e.NameText().empty() && e.XText().empty() && e.YText().empty());
        EXPECT_EQ(ButtonsOf(e), (Buttons{false, false, false}));

        e.ListBox1Click(0);
        e.Edit2Change(row.x, row.y);
        e.Edit1Change(row.name);
        e.Button4Click();
        EXPECT_EQ(e.Names()[0], row.taken ? row.name : "Ash") << row.x;
        EXPECT_EQ(e.EditPoints()[0], (row.taken ? row.point : Point{10, 20}));
        EXPECT_TRUE(e.NewLoc() && !e.Editing());
        EXPECT_EQ(e.Selected(), row.taken ? -1 : 0) << "only a replaced item loses the selection";
    }
    Host host;
    LocationEditor e(host);
    e.FormShow();
    e.Edit1Change("Mill");
    e.Button4Click(); // nothing selected: nothing happens, not even emptying
    EXPECT_EQ(e.NameText(), "Mill");
}

// A folder beside the program with the shown file; the editor opened on it.
struct Saving : ::testing::Test {
    TempDir dir;
    Host host;
    Prompts prompts;
    std::string shown = dir.File("NR_Engli.dat");
    std::string before = "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nAsh=10,20\r\n";

    void SetUp() override {
        host.dir = dir.Path();
        WriteFile(shown, before);
    }
    LocationEditor Open(ProfileStorage* storage = nullptr) {
        LocationEditor e(host, storage);
        e.DataFileName = host.shownFile;
        e.FormShow();
        return e;
    }
};

TEST_F(Saving, DoneBacksUpWritesReloadsAndRebuildsTheMenu) {
    LocationEditor e = Open();
    e.Edit1Change("Zed");
    e.Edit2Change("5", "6");
    e.Button3Click();
    ASSERT_TRUE(e.BitBtn1Click(prompts));
    EXPECT_EQ(prompts.proposed, std::vector<std::string>{shown});
    EXPECT_EQ(Slurp(dir.File("NR_Engli.da~")), before);
    EXPECT_EQ(prompts.notices, std::vector<std::string>{"NR_Engli.da~"});
    EXPECT_EQ(Slurp(shown), ComposeLocationsFile(before, "English", e.Names(), e.EditPoints()));
    EXPECT_EQ(host.loaded, std::vector<std::string>{shown});
    EXPECT_EQ(host.menuBuilds, 1);
    EXPECT_EQ(e.DataFileName, shown);

    // Unticked: the next backup is made without the notice, and holds the save before it.
    prompts.tickedAtClose = false;
    e.BitBtn1Click(prompts);
    EXPECT_FALSE(e.AskBackup);
    const std::string previous = Slurp(shown);
    e.BitBtn1Click(prompts);
    EXPECT_EQ(prompts.notices.size(), 2u);
    EXPECT_EQ(Slurp(dir.File("NR_Engli.da~")), previous);
}

TEST_F(Saving, WhereDoneSavesAndWhatItReloads) {
#ifdef _WIN32
    constexpr bool kSameFileInOtherCase = true; // the system ignores case
#else
    constexpr bool kSameFileInOtherCase = false;
#endif
    fs::create_directory(dir.File("other"));
    const struct {
        bool newFile;
        std::string language, chosen, proposed;
        bool reload, backup;
    } rows[] = {
        {true, "Nederlands", "", "NR_Neder.dat", false, false},
        {true, "Fr", "", "NR_Fr.dat", false, false},
        {true, "English", "", "NR_Engli.dat", true, true},
        {false, "English", "nr_engli.dat", "NR_Engli.dat", false, kSameFileInOtherCase},
        {false, "English", "other/NR_Engli.dat", "NR_Engli.dat", true, false},
    };
    for (const auto& row : rows) {
        WriteFile(shown, before);
        fs::remove(dir.File("NR_Engli.da~"));
        host.loaded.clear();
        LocationEditor e(host);
        e.NewFile = row.newFile;
        e.DataFileName = row.newFile ? "" : host.shownFile;
        e.FormShow();
        e.Edit4Change(row.language);
        const std::string chosen = dir.File(row.chosen.empty() ? row.proposed : row.chosen);
        prompts.choose = [&](const std::string&) { return chosen; };
        e.BitBtn1Click(prompts);
        EXPECT_EQ(prompts.proposed.back(), dir.File(row.proposed));
        EXPECT_EQ(ReadLanguageName(chosen), row.language);
        EXPECT_EQ(host.loaded,
                  row.reload ? std::vector<std::string>{chosen} : std::vector<std::string>{})
            << row.chosen;
        EXPECT_EQ(FileExists(dir.File("NR_Engli.da~")), row.backup) << row.chosen;
    }
}

TEST_F(Saving, DoneWithoutLanguageOrDialogSavesNothing) {
    LocationEditor e = Open();
    e.Edit4Change("");
    EXPECT_FALSE(e.BitBtn1Click(prompts));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"You have not specified the name of "
                                                         "the language"});
    EXPECT_TRUE(prompts.proposed.empty());
    EXPECT_EQ(host.menuBuilds, 0);

    e.Edit4Change("English");
    prompts.choose = [](const std::string&) { return std::nullopt; };
    EXPECT_TRUE(e.BitBtn1Click(prompts));
    EXPECT_EQ(host.menuBuilds, 1);
    EXPECT_FALSE(FileExists(dir.File("NR_Engli.da~")));
    EXPECT_EQ(Slurp(shown), before);
}

// Each failure ends Done with its message; the file keeps its content and the editor its list.
TEST_F(Saving, FailuresLoseNothing) {
    const std::string backup = dir.File("NR_Engli.da~");
    FullDisk full;
    const struct {
        const char* what;
        std::function<void()> arrange, undo;
        ProfileStorage* storage;
        std::string message;
    } rows[] = {
        {"full disk", [] {}, [] {}, &full, "Cannot create file " + backup},
        {"read-only file", [&] { fs::permissions(shown, fs::perms::owner_read); },
         [&] { fs::permissions(shown, fs::perms::owner_all); }, nullptr,
         "Unable to write to " + shown},
#ifndef _WIN32
        // A folder's read-only attribute does not protect it on Windows.
        {"read-only folder",
         [&] { fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec); },
         [&] { fs::permissions(dir.Path(), fs::perms::owner_all); }, nullptr,
         "Cannot create file " + backup},
#endif
    };
    for (const auto& row : rows) {
        fs::remove(backup);
        LocationEditor e = Open(row.storage);
        e.Button2Click();
        e.ListBox1Click(0);
        e.Button2Click();
        row.arrange();
        try {
            e.BitBtn1Click(prompts);
            ADD_FAILURE() << row.what;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), row.message);
        }
        row.undo();
        EXPECT_EQ(Slurp(shown), before) << row.what;
        EXPECT_EQ(e.Names(), std::vector<std::string>{"Oakford"});
        EXPECT_TRUE(host.loaded.empty());
        EXPECT_EQ(host.menuBuilds, 0);
    }

    // A name that would not read back is refused before anything is asked.
    prompts = Prompts();
    LocationEditor e = Open();
    e.Edit1Change("[Odd");
    e.Edit2Change("1", "2");
    e.Button3Click();
    EXPECT_THROW(e.BitBtn1Click(prompts), Error);
    EXPECT_TRUE(prompts.proposed.empty());
    LocationEditor q = Open();
    q.Edit4Change("\"English\""); // would read back without its quotes
    EXPECT_THROW(q.BitBtn1Click(prompts), Error);
    EXPECT_TRUE(prompts.proposed.empty());

    // A name in the backups' extension would be its own backup: refused, the old one kept.
    WriteFile(backup, "older backup");
    LocationEditor b = Open();
    prompts.choose = [&](const std::string&) { return backup; };
    try {
        b.BitBtn1Click(prompts);
        ADD_FAILURE() << "saved over a backup";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot save as " + backup +
                      ": \".da~\" is the extension of backup files. Choose another name");
    }
    EXPECT_EQ(Slurp(backup), "older backup");
    EXPECT_TRUE(prompts.notices.empty());

    // The chosen file vanished after the dialog: nothing to back up, the new file is written.
    LocationEditor v = Open();
    prompts.choose = [&](const std::string& p) {
        fs::remove(p);
        return p;
    };
    fs::remove(backup);
    EXPECT_TRUE(v.BitBtn1Click(prompts));
    EXPECT_FALSE(FileExists(backup));
    EXPECT_EQ(Slurp(shown), ComposeLocationsFile("", "English", host.names, host.points));
}

} // namespace
} // namespace orvd
