#pragma once

#include "base/win32/WinApi.h"

#include <memory>
#include <string>

namespace orvd {

class TForm1;

// The Windows program: creates the windows in the order of the start-up, runs the message loop
// until the main window closes, and destroys them (the settings are written then). Returns the
// process's exit code.
int RunViewer(const std::string& firstArgument);

// The main window and what start-up gives it; the window tests start the windows through this.
std::unique_ptr<TForm1> OpenViewer(const std::string& programPath,
                                   const std::string& firstArgument);

// The message loop of the main window: keyboard navigation between its controls, until
// WM_QUIT. Returns the quit code.
int RunMessageLoop(HWND mainWindow);

} // namespace orvd
