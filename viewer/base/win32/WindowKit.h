#pragma once

#include "base/Image.h"
#include "base/Rect.h"
#include "base/win32/WinApi.h"

#include <string>

namespace orvd {

// The windows' font: MS Sans Serif, 8 points (11-pixel characters at 96 dots per inch), or what
// the system substitutes for it. Made once, kept for the program's life.
HFONT DialogFont();
// A font of `pixels` character height (not cell height), made once per name, size and style.
HFONT PixelFont(const char* face, int pixels, bool italic = false);

// A child control of window class `className` at (x, y, width, height) in `parent`, in the
// dialog font; `id` is its command identifier.
HWND MakeControl(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                 int y, int width, int height, int id = 0, DWORD exStyle = 0);
// A label at (x, y) sized to its text, as the window definitions' auto-sized labels are.
HWND MakeLabel(HWND parent, const std::string& text, int x, int y, DWORD align = SS_LEFT);
// Draws `image` unscaled with its top-left corner at (x, y) of `dc`, cut to width x height.
void DrawImage(HDC dc, int x, int y, const Image& image, int width, int height);

// The size `text` takes in `font`.
SIZE TextSize(HFONT font, const std::string& text);
// The text of a window or control, in the system's code page.
std::string WindowText(HWND window);

// Registers a window class once (later calls do nothing) with the arrow cursor and the
// button-face background.
void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr);
// The object stored with a window of ours by AttachObject, or null.
template <typename T> T* AttachedObject(HWND window) {
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
void AttachObject(HWND window, void* object);

// The window procedure of a class whose windows each belong to an object of class T, handed to
// CreateWindowEx as its last parameter: the object learns its window (T::Attach) before the
// first message it handles (T::Handle); once detached, the window gets the default handling.
template <typename T>
LRESULT CALLBACK ObjectProcedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        auto* object = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        object->Attach(window);
        AttachObject(window, object);
    }
    if (T* object = AttachedObject<T>(window))
        return object->Handle(message, wp, lp);
    return DefWindowProcA(window, message, wp, lp);
}

// A top-level window of class `className` (registered by the caller) belonging to `object`,
// sized so that its client area is `width` x `height`, at (x, y) on the screen, or centred on
// the screen's work area when x is CW_USEDEFAULT. Created hidden, in the dialog font.
HWND MakeFormWindow(const char* className, void* object, const std::string& caption, DWORD style,
                    DWORD exStyle, int width, int height, HWND owner, int x = CW_USEDEFAULT,
                    int y = CW_USEDEFAULT);

// The core's rectangle as the system's.
inline RECT RectOf(const Rect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}
// A window's client rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
// The outer rectangle of a window whose client area is `width` x `height`, for its style and
// menu, at the system's frame metrics.
SIZE OuterSizeFor(HWND window, int width, int height);

} // namespace orvd
