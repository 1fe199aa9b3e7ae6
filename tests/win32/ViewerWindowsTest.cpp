// Whole flows through the Win32 windows, driven by their messages under Wine: the same paths a
// user's keys and clicks take, read back from control texts, the views' pixels and the files.
#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "app/win32/Startup.h"
#include "app/win32/TForm1.h"
#include "app/win32/TfSplash.h"
#include "base/FileSystem.h"
#include "base/win32/HelpViewer.h"
#include "base/win32/WindowKit.h"
#include "editor/win32/TForm3.h"
#include "mapdata/JpegDecoder.h"
#include "view/win32/MapView.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>

using namespace orvd;
using orvd::testing::EncodeJpeg;
using orvd::testing::PatternImage;
using orvd::testing::WriteFile;

namespace {

// Handles the window messages that are waiting, then more until `ready` holds or 5 s have passed.
bool PumpUntil(const std::function<bool()>& ready) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ready())
            return true;
        Sleep(1);
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

void Pump() {
    PumpUntil([] { return true; });
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

HWND SearchEdit(HWND box) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    GetComboBoxInfo(box, &parts);
    return parts.hwndItem;
}

// A control's face as it paints itself, through WM_PRINTCLIENT into an image of ours.
class Face {
public:
    explicit Face(HWND control) {
        RECT r;
        GetClientRect(control, &r);
        width_ = r.right;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = r.right;
        info.bmiHeader.biHeight = -r.bottom; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageA(control, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; i < r.right * r.bottom; ++i)
            pixels_.push_back(RGB(p[i] >> 16 & 0xFF, p[i] >> 8 & 0xFF, p[i] & 0xFF));
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return pixels_[std::size_t(y * width_ + x)]; }
    // The first pixel of `colour` in reading order, or (-1, -1).
    Point Find(COLORREF colour) const {
        for (std::size_t i = 0; i < pixels_.size(); ++i)
            if (pixels_[i] == colour)
                return Point{int(i) % width_, int(i) / width_};
        return Point{-1, -1};
    }
    bool Has(COLORREF colour) const { return Find(colour).x >= 0; }

private:
    int width_ = 0;
    std::vector<COLORREF> pixels_;
};

constexpr COLORREF kOkGreen = RGB(0, 176, 0);
constexpr COLORREF kCancelRed = RGB(224, 0, 0);

class ViewerWindows : public ::testing::Test {
protected:
    orvd::testing::TempDir dir_;
    orvd::testing::ScriptedDialogs dialogs_;
    Image map_;
    std::unique_ptr<TForm1> f_;

    // Map 1600 x 1424 with its overview (scale 0.125), three locations, no crosshair.
    void Start(const std::string& settings) {
        WriteFile(dir_.File("ORVDMAP.ini"), "[Config]\r\nCross=0\r\n" + settings);
        WriteFile(dir_.File("NR.map"), EncodeJpeg(PatternImage(1600, 1424), 92));
        DecodeJpeg(*ReadWholeFile(dir_.File("NR.map")), map_);
        WriteFile(dir_.File("NR_small.map"), EncodeJpeg(PatternImage(200, 178), 92));
        WriteFile(dir_.File("NR_Engli.dat"),
                  "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nNorthgate=300,250\r\n"
                  "Stonebridge=1200,1000\r\nEastmarch=900,700\r\n");
        f_ = OpenViewer(dir_.File("ORVDMAP.exe"), "");
        ShowWindow(f_->Window(), SW_SHOWNORMAL);
        Pump();
    }

    Point Position() const { return Point{f_->State().View.ViewLeft, f_->State().View.ViewTop}; }
    Point PositionFor(Point map) const { return ViewPositionFor(f_->State().View, map); }

    // The main view's off-screen section shows the map 1:1 at the view's position.
    void ExpectMainViewShowsMap() {
        const Point at = Position();
        const ViewGeometry& g = f_->State().View;
        int mismatches = 0, mapPixels = 0;
        for (int y = 0; y < g.ViewRect.Height(); ++y)
            for (int x = 0; x < g.ViewRect.Width(); ++x) {
                if (!map_.Contains(at.x + x, at.y + y))
                    continue;
                ++mapPixels;
                const Pixel p = map_.At(at.x + x, at.y + y);
                mismatches +=
                    f_->PaintBox1->SectionPixel(x, y) != RGB(RedOf(p), GreenOf(p), BlueOf(p));
            }
        EXPECT_GT(mapPixels, 100000);
        EXPECT_EQ(mismatches, 0);
    }
};

TEST_F(ViewerWindows, ChoosingAPlaceSlidesThereAndShowsTheMap1to1) {
    Start("Animate=1\r\nAnimationSpeed=50\r\n");
    EXPECT_EQ(WindowText(f_->Window()), "Orvandel Map - English");
    ExpectMainViewShowsMap();
    // Down in the closed list chooses the next entry, as a user's key does: Eastmarch first.
    SendMessageA(f_->ComboBox1, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(WindowText(f_->ComboBox1), "Eastmarch");
    EXPECT_EQ(Position(), (Point{0, 0})); // nothing moves before the first tick
    const Point target = PositionFor({900, 700});
    ASSERT_TRUE(PumpUntil([&] { return !f_->State().Animation.Animating(); }));
    EXPECT_EQ(Position(), target);
    ExpectMainViewShowsMap();
}

TEST_F(ViewerWindows, EnterInTheSearchBoxListsTheFoundAndMovesToTheFirst) {
    Start("Animate=0\r\n");
    const HWND edit = SearchEdit(f_->ComboBox2);
    SetWindowTextA(edit, "e");
    SendMessageA(edit, WM_CHAR, '\r', 0);
    EXPECT_EQ(WindowText(f_->Label6), "3 found");
    EXPECT_EQ(SendMessageA(f_->ComboBox2, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(WindowText(f_->ComboBox2), "Eastmarch");
    EXPECT_EQ(Position(), PositionFor({900, 700}));
    SetWindowTextA(edit, "GAT");
    SendMessageA(edit, WM_CHAR, '\r', 0);
    EXPECT_EQ(WindowText(f_->Label6), "1 found");
    EXPECT_EQ(Position(), PositionFor({300, 250}));
    ExpectMainViewShowsMap();
}

TEST_F(ViewerWindows, TheSearchIsWhatWasTypedAndAnEditMovesToTheEntryTheBoxSelects) {
    Start("Animate=0\r\n");
    const HWND edit = SearchEdit(f_->ComboBox2);
    const auto type = [&](const char* keys) {
        for (const char* c = keys; *c; ++c)
            SendMessageA(edit, WM_CHAR, WPARAM(*c), 0);
    };
    type("e\r");
    EXPECT_EQ(WindowText(f_->Label6), "3 found");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    type("\bn");
    EXPECT_EQ(WindowText(f_->ComboBox2), "n"); // no found name filled in
    type("\r");
    EXPECT_EQ(WindowText(f_->Label6), "2 found"); // Northgate, Stonebridge
    const Point northgate = PositionFor({300, 250});
    EXPECT_EQ(Position(), northgate);

    // Away with a click on the map. With the list closed, an edit leaves the box without a
    // selection, and the view stays.
    SendMessageA(f_->PaintBox1->Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 20));
    SendMessageA(f_->PaintBox1->Window(), WM_LBUTTONUP, 0, At(10, 20));
    const Point away = Position();
    ASSERT_NE(away, northgate);
    SendMessageA(edit, EM_SETSEL, 9, 9);
    type("s");
    EXPECT_EQ(WindowText(f_->ComboBox2), "Northgates");
    EXPECT_EQ(Position(), away);
    // With the list open, the box selects the entry that its text begins with, and every edit
    // that does so moves the view there.
    SendMessageA(f_->ComboBox2, CB_SHOWDROPDOWN, TRUE, 0);
    type("\b\b");
    EXPECT_EQ(SendMessageA(f_->ComboBox2, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Position(), northgate);
    SendMessageA(f_->ComboBox2, CB_SHOWDROPDOWN, FALSE, 0);
    // Down in the closed box chooses the next entry, Stonebridge.
    SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Position(), PositionFor({1200, 1000}));
}

TEST_F(ViewerWindows, AnOverviewClickSurvivesAnotherButtonPressedAndReleasedDuringIt) {
    Start("Animate=0\r\n");
    const HWND overview = f_->PaintBox2->Window();
    const Point clicked = PositionFor(OverviewToMap(f_->State().View, {100, 89}));
    struct Other {
        UINT down, up;
        WPARAM held;
    };
    for (const Other other : {Other{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
                              Other{WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}}) {
        f_->MoveMap(0, 0, false);
        SendMessageA(overview, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 89));
        SendMessageA(overview, other.down, MK_LBUTTON | other.held, At(100, 89));
        SendMessageA(overview, other.up, MK_LBUTTON, At(100, 89));
        EXPECT_EQ(Position(), (Point{0, 0}));
        SendMessageA(overview, WM_LBUTTONUP, 0, At(100, 89));
        EXPECT_EQ(Position(), clicked);
    }
    // Another button's press and release alone is no click.
    f_->MoveMap(0, 0, false);
    SendMessageA(overview, WM_RBUTTONDOWN, MK_RBUTTON, At(100, 89));
    SendMessageA(overview, WM_RBUTTONUP, 0, At(100, 89));
    EXPECT_EQ(Position(), (Point{0, 0}));
}

TEST_F(ViewerWindows, DraggingAndClickingTheOverviewMovesTheMainView) {
    Start("Animate=0\r\n");
    const HWND overview = f_->PaintBox2->Window();
    ASSERT_TRUE(IsWindowEnabled(overview));
    SendMessageA(overview, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(overview, WM_MOUSEMOVE, MK_LBUTTON, At(60, 50));
    EXPECT_EQ(Position(), PositionFor(OverviewToMap(f_->State().View, {60, 50})));
    SendMessageA(overview, WM_LBUTTONUP, 0, At(60, 50));
    EXPECT_EQ(Position(), PositionFor(OverviewToMap(f_->State().View, {60, 50})));
    // A plain click somewhere else.
    SendMessageA(overview, WM_LBUTTONDOWN, MK_LBUTTON, At(120, 100));
    SendMessageA(overview, WM_LBUTTONUP, 0, At(120, 100));
    EXPECT_EQ(Position(), PositionFor(OverviewToMap(f_->State().View, {120, 100})));
    ExpectMainViewShowsMap();
    // A click on the main view brings the clicked point to the middle.
    const Point clicked = ViewToMap(f_->State().View, {50, 60});
    SendMessageA(f_->PaintBox1->Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(50, 60));
    SendMessageA(f_->PaintBox1->Window(), WM_LBUTTONUP, 0, At(50, 60));
    EXPECT_EQ(Position(), PositionFor(clicked));
}

TEST_F(ViewerWindows, TheEditorAddsChangesDeletesPicksAndSavesWithABackup) {
    Start("Animate=0\r\n");
    SendMessageA(f_->Window(), WM_COMMAND, kAddlocations1, 0);
    TForm3& e = *f_->Editor();
    ASSERT_TRUE(e.Visible());
    EXPECT_EQ(WindowText(e.Window()), "Edit - NR_Engli.dat");
    EXPECT_EQ(GetMenuState(f_->MainMenu1, kNew1, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));

    // Change: choose Northgate, rename it, Apply.
    SendMessageA(e.ListBox1, LB_SETCURSEL, 1, 0);
    SendMessageA(e.Window(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), LPARAM(e.ListBox1));
    EXPECT_EQ(WindowText(e.Edit1), "Northgate");
    EXPECT_EQ(WindowText(e.Edit2), "300");
    SetWindowTextA(e.Edit1, "Northgate Old");
    ASSERT_TRUE(IsWindowEnabled(e.Button4));
    SendMessageA(e.Button4, BM_CLICK, 0, 0);

    // Add: a new name whose point is picked on the main view while X has the focus.
    SendMessageA(e.Button1, BM_CLICK, 0, 0);
    SetWindowTextA(e.Edit1, "Westfold");
    SetFocus(e.Edit2);
    EXPECT_TRUE(f_->State().PickMode);
    const Point picked = ViewToMap(f_->State().View, {40, 30});
    SendMessageA(f_->PaintBox1->Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(40, 30));
    SendMessageA(f_->PaintBox1->Window(), WM_LBUTTONUP, 0, At(40, 30));
    EXPECT_EQ(WindowText(e.Edit2), std::to_string(picked.x));
    EXPECT_EQ(WindowText(e.Edit3), std::to_string(picked.y));
    ASSERT_TRUE(IsWindowEnabled(e.Button3));
    SendMessageA(e.Button3, BM_CLICK, 0, 0);

    // Delete Stonebridge.
    const int stonebridge =
        int(SendMessageA(e.ListBox1, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("Stonebridge")));
    SendMessageA(e.ListBox1, LB_SETCURSEL, WPARAM(stonebridge), 0);
    SendMessageA(e.Window(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), LPARAM(e.ListBox1));
    SendMessageA(e.Button2, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(e.ListBox1, LB_GETCOUNT, 0, 0), 3);

    // Done over the shown file: the backup, the notice (its box unticked), the file, the reload.
    dialogs_.savePath = dir_.File("NR_Engli.dat");
    dialogs_.inModal = [](HWND notice) {
        SendMessageA(FindWindowExA(notice, nullptr, "BUTTON", "Show this message next time."),
                     BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(notice, IDOK), BM_CLICK, 0, 0);
    };
    SendMessageA(e.BitBtn1, BM_CLICK, 0, 0);
    EXPECT_EQ(dialogs_.modalCaptions, std::vector<std::string>{"Question"});
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_FALSE(e.Visible());
    EXPECT_FALSE(e.Editor().AskBackup);
    EXPECT_TRUE(FileExists(dir_.File("NR_Engli.da~")));
    const std::string saved = *ReadWholeFile(dir_.File("NR_Engli.dat"));
    EXPECT_NE(saved.find("Northgate Old=300,250"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Westfold=" + std::to_string(picked.x) + "," + std::to_string(picked.y)),
              std::string::npos);
    EXPECT_EQ(saved.find("Stonebridge"), std::string::npos);
    EXPECT_EQ(SendMessageA(f_->ComboBox1, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(GetMenuState(f_->MainMenu1, kNew1, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

// Only the user's choice in the list selects a location: not the focus that comes back to the
// editor when it is activated again after a pick on the main view.
TEST_F(ViewerWindows, ApplyAddAndDeleteAfterAPickEndInTheirState) {
    Start("Animate=0\r\n");
    SendMessageA(f_->Window(), WM_COMMAND, kAddlocations1, 0);
    TForm3& e = *f_->Editor();
    const HWND view = f_->PaintBox1->Window();
    const ViewGeometry& g = f_->State().View;
    for (int round = 0; round < 6; ++round) {
        const HWND button = std::vector<HWND>{e.Button4, e.Button3, e.Button2}[round / 2];
        SendMessageA(e.ListBox1, LB_SETCURSEL, 1, 0);
        SendMessageA(e.Window(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), LPARAM(e.ListBox1));
        SetFocus(e.Edit3);
        // Delete stays enabled only when the pick leaves X and Y as they were.
        const int shift = button == e.Button2 ? 0 : 3;
        const LPARAM at = At(g.CenterX + shift, g.CenterY + shift * round);
        SetActiveWindow(f_->Window());
        SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(view, WM_LBUTTONUP, 0, at);
        SetActiveWindow(e.Window());
        if (button == e.Button3) {
            SetFocus(e.Edit1);
            SendMessageA(e.Edit1, EM_SETSEL, 100, 100);
            SendMessageA(e.Edit1, WM_CHAR, '2', 0);
        }
        ASSERT_TRUE(IsWindowEnabled(button)) << round;
        SendMessageA(button, BM_CLICK, 0, 0);
        Pump();
        // Add leaves the selection as it was, Apply and Delete none.
        std::string state;
        for (HWND edit : {e.Edit1, e.Edit2, e.Edit3})
            state += WindowText(edit) + "|";
        for (HWND b : {e.Button4, e.Button3, e.Button2})
            state += IsWindowEnabled(b) ? "on " : "off ";
        state += std::to_string(SendMessageA(e.ListBox1, LB_GETSELCOUNT, 0, 0) > 0 ||
                                SendMessageA(e.ListBox1, LB_GETCURSEL, 0, 0) >= 0);
        EXPECT_EQ(state, std::string("|||off off off ") + (button == e.Button3 ? "1" : "0"))
            << round;
    }
    EXPECT_EQ(SendMessageA(e.ListBox1, LB_GETCOUNT, 0, 0), 3);
}

TEST_F(ViewerWindows, TheBorderDialogAndTheColourChooserReachTheViewsAndTheSettingsAtExit) {
    Start("Animate=0\r\nBorderStyle=4\r\n");
    dialogs_.colour = RGB(0x12, 0x34, 0x56);
    dialogs_.inModal = [](HWND form5) {
        const HWND list = FindWindowExA(form5, nullptr, "COMBOBOX", nullptr);
        SendMessageA(list, CB_SETCURSEL, 0, 0); // Solid
        SendMessageA(form5, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     LPARAM(list));
        SendMessageA(FindWindowExA(form5, nullptr, "BUTTON", "&Color"), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(form5, IDOK), BM_CLICK, 0, 0);
    };
    SendMessageA(f_->Window(), WM_COMMAND, kMapborderstyle1, 0);
    EXPECT_EQ(dialogs_.modalCaptions, std::vector<std::string>{"Borderstyle"});
    EXPECT_EQ(f_->State().BorderStyle, BorderPattern::Solid);
    EXPECT_EQ(f_->State().BorderColor, ColorValue(0x563412));
    // The view at the map's top-left corner beyond its edge shows the new border.
    SendMessageA(f_->PaintBox2->Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(0, 0));
    SendMessageA(f_->PaintBox2->Window(), WM_LBUTTONUP, 0, At(0, 0));
    EXPECT_EQ(f_->PaintBox1->SectionPixel(0, 0), RGB(0x12, 0x34, 0x56));

    dialogs_.colour = RGB(0xFF, 0, 0);
    SendMessageA(f_->Window(), WM_COMMAND, kCrosscolor1, 0);
    SendMessageA(f_->TrackBar1, TBM_SETPOS, TRUE, 35);
    SendMessageA(f_->CheckBox1, BM_CLICK, 0, 0);
    f_.reset(); // the program ends
    const std::string ini = *ReadWholeFile(dir_.File("ORVDMAP.ini"));
    for (const char* line : {"AnimationSpeed=35", "Animate=1", "Cross=0", "CrossColor=clRed",
                             "BorderColor=$00563412", "BorderStyle=0", "AskBackup=1"})
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
}

TEST_F(ViewerWindows, TheBorderDialogsButtonsShowTheirGlyphsAndKeepTheDialogKeys) {
    Start("Animate=0\r\nBorderStyle=4\r\n");
    dialogs_.inModal = [](HWND form5) {
        ShowWindow(form5, SW_SHOW);
        const HWND ok = GetDlgItem(form5, IDOK), cancel = GetDlgItem(form5, IDCANCEL);
        const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
        const Face okFace(ok), cancelFace(cancel);
        EXPECT_TRUE(okFace.Has(kOkGreen) && !okFace.Has(kCancelRed));
        EXPECT_TRUE(cancelFace.Has(kCancelRed) && !cancelFace.Has(kOkGreen));
        // The caption is written after the glyph.
        const Point glyph = okFace.Find(kOkGreen);
        const Point text = okFace.Find(GetSysColor(COLOR_BTNTEXT));
        EXPECT_GT(text.x, 0);
        EXPECT_TRUE(okFace.At(0, 12) == frame && cancelFace.At(0, 12) != frame);
        SendMessageA(ok, BM_SETSTATE, TRUE, 0);
        const Point pressed = Face(ok).Find(kOkGreen);
        EXPECT_TRUE(pressed.x == glyph.x + 1 && pressed.y == glyph.y + 1);
        SendMessageA(ok, BM_SETSTATE, FALSE, 0);

        // Tab from OK makes Cancel the default button, and Enter then presses it.
        SetFocus(ok);
        MSG tab{ok, WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageA(form5, &tab);
        ASSERT_EQ(GetFocus(), cancel);
        EXPECT_TRUE(Face(cancel).At(0, 12) == frame && Face(ok).At(0, 12) != frame);
        MSG enter{cancel, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        IsDialogMessageA(form5, &enter);
    };
    SendMessageA(f_->Window(), WM_COMMAND, kMapborderstyle1, 0);
    EXPECT_EQ(dialogs_.closedUnplayed, 0);
    EXPECT_EQ(f_->State().BorderStyle, PatternFromCode(4));

    SendMessageA(f_->Window(), WM_COMMAND, kAddlocations1, 0);
    const Face done(f_->Editor()->BitBtn1), cancel(f_->Editor()->BitBtn2);
    EXPECT_TRUE(done.Has(kOkGreen) && cancel.Has(kCancelRed));
}

TEST_F(ViewerWindows, TheWindowCannotBeMadeSmallerThanItsDefinition) {
    Start("");
    RECT client;
    GetClientRect(f_->Window(), &client);
    EXPECT_EQ(client.right, 655);
    EXPECT_EQ(client.bottom, 424);
    MINMAXINFO limits{};
    SendMessageA(f_->Window(), WM_GETMINMAXINFO, 0, LPARAM(&limits));
    const SIZE minimum = OuterSizeFor(f_->Window(), 392, 424);
    EXPECT_EQ(limits.ptMinTrackSize.x, minimum.cx);
    EXPECT_EQ(limits.ptMinTrackSize.y, minimum.cy);
}

TEST_F(ViewerWindows, ANewLanguageIsSavedAndThenChosenFromTheLanguageMenu) {
    Start("Animate=0\r\n");
    SendMessageA(f_->Window(), WM_COMMAND, kNew1, 0);
    TForm3& e = *f_->Editor();
    EXPECT_EQ(WindowText(e.Window()), "Edit - ");
    EXPECT_EQ(SendMessageA(e.ListBox1, LB_GETCOUNT, 0, 0), 0);
    // Done without a language name: the message, and the editor stays.
    SendMessageA(e.BitBtn1, BM_CLICK, 0, 0);
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{std::string(LocationEditor::kNoLanguageMessage)});
    EXPECT_TRUE(e.Visible());

    SetWindowTextA(e.Edit4, "Frysk");
    SetWindowTextA(e.Edit1, "Noardpoarte");
    SetWindowTextA(e.Edit2, "310");
    SetWindowTextA(e.Edit3, "260");
    SendMessageA(e.Button3, BM_CLICK, 0, 0);
    dialogs_.savePath = dir_.File("NR_Frysk.dat");
    SendMessageA(e.BitBtn1, BM_CLICK, 0, 0);
    EXPECT_EQ(dialogs_.proposedPath, dir_.File("NR_Frysk.dat"));
    EXPECT_TRUE(dialogs_.modalCaptions.empty()); // a new file: no backup, no notice
    EXPECT_FALSE(e.Visible());
    // Another language's file: the shown list stays, the menu gains the new language.
    EXPECT_EQ(WindowText(f_->Window()), "Orvandel Map - English");
    ASSERT_EQ(GetMenuItemCount(f_->SelectLanguage1), 2);
    int frysk = -1;
    for (int i = 0; i < 2; ++i) {
        char caption[64] = {};
        GetMenuStringA(f_->SelectLanguage1, UINT(i), caption, sizeof caption, MF_BYPOSITION);
        if (std::string(caption) == "Frysk")
            frysk = int(GetMenuItemID(f_->SelectLanguage1, i));
    }
    ASSERT_GE(frysk, int(kFirstLanguage));
    SendMessageA(f_->Window(), WM_COMMAND, WPARAM(frysk), 0);
    EXPECT_EQ(WindowText(f_->Window()), "Orvandel Map - Frysk");
    SendMessageA(f_->ComboBox1, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(WindowText(f_->ComboBox1), "Noardpoarte");
    EXPECT_EQ(Position(), PositionFor({310, 260}));
}

TEST_F(ViewerWindows, SavingUnderTheBackupsNameIsRefusedAndTheEditorKeepsItsWork) {
    Start("Animate=0\r\n");
    const std::string original = *ReadWholeFile(dir_.File("NR_Engli.dat"));
    SendMessageA(f_->Window(), WM_COMMAND, kAddlocations1, 0);
    TForm3& e = *f_->Editor();
    SendMessageA(e.ListBox1, LB_SETCURSEL, 0, 0);
    SendMessageA(e.Window(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), LPARAM(e.ListBox1));
    SendMessageA(e.Button2, BM_CLICK, 0, 0);
    dialogs_.savePath = dir_.File("NR_Engli.da~");
    SendMessageA(e.BitBtn1, BM_CLICK, 0, 0);
    ASSERT_EQ(dialogs_.messages.size(), 1u); // the standard error box, with its full stop
    EXPECT_EQ(dialogs_.messages[0], "Cannot save as " + dir_.File("NR_Engli.da~") +
                                        ": \".da~\" is the extension of backup files. Choose "
                                        "another name.");
    EXPECT_TRUE(e.Visible());
    EXPECT_EQ(SendMessageA(e.ListBox1, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(*ReadWholeFile(dir_.File("NR_Engli.dat")), original);
    EXPECT_FALSE(FileExists(dir_.File("NR_Engli.da~")));
    // Cancel closes it without saving; File > Edit... and New... come back.
    SendMessageA(e.BitBtn2, BM_CLICK, 0, 0);
    EXPECT_FALSE(e.Visible());
    EXPECT_EQ(*ReadWholeFile(dir_.File("NR_Engli.dat")), original);
    EXPECT_EQ(GetMenuState(f_->MainMenu1, kAddlocations1, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(ViewerWindows, TheAboutBoxShowsTheVersionAndClosesOnAClickOnThePictureOnly) {
    Start("");
    int afterVersionClick = -1;
    dialogs_.inModal = [&](HWND about) {
        ASSERT_NE(fSplash, nullptr);
        EXPECT_EQ(fSplash->Window(), about);
        EXPECT_EQ(fSplash->Label6Text(), "v " ORVD_VERSION);
        EXPECT_FALSE(fSplash->Label7Visible());
        EXPECT_TRUE(fSplash->GoldImageLoaded()); // RCDATA 1 of the program's resources
        EXPECT_TRUE(fSplash->LetteringLoaded());
        SendMessageA(about, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 252)); // the version text
        SendMessageA(about, WM_LBUTTONUP, 0, At(50, 252));
        afterVersionClick = fSplash->ModalResult();
        SendMessageA(about, WM_LBUTTONDOWN, MK_LBUTTON, At(300, 120)); // the picture
        SendMessageA(about, WM_LBUTTONUP, 0, At(300, 120));
        EXPECT_EQ(fSplash->ModalResult(), 1);
    };
    SendMessageA(f_->Window(), WM_COMMAND, kAbout1, 0);
    EXPECT_EQ(afterVersionClick, 0);
    EXPECT_EQ(fSplash, nullptr); // released with the command
}

TEST_F(ViewerWindows, HelpShowsTheContentsAndAControlsTopicAsAPopup) {
    WriteFile(dir_.File("orvd.hlp"), "[contents] Test Help\r\nAll about it.\r\n"
                                     "[303] X and Y\r\nWhere the place lies.\r\n");
    HelpViewer::Instance().SetHelpFile(dir_.File("orvd.hlp"));
    Start("");
    SendMessageA(f_->Window(), WM_COMMAND, kHelp2, 0);
    ASSERT_NE(HelpViewer::Instance().ContentsWindow(), nullptr);
    EXPECT_EQ(WindowText(HelpViewer::Instance().ContentsWindow()), "Test Help");
    DestroyWindow(HelpViewer::Instance().ContentsWindow());

    // The editor's "?" button, then a click on the Y field.
    SendMessageA(f_->Window(), WM_COMMAND, kAddlocations1, 0);
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = f_->Editor()->Edit3;
    info.dwContextId = GetWindowContextHelpId(f_->Editor()->Edit3);
    SendMessageA(f_->Editor()->Window(), WM_HELP, 0, LPARAM(&info));
    ASSERT_NE(HelpViewer::Instance().Popup(), nullptr);
    EXPECT_EQ(HelpViewer::Instance().PopupContext(), 303);
    EXPECT_NE(WindowText(HelpViewer::Instance().Popup()).find("Where the place lies."),
              std::string::npos);
    DestroyWindow(HelpViewer::Instance().Popup());
    HelpViewer::Instance().SetHelpFile("orvd.hlp");
}

TEST_F(ViewerWindows, ResizingLaysTheWindowOutAgainAndShowsTheMapFromItsCorner) {
    Start("Animate=0\r\n");
    SendMessageA(f_->ComboBox1, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_NE(Position(), (Point{0, 0}));
    const SIZE outer = OuterSizeFor(f_->Window(), 800, 600);
    SetWindowPos(f_->Window(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    const WindowLayout& l = f_->State().View.Layout;
    EXPECT_EQ(l.PaintBox1Width, 800 + kFrameWidth - 277);
    EXPECT_EQ(l.PaintBox1Height, 600 + kFrameHeight - 71);
    const RECT box = ChildRect(f_->PaintBox1->Window());
    EXPECT_EQ(box.right - box.left, l.PaintBox1Width);
    EXPECT_EQ(box.bottom - box.top, l.PaintBox1Height);
    EXPECT_EQ(ChildRect(f_->Panel1).left, l.Panel1Left);
    EXPECT_EQ(ChildRect(f_->Panel1).top, l.Panel1Top);
    EXPECT_EQ(Position(), (Point{0, 0}));
    ExpectMainViewShowsMap();
}

} // namespace
