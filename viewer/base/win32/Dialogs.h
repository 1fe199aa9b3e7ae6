#pragma once

#include "base/win32/WinApi.h"

#include <functional>
#include <string>

namespace orvd {

// The one seam through which every modal window of the Windows viewer is shown: message boxes,
// the colour chooser, the save dialog and the program's own modal windows (About box, border
// dialog, backup notice). Tests install their own seam that answers without blocking.
class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    // MessageBoxA's contract: returns the button pressed (IDOK, IDYES, ...).
    virtual int Message(HWND owner, const std::string& text, const std::string& caption,
                        UINT type) = 0;
    // ChooseColorA's contract: true when the user picked a colour (left in choice.rgbResult).
    virtual bool ChooseColour(CHOOSECOLORA& choice) = 0;
    // GetSaveFileNameA's contract: true when the user named a file (left in file.lpstrFile).
    virtual bool SaveFileName(OPENFILENAMEA& file) = 0;
    // Shows `window`, a top-level window of ours, modally over `owner` (disabled meanwhile)
    // until `done` says it has finished; returns what `result` then holds.
    virtual int RunModal(HWND owner, HWND window, const std::function<bool()>& done,
                         const std::function<int()>& result) = 0;
};

// The seam in use: by default the system's dialogs and a modal message loop.
DialogSeam& Dialogs();
// Installs `seam` (not owned) until it is replaced; nullptr restores the default.
void SetDialogs(DialogSeam* seam);

// The standard error box: caption "Orvandel Map", error icon, OK, and the message with the
// full stop rule of ErrorBoxText. `message` is 8-bit text in the system's code page.
void ShowErrorBox(HWND owner, const std::string& message);
// A message box with the application title, an information icon and OK.
void ShowInformationBox(HWND owner, const std::string& message);
// Runs an event handler's body; an error that leaves it is shown in the standard error box and
// the program goes on.
void RunHandler(HWND owner, const std::function<void()>& body);

// Runs the modal loop of the default seam: the window's messages until `done`, keyboard
// navigation included. Also used by test seams that want the real loop.
void RunModalLoop(HWND owner, HWND window, const std::function<bool()>& done);

} // namespace orvd
