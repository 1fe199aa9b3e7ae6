#include "editor/win32/TForm3.h"

#include "base/Error.h"
#include "base/ErrorMessage.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileFile.h"
#include "base/win32/Dialogs.h"
#include "base/win32/GlyphButton.h"
#include "base/win32/HelpViewer.h"
#include "editor/AskBackupSetting.h"
#include "editor/EditorPrompts.h"
#include "editor/win32/EditorWindowHost.h"
#include "editor/win32/TForm4.h"

namespace orvd {
namespace {

constexpr const char* kClassName = "TForm3";
constexpr int kBitBtn1 = 100; // not IDOK: Enter in a field presses nothing

void ShowText(HWND edit, const std::string& text) {
    if (WindowText(edit) != text)
        SetWindowTextA(edit, text.c_str());
}

} // namespace

// The modal windows of Done, each through the dialog seam.
class TForm3::Prompts final : public EditorPrompts {
public:
    explicit Prompts(TForm3& form) : form_(form) {}

    void ShowMessage(const std::string& text) override {
        Dialogs().Message(form_.window_, text, kApplicationTitle, MB_OK);
    }

    std::optional<std::string> AskSavePath(const std::string& proposedPath) override {
        const std::string folder = form_.host_.ProgramDirectory();
        std::string file = proposedPath;
        file.resize(std::max<std::size_t>(file.size() + 1, MAX_PATH), '\0');
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = form_.window_;
        dialog.lpstrFilter = "Data files (*.dat)\0*.dat\0All files (*.*)\0*.*\0";
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = DWORD(file.size());
        dialog.lpstrInitialDir = folder.c_str();
        // The system asks before a file is replaced.
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
        if (!Dialogs().SaveFileName(dialog))
            return std::nullopt;
        file.resize(file.find('\0'));
        if (file.empty())
            return std::nullopt;
        return file;
    }

    bool ShowBackupNotice(const std::string& backupFileName) override {
        TForm4 notice(backupFileName, form_.window_);
        return notice.ShowModal();
    }

private:
    TForm3& form_;
};

TForm3::TForm3(std::string settingsPath, EditorWindowHost& host)
    : settingsPath_(std::move(settingsPath)), host_(host), editor_(host_) {
    RegisterWindowClass(kClassName, &ObjectProcedure<TForm3>);
    MakeFormWindow(kClassName, this, "Edit", WS_CAPTION | WS_SYSMENU | WS_POPUP,
                   WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_CONTROLPARENT, 360, 200,
                   host.Window());
    if (!window_)
        throw Error("The location editor could not be created.");
    BuildControls();
    RunHandler(window_, [this] { FormCreate(); });
}

TForm3::~TForm3() {
    FormDestroy();
    if (window_) {
        AttachObject(window_, nullptr);
        DestroyWindow(window_);
    }
}

void TForm3::BuildControls() {
    const auto edit = [this](int x, int y, int width, int context) {
        HWND e = MakeControl(window_, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, x, y, width, 21, 0,
                             WS_EX_CLIENTEDGE);
        SetWindowContextHelpId(e, DWORD(context));
        return e;
    };
    hints_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                             0, 0, 0, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    const auto button = [this](const char* text, const char* hint, int y, int context, int id = 0) {
        HWND b =
            MakeControl(window_, "BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP, 280, y, 73, 25, id);
        SetWindowContextHelpId(b, DWORD(context));
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(b);
        tool.lpszText = const_cast<char*>(hint);
        SendMessageA(hints_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        return b;
    };

    // Created in the tab order, each label before its field.
    Label4 = MakeLabel(window_, "Language:", 8, 6);
    Edit4 = edit(8, 20, 169, 301);
    Label1 = MakeLabel(window_, "Name:", 8, 46);
    Edit1 = edit(8, 60, 169, 302);
    Label2 = MakeLabel(window_, "X:", 184, 46);
    Edit2 = edit(184, 60, 41, 303);
    Label3 = MakeLabel(window_, "Y:", 230, 46);
    Edit3 = edit(230, 60, 41, 303);
    Button1 = button("&New", "Create a new location.", 8, 305);
    Button4 = button("A&pply", "Apply changes.", 36, 306);
    Button3 = button("&Add", "Add this location.", 64, 307);
    Button2 = button("&Delete", "Delete the selected location.", 92, 308);
    ListBox1 = MakeControl(window_, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, 8, 88, 263,
                           104, 0, WS_EX_CLIENTEDGE);
    SetWindowContextHelpId(ListBox1, 304);
    MakeControl(window_, "STATIC", "", SS_ETCHEDHORZ, 280, 129, 73, 2);
    BitBtn1 = button("Do&ne", "Quit and save.", 138, 309, kBitBtn1);
    BitBtn2 = button("&Cancel", "Quit and don't save.", 167, 310, IDCANCEL);
    GiveButtonGlyph(BitBtn1, ButtonGlyph::Ok);
    GiveButtonGlyph(BitBtn2, ButtonGlyph::Cancel);
}

void TForm3::FormCreate() {
    editor_.AskBackup = ReadAskBackup(ProfileFile(settingsPath_));
}

void TForm3::Show() {
    ShowWindow(window_, SW_SHOW);
    Forward([this] { FormShow(); });
}

void TForm3::FormShow() {
    RECT outer;
    GetWindowRect(window_, &outer);
    SetWindowPos(window_, nullptr, GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left) - 4,
                 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    editor_.FormShow();
    // Set here only: a failed Done keeps the caption the dialog was opened with.
    SetWindowTextA(window_, editor_.Caption().c_str());
    SetFocus(Edit4);
}

void TForm3::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    RunHandler(window_, [this] { SaveAskBackupAtExit(settingsPath_, editor_.AskBackup); });
}

void TForm3::BitBtn1Click() {
    Prompts prompts(*this);
    bool closing = false;
    Forward([&] { closing = editor_.BitBtn1Click(prompts); });
    if (closing)
        Close();
}

void TForm3::Close() {
    if (!Visible())
        return;
    Forward([this] { editor_.FormClose(); });
    ShowWindow(window_, SW_HIDE);
}

void TForm3::PickPoint(Point map) {
    Forward([&] { editor_.PickPoint(map); });
}

void TForm3::Forward(const std::function<void()>& handler) {
    RunHandler(window_, handler);
    Refresh();
}

void TForm3::Refresh() {
    refreshing_ = true;
    ShowText(Edit4, editor_.LanguageText());
    ShowText(Edit1, editor_.NameText());
    ShowText(Edit2, editor_.XText());
    ShowText(Edit3, editor_.YText());
    if (shownNames_ != editor_.Names()) {
        shownNames_ = editor_.Names();
        SendMessageA(ListBox1, WM_SETREDRAW, FALSE, 0);
        SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0);
        for (const std::string& name : shownNames_)
            SendMessageA(ListBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageA(ListBox1, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(ListBox1, nullptr, TRUE);
    }
    if (int(SendMessageA(ListBox1, LB_GETCURSEL, 0, 0)) != editor_.Selected())
        SendMessageA(ListBox1, LB_SETCURSEL, WPARAM(editor_.Selected()), 0);
    EnableWindow(Button4, editor_.ApplyEnabled());
    EnableWindow(Button3, editor_.AddEnabled());
    EnableWindow(Button2, editor_.DeleteEnabled());
    refreshing_ = false;
}

void TForm3::Command(HWND control, int notification) {
    if (control == Edit4 && notification == EN_CHANGE && !refreshing_) {
        Forward([&] { editor_.Edit4Change(WindowText(Edit4)); });
    } else if (control == Edit1 && notification == EN_CHANGE && !refreshing_) {
        Forward([&] { editor_.Edit1Change(WindowText(Edit1)); });
    } else if ((control == Edit2 || control == Edit3) && notification == EN_CHANGE &&
               !refreshing_) {
        Forward([&] { editor_.Edit2Change(WindowText(Edit2), WindowText(Edit3)); });
    } else if ((control == Edit2 || control == Edit3) && notification == EN_SETFOCUS) {
        Forward([&] { editor_.Edit2Enter(); });
    } else if ((control == Edit2 || control == Edit3) && notification == EN_KILLFOCUS) {
        // Going to the main window, or to another window, is not leaving the field.
        const HWND focus = GetFocus();
        if (focus && GetAncestor(focus, GA_ROOT) == window_)
            Forward([&] { editor_.Edit2Exit(); });
    } else if (control == ListBox1 && notification == LBN_SELCHANGE) {
        Forward([&] { editor_.ListBox1Click(int(SendMessageA(ListBox1, LB_GETCURSEL, 0, 0))); });
    } else if (notification == BN_CLICKED) {
        if (control == Button1)
            Forward([&] { editor_.Button1Click(); });
        else if (control == Button4)
            Forward([&] { editor_.Button4Click(); });
        else if (control == Button3)
            Forward([&] { editor_.Button3Click(); });
        else if (control == Button2)
            Forward([&] { editor_.Button2Click(); });
        else if (control == BitBtn1)
            BitBtn1Click();
    }
}

LRESULT TForm3::Handle(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wp) == IDCANCEL) // Cancel and Esc
            Close();
        else if (lp)
            Command(reinterpret_cast<HWND>(lp), HIWORD(wp));
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_CONTEXTMENU: {
        // The main window's "What's this?" menu, for the control under the pointer.
        const HWND control = reinterpret_cast<HWND>(wp);
        if (control != window_) {
            POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (at.x == -1 && at.y == -1) {
                RECT r;
                GetWindowRect(control, &r);
                at = POINT{r.left, r.bottom};
            }
            host_.PopupWhatsThis(control, at);
        }
        return 0;
    }
    case WM_HELP: {
        // The title bar's "?" button, then a click on a control.
        const auto* info = reinterpret_cast<const HELPINFO*>(lp);
        if (info->iContextType == HELPINFO_WINDOW)
            HelpViewer::Instance().ShowPopup(int(info->dwContextId),
                                             static_cast<HWND>(info->hItemHandle));
        return TRUE;
    }
    default:
        return DefWindowProcA(window_, message, wp, lp);
    }
}

} // namespace orvd
