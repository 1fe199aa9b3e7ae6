#include "base/win32/Dialogs.h"

#include "base/ErrorMessage.h"
#include "base/win32/WinApi.h"

namespace orvd {
namespace {

class SystemSeam final : public DialogSeam {
public:
    int Message(HWND owner, const std::string& text, const std::string& caption,
                UINT type) override {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    }
    bool ChooseColour(CHOOSECOLORA& choice) override { return ChooseColorA(&choice) != FALSE; }
    bool SaveFileName(OPENFILENAMEA& file) override { return GetSaveFileNameA(&file) != FALSE; }
    int RunModal(HWND owner, HWND window, const std::function<bool()>& done,
                 const std::function<int()>& result) override {
        RunModalLoop(owner, window, done);
        return result();
    }
};

SystemSeam defaultSeam;
DialogSeam* currentSeam = &defaultSeam;

} // namespace

DialogSeam& Dialogs() {
    return *currentSeam;
}

void SetDialogs(DialogSeam* seam) {
    currentSeam = seam ? seam : &defaultSeam;
}

void ShowErrorBox(HWND owner, const std::string& message) {
    Dialogs().Message(owner, ErrorBoxText(message), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void ShowInformationBox(HWND owner, const std::string& message) {
    Dialogs().Message(owner, message, kApplicationTitle, MB_OK | MB_ICONINFORMATION);
}

void RunHandler(HWND owner, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ShowErrorBox(owner, e.what());
    }
}

void RunModalLoop(HWND owner, HWND window, const std::function<bool()>& done) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (owner)
        EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (!done()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the outer loop, which must still see it.
            if (got == 0)
                PostQuitMessage(int(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // The owner comes back before the window goes, so the activation returns to it.
    if (owner && ownerWasEnabled)
        EnableWindow(owner, TRUE);
    ShowWindow(window, SW_HIDE);
}

} // namespace orvd
