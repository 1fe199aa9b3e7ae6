#include "base/win32/HelpViewer.h"

#include "base/FileSystem.h"
#include "base/ProgramPath.h"
#include "base/Rect.h"
#include "base/help/HelpFile.h"
#include "base/help/PopupPlacement.h"
#include "base/win32/WindowKit.h"

namespace orvd {
namespace {

constexpr const char* kContentsClass = "OrvdHelpWindow";
constexpr const char* kPopupClass = "OrvdHelpPopup";
constexpr int kPopupWidth = 300;
constexpr int kMargin = 6;

// A topic as plain text for an edit field: its title, then its blocks, indented as written.
std::string TopicText(const HelpTopic& topic) {
    std::string text = topic.Title + "\r\n";
    for (const HelpBlock& block : HelpBlocks(topic.Text)) {
        if (block.Spaced)
            text += "\r\n";
        text += std::string(block.Indent, ' ') + block.Text + "\r\n";
    }
    return text;
}

LRESULT CALLBACK ContentsProcedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetWindow(window, GW_CHILD));
        return 0;
    case WM_COMMAND: // Esc, through the dialog keys of the message loop
        if (LOWORD(wp) == IDCANCEL)
            DestroyWindow(window);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wp, lp);
    }
}

LRESULT CALLBACK PopupProcedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT r;
        GetClientRect(window, &r);
        InflateRect(&r, -kMargin, -kMargin);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, DialogFont());
        const std::string text = WindowText(window);
        DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_KILLFOCUS:
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wp, lp);
    }
}

} // namespace

HelpViewer& HelpViewer::Instance() {
    static HelpViewer viewer;
    return viewer;
}

std::string HelpViewer::HelpFilePath() const {
    if (IsAbsolutePath(fileName_))
        return fileName_;
    return ResolveFileName(DirectoryOf(ProgramPath()), fileName_);
}

bool HelpViewer::Load(HelpFile& file) const {
    const auto bytes = ReadWholeFile(HelpFilePath(), 1 << 20);
    if (!bytes)
        return false;
    file = HelpFile::Parse(*bytes);
    return true;
}

void HelpViewer::ShowContents(HWND owner) {
    HelpFile file;
    if (!Load(file) || !file.Contents())
        return;
    if (!IsWindow(contents_)) {
        RegisterWindowClass(kContentsClass, &ContentsProcedure);
        contents_ =
            MakeFormWindow(kContentsClass, nullptr, "", WS_OVERLAPPEDWINDOW, 0, 480, 420, owner);
        MakeControl(contents_, "EDIT", "",
                    ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, 0, 0,
                    480, 420);
    }
    std::string text = TopicText(*file.Contents());
    for (const auto& [context, topic] : file.Topics())
        text += "\r\n" + TopicText(topic);
    SetWindowTextA(contents_, file.Contents()->Title.c_str());
    SetWindowTextA(GetWindow(contents_, GW_CHILD), text.c_str());
    ShowWindow(contents_, SW_SHOW);
    SetForegroundWindow(contents_);
}

void HelpViewer::ShowPopup(int context, HWND control) {
    if (context <= 0 || !control)
        return;
    HelpFile file;
    const HelpTopic* topic = Load(file) ? file.Find(context) : nullptr;
    if (!topic)
        return;
    if (IsWindow(popup_))
        DestroyWindow(popup_);
    std::string text = topic->Title + "\r\n";
    for (const HelpBlock& block : HelpBlocks(topic->Text))
        text += block.Text + " ";
    // The height the text takes at the pop-up's width.
    RECT measure{0, 0, kPopupWidth - 2 * kMargin - 2, 0};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, DialogFont());
    DrawTextA(dc, text.c_str(), int(text.size()), &measure,
              DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int height = measure.bottom + 2 * kMargin + 2;

    RECT at;
    GetWindowRect(control, &at);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(control, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const Point place =
        PlacePopupBeside(Rect{at.left, at.top, at.right, at.bottom}, kPopupWidth, height,
                         Rect{work.left, work.top, work.right, work.bottom}, 8);
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), kPopupClass, &cls))
        RegisterWindowClass(kPopupClass, &PopupProcedure, CreateSolidBrush(RGB(0xFF, 0xFF, 0xE1)));
    popup_ =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPopupClass, text.c_str(),
                        WS_POPUP | WS_BORDER, place.x, place.y, kPopupWidth, height,
                        GetAncestor(control, GA_ROOT), nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(popup_, SW_SHOW);
    SetFocus(popup_);
    popupContext_ = context;
}

} // namespace orvd
