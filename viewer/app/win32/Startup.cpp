#include "app/win32/Startup.h"

#include "app/win32/TForm1.h"
#include "app/win32/TfSplash.h"
#include "base/ProgramPath.h"
#include "base/win32/Dialogs.h"
#include "base/win32/HelpViewer.h"
#include "base/win32/WinApi.h"
#include "editor/win32/TForm3.h"

namespace orvd {

int RunMessageLoop(HWND mainWindow) {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        // Keyboard navigation in the main window and the modeless editor alike.
        const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && (root == mainWindow || GetWindow(root, GW_OWNER) == mainWindow) &&
            IsDialogMessageA(root, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return got == 0 ? int(msg.wParam) : 1;
}

std::unique_ptr<TForm1> OpenViewer(const std::string& programPath,
                                   const std::string& firstArgument) {
    auto form1 = std::make_unique<TForm1>(programPath, firstArgument);
    form1->SetEditor(std::make_unique<TForm3>(form1->SettingsPath(), *form1));
    return form1;
}

int RunViewer(const std::string& firstArgument) {
    std::unique_ptr<TForm1> form1;
    {
        const auto splash = std::make_unique<TfSplash>();
        fSplash = splash.get();
        try {
            splash->ShowLabel7("Loading...");
            ShowWindow(splash->Window(), SW_SHOW);
            UpdateWindow(splash->Window());
            // The messages that are pending, once, so that the splash is fully painted.
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            HelpViewer::Instance().SetHelpFile("orvd.hlp");
            form1 = OpenViewer(ProgramPath(), firstArgument);
        } catch (const std::exception& e) {
            ShowErrorBox(nullptr, e.what());
            return 1;
        }
    } // the splash goes before the main window shows
    ShowWindow(form1->Window(), SW_SHOWNORMAL);
    UpdateWindow(form1->Window());
    const int code = RunMessageLoop(form1->Window());
    form1.reset(); // writes the settings
    return code;
}

} // namespace orvd
