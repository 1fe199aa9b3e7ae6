#include "app/win32/TfSplash.h"

#include "mapdata/JpegDecoder.h"

#include <algorithm>
#include <cstring>

namespace orvd {

TfSplash* fSplash = nullptr;

namespace {

constexpr const char* kClassName = "TfSplash";
constexpr int kWidth = 354;
constexpr int kHeight = 275;
constexpr int kLetteringResource = 2;
const COLORREF kPanelColour = RGB(209, 206, 64);
const COLORREF kDarkRed = RGB(136, 0, 0);
const COLORREF kVersionRed = RGB(102, 0, 0);

struct Lettering {
    const char* Text;
    int X, Y;
    const char* Face;
    int Pixels;
    bool Italic;
    COLORREF Colour; // CLR_INVALID: the window-text colour
};

// The definition's labels in stacking order; Label6 and Label7 (version and loading) follow.
const Lettering kLabels[] = {
    {"Realm of", 104, 16, "Times New Roman", 40, false, CLR_INVALID},
    {"Orvandel", 80, 56, "Times New Roman", 40, false, CLR_INVALID},
    {"Map", 147, 104, "Times New Roman", 32, false, CLR_INVALID},
    {"Drawn by the Orvandel guild", 40, 182, "Times New Roman", 21, true, kDarkRed},
    {"Corrections: maps@orvandel.example", 40, 206, "Times New Roman", 13, true, kDarkRed},
    {"News and updates: www.orvandel.example", 40, 223, "Times New Roman", 13, true, kDarkRed},
};
constexpr POINT kLabel6At{48, 249};
constexpr POINT kLabel7At{208, 249};

// The lettering keeps clear of the inner bevel, which ends 4 pixels in from the edge: a text
// too wide is drawn smaller, down to 3/4 of its size, and then cut.
HFONT FittingFont(HDC dc, const Lettering& label) {
    const int room = kWidth - 4 - label.X;
    for (int pixels = label.Pixels; pixels * 4 >= label.Pixels * 3; --pixels) {
        HFONT font = PixelFont(label.Face, pixels, label.Italic);
        SelectObject(dc, font);
        SIZE size;
        GetTextExtentPoint32A(dc, label.Text, int(std::strlen(label.Text)), &size);
        if (size.cx <= room)
            return font;
    }
    return PixelFont(label.Face, label.Pixels * 3 / 4, label.Italic);
}

RECT LabelRect(HDC dc, const Lettering& label) {
    HFONT font = FittingFont(dc, label);
    SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, label.Text, int(std::strlen(label.Text)), &size);
    return RECT{label.X, label.Y, std::min(label.X + int(size.cx), kWidth - 4), label.Y + size.cy};
}

} // namespace

TfSplash::TfSplash(HWND owner) {
    RegisterWindowClass(kClassName, &ObjectProcedure<TfSplash>);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CreateWindowExA(0, kClassName, "Orvandel Map", WS_POPUP,
                    work.left + (work.right - work.left - kWidth) / 2,
                    work.top + (work.bottom - work.top - kHeight) / 2, kWidth, kHeight, owner,
                    nullptr, GetModuleHandleA(nullptr), this);
    FormCreate();
}

TfSplash::~TfSplash() {
    if (window_) {
        AttachObject(window_, nullptr);
        DestroyWindow(window_);
    }
    if (lettering_)
        DeleteObject(lettering_);
    if (fSplash == this)
        fSplash = nullptr;
}

void TfSplash::FormCreate() {
    label6_ = "v " ORVD_VERSION;
    lettering_ = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                 MAKEINTRESOURCEA(kLetteringResource), IMAGE_BITMAP,
                                                 0, 0, LR_CREATEDIBSECTION));
    LoadJPEGfromEXE();
}

void TfSplash::LoadJPEGfromEXE() {
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return; // the panel colour shows instead
    try {
        DecodeJpeg(
            std::string_view(static_cast<const char*>(bytes), SizeofResource(program, found)),
            goldImage_);
    } catch (const std::exception&) {
        goldImage_.Clear();
    }
}

void TfSplash::ShowLabel7(const std::string& text) {
    label7_ = text;
    label7Visible_ = true;
    InvalidateRect(window_, nullptr, FALSE);
}

void TfSplash::HideLabel7() {
    label7Visible_ = false;
    InvalidateRect(window_, nullptr, FALSE);
}

void TfSplash::Panel1Click() {
    modalResult_ = 1;
}

void TfSplash::DrawGoldJPG(HDC dc) {
    if (goldImage_.IsEmpty())
        return;
    // Unscaled at the paint box's (0, 0): the 354 x 275 picture is cut to the 346 x 267 box.
    DrawImage(dc, 4, 4, goldImage_, kWidth - 8, kHeight - 8);
}

void TfSplash::Paint(HDC target) {
    // Drawn off-screen first, so the start-up's single repaint shows the whole window at once.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP surface = CreateCompatibleBitmap(target, kWidth, kHeight);
    HGDIOBJ oldSurface = SelectObject(dc, surface);
    RECT all{0, 0, kWidth, kHeight};
    HBRUSH panel = CreateSolidBrush(kPanelColour);
    FillRect(dc, &all, panel);
    DeleteObject(panel);
    // Raised outer frame, lowered inner bevel of width 2.
    DrawEdge(dc, &all, BDR_RAISEDOUTER, BF_RECT);
    RECT inner = all;
    InflateRect(&inner, -2, -2);
    DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT);
    DrawGoldJPG(dc);

    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, DialogFont());
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        const Lettering& label = kLabels[i];
        RECT r = LabelRect(dc, label);
        SetTextColor(dc,
                     label.Colour == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : label.Colour);
        DrawTextA(dc, label.Text, -1, &r, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
        if (i == 2 && lettering_) {
            // Image1 lies between the title and the authorship lines; its bottom-left colour
            // (the background) is left out.
            HDC picture = CreateCompatibleDC(dc);
            HGDIOBJ oldPicture = SelectObject(picture, lettering_);
            BITMAP size;
            GetObjectA(lettering_, sizeof size, &size);
            TransparentBlt(dc, 28, 144, 297, 25, picture, 0, 0, size.bmWidth, size.bmHeight,
                           GetPixel(picture, 0, size.bmHeight - 1));
            SelectObject(picture, oldPicture);
            DeleteDC(picture);
        }
    }
    SelectObject(dc, PixelFont("MS Sans Serif", 11));
    SetTextColor(dc, kVersionRed);
    TextOutA(dc, kLabel6At.x, kLabel6At.y, label6_.c_str(), int(label6_.size()));
    if (label7Visible_)
        TextOutA(dc, kLabel7At.x, kLabel7At.y, label7_.c_str(), int(label7_.size()));
    SelectObject(dc, oldFont);

    BitBlt(target, 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldSurface);
    DeleteObject(surface);
    DeleteDC(dc);
}

bool TfSplash::TakesClicks(POINT at) const {
    // The version and loading texts take clicks without passing them on to the panel below.
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, PixelFont("MS Sans Serif", 11));
    bool onText = false;
    const std::pair<POINT, const std::string*> texts[] = {{kLabel6At, &label6_},
                                                          {kLabel7At, &label7_}};
    for (const auto& [origin, text] : texts) {
        if (text == &label7_ && !label7Visible_)
            continue;
        SIZE size;
        GetTextExtentPoint32A(dc, text->c_str(), int(text->size()), &size);
        const RECT r{origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
        onText = onText || PtInRect(&r, at);
    }
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    return !onText;
}

LRESULT TfSplash::Handle(UINT message, WPARAM wp, LPARAM lp) {
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        Paint(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        pressed_ = TakesClicks(at);
        if (pressed_)
            SetCapture(window_);
        return 0;
    case WM_LBUTTONUP: {
        const bool click = pressed_ && TakesClicks(at) && at.x >= 0 && at.y >= 0 && at.x < kWidth &&
                           at.y < kHeight;
        pressed_ = false;
        ReleaseCapture();
        if (click)
            Panel1Click();
        return 0;
    }
    case WM_KEYDOWN:
        return 0; // Esc does not end it: only a click on it or the close command do
    case WM_CLOSE:
        modalResult_ = IDCANCEL;
        return 0;
    default:
        return DefWindowProcA(window_, message, wp, lp);
    }
}

} // namespace orvd
