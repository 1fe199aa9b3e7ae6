#include "base/win32/GlyphButton.h"

#include "base/win32/WindowKit.h"

namespace orvd {
namespace {

constexpr UINT_PTR kSubclassId = 0x4F47; // any number of ours, unique per procedure

void PaintFace(HWND button, HDC dc, ButtonGlyph glyph) {
    RECT client;
    GetClientRect(button, &client);
    const LRESULT state = SendMessageA(button, BM_GETSTATE, 0, 0);
    const LRESULT ui = SendMessageA(button, WM_QUERYUISTATE, 0, 0);
    const bool pressed = (state & BST_PUSHED) != 0;

    RECT frame = client;
    if ((GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&frame, -1, -1);
    }
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    const std::string caption = WindowText(button);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : DialogFont());
    UINT textFlags = DT_SINGLELINE | DT_LEFT | DT_TOP;
    if (ui & UISF_HIDEACCEL)
        textFlags |= DT_HIDEPREFIX;
    RECT measured{0, 0, 0, 0};
    if (!caption.empty())
        DrawTextA(dc, caption.c_str(), -1, &measured, textFlags | DT_CALCRECT);

    const Image picture =
        ButtonGlyphImage(glyph, PixelFromBgr(std::uint32_t(GetSysColor(COLOR_BTNFACE))));
    const GlyphButtonFace face =
        LayOutGlyphButton(client.right, client.bottom, picture.Width(), picture.Height(),
                          measured.right, measured.bottom, pressed);
    DrawImage(dc, face.Glyph.x, face.Glyph.y, picture, picture.Width(), picture.Height());
    if (!caption.empty()) {
        RECT text{face.Caption.x, face.Caption.y, face.Caption.x + measured.right,
                  face.Caption.y + measured.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(button) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, caption.c_str(), -1, &text, textFlags);
    }
    SelectObject(dc, oldFont);

    if ((state & BST_FOCUS) && !(ui & UISF_HIDEFOCUS)) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

void PaintNow(HWND button, ButtonGlyph glyph) {
    if (!IsWindowVisible(button))
        return;
    HDC dc = GetDC(button);
    PaintFace(button, dc, glyph);
    ReleaseDC(button, dc);
}

LRESULT CALLBACK GlyphButtonProcedure(HWND button, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR data) {
    const auto glyph = static_cast<ButtonGlyph>(data);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(button, &paint);
        PaintFace(button, dc, glyph);
        EndPaint(button, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintFace(button, reinterpret_cast<HDC>(wp), glyph);
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the face covers the whole button
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, GlyphButtonProcedure, kSubclassId);
        break;
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(button, message, wp, lp);
    // The button draws its classic face at once when its state changes, not through WM_PAINT:
    // ours goes over it straight after.
    switch (message) {
    case WM_MOUSEMOVE:
        if (GetCapture() != button)
            break;
        [[fallthrough]];
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
        PaintNow(button, glyph);
        break;
    default:
        break;
    }
    return result;
}

} // namespace

void GiveButtonGlyph(HWND button, ButtonGlyph glyph) {
    SetWindowSubclass(button, GlyphButtonProcedure, kSubclassId, static_cast<DWORD_PTR>(glyph));
    InvalidateRect(button, nullptr, TRUE);
}

} // namespace orvd
