#include "app/win32/TForm1.h"

#include "base/Error.h"
#include "base/ErrorMessage.h"
#include "base/win32/Dialogs.h"
#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"
#include "mapdata/MapTable.h"
#include "view/win32/MapView.h"

#include <span>

namespace orvd {

namespace {

constexpr const char* kFormClass = "TForm1";
constexpr const char* kPanelClass = "OrvdPanel";
constexpr int kClientWidth = kInitialOuterWidth - kFrameWidth;    // 655
constexpr int kClientHeight = kInitialOuterHeight - kFrameHeight; // 424
// Below the drop-down box's own 21 pixels, room for 12 rows of the list.
constexpr int kDropRows = 12;

// The panel hands its controls' notifications to the main window, where the handlers live.
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_CONTEXTMENU:
    case WM_NOTIFY:
        return SendMessageA(GetParent(panel), message, wp, lp);
    case WM_PAINT: {
        // Lowered outer bevel, raised inner bevel, one pixel each.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(panel, &ps);
        RECT r;
        GetClientRect(panel, &r);
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&r, -1, -1);
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        EndPaint(panel, &ps);
        return 0;
    }
    default:
        return DefWindowProcA(panel, message, wp, lp);
    }
}

int ListRowHeight(HWND box) {
    const LRESULT height = SendMessageA(box, CB_GETITEMHEIGHT, 0, 0);
    return height > 0 ? int(height) : 13;
}

} // namespace

void TForm1::CreateWindowAndControls() {
    RegisterWindowClass(kFormClass, &ObjectProcedure<TForm1>);
    RegisterWindowClass(kPanelClass, &PanelProcedure);
    INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kFormClass, kApplicationTitle,
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                              kInitialOuterWidth, kInitialOuterHeight, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!window_)
        throw Error("The main window could not be created.");
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    BuildMenus();
    BuildControls();
    state_.View.Layout = kDesignLayout; // until the first size report

    // The client area of the definition whatever the frame metrics, centred on the screen.
    const SIZE outer = OuterSizeFor(window_, kClientWidth, kClientHeight);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - outer.cx) / 2,
                 work.top + (work.bottom - work.top - outer.cy) / 2, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::BuildControls() {
    // Both boxes show a buffer of the core and have ShowMap as their paint handler.
    MapView::Handlers main;
    main.Paint = [this] { PaintBoxPaint(); };
    main.Press = [this](MouseButton b, Point at) {
        RunHandler(window_, [&] { PaintBox1MouseDown(b, at); });
    };
    main.Release = [this](MouseButton b, Point) {
        RunHandler(window_, [&] { PaintBox1MouseUp(b); });
    };
    PaintBox1 = std::make_unique<MapView>(window_, kDesignLayout.PaintBox1(),
                                          &state_.View.ViewBuffer, std::move(main));
    MapView::Handlers overview;
    overview.Paint = [this] { PaintBoxPaint(); };
    overview.Press = [this](MouseButton b, Point at) {
        RunHandler(window_, [&] { PaintBox2MouseDown(b, at); });
    };
    overview.Move = [this](bool left, Point at) {
        RunHandler(window_, [&] { PaintBox2MouseMove(left, at); });
    };
    overview.Click = [this] { RunHandler(window_, [&] { PaintBox2Click(); }); };
    PaintBox2 = std::make_unique<MapView>(window_, kDesignLayout.PaintBox2(),
                                          &state_.View.OverviewBuffer, std::move(overview));
    EnableWindow(PaintBox2->Window(), FALSE); // a disabled box receives no pointer events

    Panel1 = MakeControl(window_, kPanelClass, "", WS_CLIPSIBLINGS, kDesignLayout.Panel1Left,
                         kDesignLayout.Panel1Top, WindowLayout::kPanel1Width,
                         WindowLayout::kPanel1Height, 0, WS_EX_CONTROLPARENT);
    Label1 = MakeLabel(Panel1, "Select :", 7, 4);
    ComboBox1 = MakeControl(Panel1, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 6,
                            20, 209, 21, kComboBox1);
    MoveWindow(ComboBox1, 6, 20, 209, 21 + kDropRows * ListRowHeight(ComboBox1) + 2, FALSE);
    SetWindowContextHelpId(ComboBox1, 101);

    Label2 = MakeLabel(Panel1, "Search :", 7, 52);
    // Right-aligned: the right edge stays at x = 212 whatever the text.
    Label6 = MakeControl(Panel1, "STATIC", "0 found", SS_RIGHT | SS_NOPREFIX, 212 - 100, 52, 100,
                         TextSize(DialogFont(), "0").cy);
    ComboBox2 = MakeControl(Panel1, "COMBOBOX", "",
                            CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 6, 68, 209,
                            21, kComboBox2);
    MoveWindow(ComboBox2, 6, 68, 209, 21 + kDropRows * ListRowHeight(ComboBox2) + 2, FALSE);
    SetWindowContextHelpId(ComboBox2, 102);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(ComboBox2, &parts) && parts.hwndItem) {
        searchEditProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            parts.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SearchEditProcedure)));
        AttachObject(parts.hwndItem, this);
    }

    Label3 = MakeLabel(Panel1, "Animation speed", 7, 100);
    TrackBar1 =
        MakeControl(Panel1, TRACKBAR_CLASSA, "", TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP,
                    6, 116, 150, 33, kTrackBar1);
    SendMessageA(TrackBar1, TBM_SETRANGE, FALSE, MAKELPARAM(10, 50));
    SendMessageA(TrackBar1, TBM_SETTICFREQ, 10, 0);
    SendMessageA(TrackBar1, TBM_SETLINESIZE, 0, 5);
    SendMessageA(TrackBar1, TBM_SETPAGESIZE, 0, 10);
    SendMessageA(TrackBar1, TBM_SETPOS, TRUE, 20);
    SetWindowContextHelpId(TrackBar1, 103);
    Label4 = MakeLabel(Panel1, "Slow", 8, 148);
    Label5 = MakeLabel(Panel1, "Fast", 139, 148);

    CheckBox1 = MakeControl(Panel1, "BUTTON", "Animate", BS_AUTOCHECKBOX | WS_TABSTOP, 6, 168, 73,
                            17, kCheckBox1);
    CheckBox2 = MakeControl(Panel1, "BUTTON", "Crosshairs", BS_AUTOCHECKBOX | WS_TABSTOP, 6, 186,
                            97, 17, kCheckBox2);
}

void TForm1::BuildMenus() {
    // The menus of the window's definition, item by item in menu order. The hints of New and
    // Edit are not displayed: the window has no status line.
    struct MenuItem {
        const char* Caption; // null for a separator
        int Id = 0;
        HMENU TForm1::*Submenu = nullptr; // filled elsewhere
    };
    static const MenuItem kFile[] = {
        {"&New...", kNew1},
        {"&Edit...", kAddlocations1},
        {"Select &map", 0, &TForm1::Selectmap1},
        {"Select &language", 0, &TForm1::SelectLanguage1},
        {nullptr},
        {"&Crosshair color...", kCrosscolor1},
        {"Map&border style...", kMapborderstyle1},
        {"E&xit", kExit1},
    };
    static const MenuItem kHelp[] = {{"&Help", kHelp2}, {"&About", kAbout1}};
    static const MenuItem kPopup[] = {{"What's this?", kWhatsthis1}};
    const auto fill = [this](HMENU menu, std::span<const MenuItem> items) {
        for (const MenuItem& entry : items) {
            if (!entry.Caption) {
                AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            } else if (entry.Submenu) {
                HMENU submenu = CreatePopupMenu();
                this->*entry.Submenu = submenu;
                // Select map is never shown: the map stays the one chosen at start-up.
                if (entry.Submenu != &TForm1::Selectmap1)
                    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry.Caption);
            } else {
                AppendMenuA(menu, MF_STRING, UINT_PTR(entry.Id), entry.Caption);
            }
        }
    };
    MainMenu1 = CreateMenu();
    File1 = CreatePopupMenu();
    fill(File1, kFile);
    int id = kNorrowen1;
    for (const MapEntry& map : kMaps)
        AppendMenuA(Selectmap1, MF_STRING | MF_GRAYED, UINT_PTR(id++), map.Name);
    Help1 = CreatePopupMenu();
    fill(Help1, kHelp);
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(File1), "&File");
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(Help1), "&Help");
    SetMenu(window_, MainMenu1);
    PopupMenu1 = CreatePopupMenu();
    fill(PopupMenu1, kPopup);
    // Until the editor is handed over, nothing opens it.
    for (int id : {kNew1, kAddlocations1})
        EnableMenuItem(MainMenu1, UINT(id), MF_BYCOMMAND | MF_GRAYED);
}

void TForm1::PaintBevels(HDC dc) {
    // Bevel3 and Bevel4: lowered one-pixel frames around the two boxes.
    const WindowLayout& l = state_.View.Layout;
    for (const Rect& bevel : {l.Bevel3(), l.Bevel4()}) {
        RECT r = RectOf(bevel);
        if (!bevel.IsEmpty())
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    }
}

} // namespace orvd
