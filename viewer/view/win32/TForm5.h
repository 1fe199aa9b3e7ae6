#pragma once

#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"
#include "view/BorderStyleChoice.h"

#include <memory>

namespace orvd {

class MapView;

// The border style dialog "Borderstyle": the pattern list, the colour button, the live example
// and OK / Cancel. It works on copies (BorderStyleChoice); OK copies them back into the main
// window's values, Cancel, Esc and the close box copy nothing. One instance per use.
class TForm5 {
public:
    TForm5(HWND owner, ColorValue& borderColor, BorderPattern& borderStyle,
           const SystemColorTable& colors);
    ~TForm5();
    TForm5(const TForm5&) = delete;
    TForm5& operator=(const TForm5&) = delete;

    // Shows the dialog modally through the dialog seam; IDOK or IDCANCEL.
    int ShowModal();
    HWND Window() const { return window_; }
    const BorderStyleChoice& Choice() const { return choice_; }

    void ComboBox1Change();
    void Button1Click();
    void BitBtn1Click();

    HWND Label1 = nullptr;
    HWND ComboBox1 = nullptr;
    HWND Label2 = nullptr;
    HWND Button1 = nullptr;
    HWND Label3 = nullptr;
    std::unique_ptr<MapView> PaintBox1;
    HWND BitBtn1 = nullptr;
    HWND BitBtn2 = nullptr;

private:
    template <typename T> friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window) { window_ = window; }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
    void FormCreate();
    void DrawExample();
    void PaintBox1Paint();
    void DrawPatternItem(const DRAWITEMSTRUCT& item);
    Rect ClientInBox() const;

    HWND owner_;
    HWND window_ = nullptr;
    ColorValue& borderColor_;
    BorderPattern& borderStyle_;
    const SystemColorTable& colors_;
    BorderStyleChoice choice_;
    int modalResult_ = 0;
};

} // namespace orvd
