#pragma once

#include "base/Image.h"
#include "base/Rect.h"
#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"
#include "view/PointerInput.h"

#include <functional>

namespace orvd {

// A drawing box that shows an off-screen image of the core 1:1 at (0, 0) through a GDI DIB
// section of its own size, copied to the screen with a raster copy. The owner's paint handler
// runs on WM_PAINT before the section is shown; pointer events go to the owner's handlers, with
// the pointer captured from a press to its release, so a drag may leave the box.
class MapView {
public:
    struct Handlers {
        std::function<void()> Paint;
        std::function<void(MouseButton, Point)> Press;
        std::function<void(MouseButton, Point)> Release;
        std::function<void(bool leftHeld, Point)> Move;
        std::function<void()> Click; // a left press and release, the release inside the box
    };

    // Creates the box in `parent` at `bounds`; the image must outlive the box.
    MapView(HWND parent, const Rect& bounds, const Image* image, Handlers handlers);
    ~MapView();
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    HWND Window() const { return window_; }
    void SetBounds(const Rect& bounds);
    // Copies the image into the section and the section onto the screen now.
    void Present();
    // The pointer shape over the box; null for the arrow.
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
    // The pixel shown on the screen at (x, y) of the section, for tests.
    COLORREF SectionPixel(int x, int y) const;

private:
    template <typename T> friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window) { window_ = window; }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
    void CopyImage();
    void ResizeSection(int width, int height);

    HWND window_ = nullptr;
    const Image* image_;
    Handlers handlers_;
    HDC sectionDc_ = nullptr;
    HBITMAP section_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool leftPressedInside_ = false;
    HCURSOR cursor_ = nullptr;
};

} // namespace orvd
