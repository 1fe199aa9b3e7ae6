#pragma once

#include "base/win32/WinApi.h"
#include "editor/EditorHost.h"

namespace orvd {

// The main window as the editor dialog sees it: the core's host, plus the one window service
// the dialog's controls share with the main window, the "What's this?" menu.
class EditorWindowHost : public EditorHost {
public:
    // The main window itself, which owns the editor dialog.
    virtual HWND Window() const = 0;
    // Opens the main window's "What's this?" menu for `control` (whose help context is its
    // context help id) at the screen point `at`.
    virtual void PopupWhatsThis(HWND control, POINT at) = 0;
};

} // namespace orvd
