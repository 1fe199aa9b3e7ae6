#pragma once

#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"

#include <string>

namespace orvd {

// The backup notice "Question": the backup's file name, "Show this message next time." and OK.
// Modal, one per notice; its result is whether the box was ticked when it closed, however it
// closed.
class TForm4 {
public:
    TForm4(const std::string& backupFileName, HWND owner);
    ~TForm4();
    TForm4(const TForm4&) = delete;
    TForm4& operator=(const TForm4&) = delete;

    // Shows the notice through the dialog seam until it closes; returns Result().
    bool ShowModal();
    bool Result() const;
    HWND Window() const { return window_; }

    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND CheckBox1 = nullptr;
    HWND Button1 = nullptr;

private:
    template <typename T> friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window) { window_ = window; }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);

    HWND owner_;
    HWND window_ = nullptr;
    bool closed_ = false;
};

} // namespace orvd
