#include "view/win32/TForm5.h"

#include "base/Error.h"
#include "base/win32/Dialogs.h"
#include "base/win32/GlyphButton.h"
#include "view/win32/ColorChooser.h"
#include "view/win32/MapView.h"

#include <algorithm>

namespace orvd {
namespace {

constexpr const char* kClassName = "TForm5";
constexpr int kClientWidth = 301;
constexpr int kClientHeight = 156;
constexpr POINT kScreenPosition{367, 197};
constexpr int kComboBox1 = 101;
constexpr int kButton1 = 102;
constexpr int kDropRows = 7;

} // namespace

TForm5::TForm5(HWND owner, ColorValue& borderColor, BorderPattern& borderStyle,
               const SystemColorTable& colors)
    : owner_(owner), borderColor_(borderColor), borderStyle_(borderStyle), colors_(colors),
      choice_(borderColor, borderStyle, colors.Get(SystemColorTable::kButtonFace)) {
    RegisterWindowClass(kClassName, &ObjectProcedure<TForm5>);
    MakeFormWindow(kClassName, this, "Borderstyle", WS_CAPTION | WS_SYSMENU | WS_POPUP,
                   WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClientWidth, kClientHeight, owner,
                   kScreenPosition.x, kScreenPosition.y);
    if (!window_)
        throw Error("The border style dialog could not be created.");

    // Created in the tab order: the list, OK, Cancel, the colour button.
    Label1 = MakeLabel(window_, "Style", 16, 8);
    // Each item shows its pattern beside its name.
    ComboBox1 = MakeControl(window_, "COMBOBOX", "",
                            CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL |
                                WS_TABSTOP,
                            16, 32, 137, 21, kComboBox1);
    const int row = int(SendMessageA(ComboBox1, CB_GETITEMHEIGHT, 0, 0));
    MoveWindow(ComboBox1, 16, 32, 137, 21 + kDropRows * (row > 0 ? row : 13) + 2, FALSE);
    for (std::string_view caption : kBorderStyleCaptions)
        SendMessageA(ComboBox1, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(std::string(caption).c_str()));
    BitBtn1 =
        MakeControl(window_, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 16, 119, 75, 25, IDOK);
    BitBtn2 = MakeControl(window_, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 96, 119, 75, 25,
                          IDCANCEL);
    GiveButtonGlyph(BitBtn1, ButtonGlyph::Ok);
    GiveButtonGlyph(BitBtn2, ButtonGlyph::Cancel);
    Label2 = MakeLabel(window_, "Color", 16, 60);
    Button1 = MakeControl(window_, "BUTTON", "&Color", BS_PUSHBUTTON | WS_TABSTOP, 16, 76, 75, 25,
                          kButton1);
    Label3 = MakeLabel(window_, "Example", 192, 8);
    MapView::Handlers example;
    // A paint request repaints the box from its background; direct draws are only presented.
    example.Paint = [this] { RunHandler(window_, [this] { PaintBox1Paint(); }); };
    PaintBox1 = std::make_unique<MapView>(
        window_,
        Rect{192, 32, 192 + BorderStyleChoice::kExampleSize, 32 + BorderStyleChoice::kExampleSize},
        &choice_.Example(), std::move(example));

    FormCreate();
}

TForm5::~TForm5() {
    PaintBox1.reset();
    if (window_) {
        AttachObject(window_, nullptr);
        DestroyWindow(window_);
    }
}

void TForm5::FormCreate() {
    SendMessageA(ComboBox1, CB_SETCURSEL, WPARAM(choice_.SelectedItem()), 0);
    DrawExample();
}

int TForm5::ShowModal() {
    modalResult_ = 0;
    SetFocus(ComboBox1);
    return Dialogs().RunModal(
        owner_, window_, [this] { return modalResult_ != 0; }, [this] { return modalResult_; });
}

Rect TForm5::ClientInBox() const {
    // The dialog's client rectangle in the box's coordinates, cut to the box by the fill.
    RECT client;
    GetClientRect(window_, &client);
    return Rect{-192, -32, client.right - 192, client.bottom - 32};
}

void TForm5::DrawExample() {
    choice_.DrawExample(ClientInBox(), colors_);
    PaintBox1->Present();
}

void TForm5::PaintBox1Paint() {
    choice_.RepaintExample(ClientInBox(), colors_.Get(SystemColorTable::kButtonFace), colors_);
}

void TForm5::ComboBox1Change() {
    choice_.SelectItem(int(SendMessageA(ComboBox1, CB_GETCURSEL, 0, 0)));
    DrawExample();
}

void TForm5::Button1Click() {
    if (const auto chosen = ChooseColour(window_, choice_.ChosenColor(), colors_))
        choice_.SetChosenColor(*chosen);
    DrawExample();
}

void TForm5::DrawPatternItem(const DRAWITEMSTRUCT& item) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const int background = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    const int text = selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(background));
    if (item.itemID == UINT(-1))
        return;
    const RECT& r = item.rcItem;
    constexpr int kSwatchWidth = 24;
    const int height = std::max(0, int(r.bottom - r.top) - 4);
    const Image swatch = PatternSwatch(PatternFromCode(int(item.itemID)), kSwatchWidth, height,
                                       colors_.Get(text), colors_.Get(background));
    DrawImage(item.hDC, r.left + 2, r.top + 2, swatch, swatch.Width(), swatch.Height());
    char caption[32] = {};
    SendMessageA(ComboBox1, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(caption));
    RECT textRect{r.left + kSwatchWidth + 6, r.top, r.right, r.bottom};
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(text));
    HGDIOBJ old = SelectObject(item.hDC, DialogFont());
    DrawTextA(item.hDC, caption, -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

void TForm5::BitBtn1Click() {
    choice_.CopyBack(borderColor_, borderStyle_);
}

LRESULT TForm5::Handle(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_COMMAND:
        RunHandler(window_, [&] {
            switch (LOWORD(wp)) {
            case kComboBox1:
                if (HIWORD(wp) == CBN_SELCHANGE)
                    ComboBox1Change();
                break;
            case kButton1:
                Button1Click();
                break;
            case IDOK:
                BitBtn1Click();
                modalResult_ = IDOK;
                break;
            case IDCANCEL: // the button, Esc
                modalResult_ = IDCANCEL;
                break;
            default:
                break;
            }
        });
        // OK closes the dialog also when copying back failed.
        if (LOWORD(wp) == IDOK)
            modalResult_ = IDOK;
        return 0;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        item->itemHeight = UINT(TextSize(DialogFont(), "Ag").cy + 2);
        return TRUE;
    }
    case WM_DRAWITEM:
        DrawPatternItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_CLOSE:
        modalResult_ = IDCANCEL;
        return 0;
    default:
        return DefWindowProcA(window_, message, wp, lp);
    }
}

} // namespace orvd
