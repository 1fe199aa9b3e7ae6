#pragma once

#include "base/Image.h"
#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"

#include <string>

namespace orvd {

// The borderless splash window (354 x 275, centred), shown during start-up and again, modally,
// as the About box. A left click on the picture, the panel, the title, the lettering or the
// authorship lines sets the modal result to 1, which ends a modal showing; at start-up nothing
// waits for it, so a click there changes nothing that shows. The labels are drawn on the
// picture with a transparent background, as the definition's labels are.
class TfSplash {
public:
    explicit TfSplash(HWND owner = nullptr);
    ~TfSplash();
    TfSplash(const TfSplash&) = delete;
    TfSplash& operator=(const TfSplash&) = delete;

    HWND Window() const { return window_; }
    // 0 until a click (1) or the window system's close command (IDCANCEL).
    int ModalResult() const { return modalResult_; }
    // Label7: "Loading..." during start-up; hidden by default and in the About box.
    void ShowLabel7(const std::string& text);
    void HideLabel7();
    const std::string& Label7Text() const { return label7_; }
    bool Label7Visible() const { return label7Visible_; }
    const std::string& Label6Text() const { return label6_; }
    bool GoldImageLoaded() const { return !goldImage_.IsEmpty(); }
    bool LetteringLoaded() const { return lettering_ != nullptr; }

    void Panel1Click();

private:
    template <typename T> friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window) { window_ = window; }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
    void FormCreate();
    void LoadJPEGfromEXE();
    void DrawGoldJPG(HDC dc);
    void Paint(HDC dc);
    bool TakesClicks(POINT at) const;

    HWND window_ = nullptr;
    int modalResult_ = 0;
    Image goldImage_; // decoded by libjpeg from RCDATA 1
    HBITMAP lettering_ = nullptr;
    std::string label6_;
    std::string label7_;
    bool label7Visible_ = false;
    bool pressed_ = false;
};

// The splash window that exists now (at start-up, or while the About box is open), or null.
extern TfSplash* fSplash;

} // namespace orvd
