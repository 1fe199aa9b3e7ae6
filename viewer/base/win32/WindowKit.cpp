#include "base/win32/WindowKit.h"

#include "base/win32/WinApi.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace orvd {

HFONT PixelFont(const char* face, int pixels, bool italic) {
    static std::map<std::tuple<std::string, int, bool>, HFONT> fonts;
    HFONT& font = fonts[{face, pixels, italic}];
    if (!font) {
        // A negative height asks for the character height, as point sizes are meant.
        font = CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, italic, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face);
    }
    return font;
}

HFONT DialogFont() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return PixelFont("MS Sans Serif", MulDiv(8, dpi, 72));
}

HWND MakeControl(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                 int y, int width, int height, int id, DWORD exStyle) {
    HWND control =
        CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y,
                        width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return control;
}

void DrawImage(HDC dc, int x, int y, const Image& image, int width, int height) {
    if (image.IsEmpty())
        return;
    // Top-down 32-bit rows: the core's pixels as they are.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int w = std::min(width, image.Width());
    const int h = std::min(height, image.Height());
    if (w > 0 && h > 0)
        SetDIBitsToDevice(dc, x, y, DWORD(w), DWORD(h), 0, 0, 0, UINT(image.Height()), image.Data(),
                          &info, DIB_RGB_COLORS);
}

SIZE TextSize(HFONT font, const std::string& text) {
    SIZE size{0, 0};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        size.cy = metrics.tmHeight;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

HWND MakeLabel(HWND parent, const std::string& text, int x, int y, DWORD align) {
    const SIZE size = TextSize(DialogFont(), text);
    return MakeControl(parent, "STATIC", text, align | SS_NOPREFIX, x, y, size.cx, size.cy);
}

std::string WindowText(HWND window) {
    std::string text(std::size_t(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(std::size_t(GetWindowTextA(window, text.data(), int(text.size()))));
    return text;
}

void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &existing))
        return;
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = procedure;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = background ? background : GetSysColorBrush(COLOR_BTNFACE);
    cls.hIcon = LoadIconA(cls.hInstance, MAKEINTRESOURCEA(1));
    cls.lpszClassName = name;
    RegisterClassExA(&cls);
}

void AttachObject(HWND window, void* object) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

HWND MakeFormWindow(const char* className, void* object, const std::string& caption, DWORD style,
                    DWORD exStyle, int width, int height, HWND owner, int x, int y) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    if (x == CW_USEDEFAULT) {
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - outerWidth) / 2;
        y = work.top + (work.bottom - work.top - outerHeight) / 2;
    }
    HWND window = CreateWindowExA(exStyle, className, caption.c_str(), style, x, y, outerWidth,
                                  outerHeight, owner, nullptr, GetModuleHandleA(nullptr), object);
    if (window)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return window;
}

RECT ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE OuterSizeFor(HWND window, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrA(window, GWL_STYLE)), GetMenu(window) != nullptr,
                       DWORD(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

} // namespace orvd
