#include "view/win32/MapView.h"

#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"

#include <algorithm>
#include <cstring>

namespace orvd {
namespace {

constexpr const char* kClassName = "OrvdMapView";

MouseButton ButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

} // namespace

MapView::MapView(HWND parent, const Rect& bounds, const Image* image, Handlers handlers)
    : image_(image), handlers_(std::move(handlers)) {
    RegisterWindowClass(kClassName, &ObjectProcedure<MapView>);
    sectionDc_ = CreateCompatibleDC(nullptr);
    window_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, bounds.Left, bounds.Top,
                              bounds.Width(), bounds.Height(), parent, nullptr,
                              GetModuleHandleA(nullptr), this);
    ResizeSection(bounds.Width(), bounds.Height());
}

MapView::~MapView() {
    if (window_) {
        AttachObject(window_, nullptr);
        DestroyWindow(window_);
    }
    if (oldBitmap_)
        SelectObject(sectionDc_, oldBitmap_);
    if (section_)
        DeleteObject(section_);
    DeleteDC(sectionDc_);
}

void MapView::SetBounds(const Rect& bounds) {
    MoveWindow(window_, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), TRUE);
    ResizeSection(bounds.Width(), bounds.Height());
}

void MapView::ResizeSection(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (section_ && width == width_ && height == height_)
        return;
    if (oldBitmap_)
        SelectObject(sectionDc_, oldBitmap_);
    if (section_)
        DeleteObject(section_);
    section_ = nullptr;
    oldBitmap_ = nullptr;
    bits_ = nullptr;
    width_ = width;
    height_ = height;
    if (width == 0 || height == 0)
        return;
    // Top-down 32-bit rows: the layout of the core's pixels, so a row copies as it is.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    section_ = CreateDIBSection(sectionDc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section_)
        return; // the box stays blank; the map state is unaffected
    bits_ = static_cast<std::uint32_t*>(bits);
    oldBitmap_ = SelectObject(sectionDc_, section_);
    PatBlt(sectionDc_, 0, 0, width, height, WHITENESS);
}

void MapView::CopyImage() {
    if (!bits_ || !image_ || image_->IsEmpty())
        return;
    GdiFlush();
    const int rows = std::min(height_, image_->Height());
    const int columns = std::min(width_, image_->Width());
    for (int y = 0; y < rows; ++y)
        std::memcpy(bits_ + std::size_t(y) * std::size_t(width_), image_->Row(y),
                    std::size_t(columns) * sizeof(Pixel));
}

void MapView::Present() {
    CopyImage();
    if (HDC dc = GetDC(window_)) {
        BitBlt(dc, 0, 0, width_, height_, sectionDc_, 0, 0, SRCCOPY);
        ReleaseDC(window_, dc);
    }
    ValidateRect(window_, nullptr);
}

COLORREF MapView::SectionPixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    const Pixel p = bits_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    return RGB(RedOf(p), GreenOf(p), BlueOf(p));
}

LRESULT MapView::Handle(UINT message, WPARAM wp, LPARAM lp) {
    const Point at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the section covers every pixel
    case WM_PAINT: {
        if (handlers_.Paint)
            handlers_.Paint();
        CopyImage();
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        BitBlt(dc, 0, 0, width_, height_, sectionDc_, 0, 0, SRCCOPY);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window_);
        if (message == WM_LBUTTONDOWN)
            leftPressedInside_ = true;
        if (handlers_.Press)
            handlers_.Press(ButtonOf(message), at);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const bool inside = at.x >= 0 && at.y >= 0 && at.x < width_ && at.y < height_;
        const bool click = message == WM_LBUTTONUP && leftPressedInside_ && inside;
        if (message == WM_LBUTTONUP)
            leftPressedInside_ = false;
        // The capture ends only when no other button is still down.
        if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
            ReleaseCapture();
        if (handlers_.Release)
            handlers_.Release(ButtonOf(message), at);
        if (click && handlers_.Click)
            handlers_.Click();
        return 0;
    }
    case WM_MOUSEMOVE:
        if (handlers_.Move)
            handlers_.Move((wp & MK_LBUTTON) != 0, at);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT) {
            ::SetCursor(cursor_ ? cursor_ : LoadCursorA(nullptr, IDC_ARROW));
            return TRUE;
        }
        return DefWindowProcA(window_, message, wp, lp);
    case WM_CAPTURECHANGED:
        // Another button's press takes the capture again, and the system then reports a change
        // to this same window: that does not end a left click.
        if (reinterpret_cast<HWND>(lp) != window_)
            leftPressedInside_ = false;
        return 0;
    default:
        return DefWindowProcA(window_, message, wp, lp);
    }
}

} // namespace orvd
