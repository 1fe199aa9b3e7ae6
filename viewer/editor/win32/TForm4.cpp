#include "editor/win32/TForm4.h"

#include "base/Error.h"
#include "base/win32/Dialogs.h"

namespace orvd {
namespace {

constexpr const char* kClassName = "TForm4";

} // namespace

TForm4::TForm4(const std::string& backupFileName, HWND owner) : owner_(owner) {
    RegisterWindowClass(kClassName, &ObjectProcedure<TForm4>);
    // A dialog border without a close button: only OK ends it.
    MakeFormWindow(kClassName, this, "Question", WS_CAPTION | WS_POPUP,
                   WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, 231, 120, owner);
    if (!window_)
        throw Error("The backup notice could not be created.");
    // Two lines if the font is wider than the classic one, rather than a cut text.
    const std::string line1 = "ORVD Map has saved the original file as";
    const SIZE text = TextSize(DialogFont(), line1);
    const int height1 = text.cx > 215 ? 2 * text.cy : text.cy;
    Label1 = MakeControl(window_, "STATIC", line1, SS_LEFT | SS_NOPREFIX, 8, 6, 215, height1);
    // A long name keeps its start and its extension.
    Label2 = MakeControl(window_, "STATIC", backupFileName, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS,
                         8, 8 + height1, 215, text.cy);
    MakeControl(window_, "STATIC", "", SS_ETCHEDHORZ, 8, 58, 215, 2);
    CheckBox1 = MakeControl(window_, "BUTTON", "Show this message next time.",
                            BS_AUTOCHECKBOX | WS_TABSTOP, 8, 64, 215, 17);
    SendMessageA(CheckBox1, BM_SETCHECK, BST_CHECKED, 0);
    Button1 =
        MakeControl(window_, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 78, 88, 75, 25, IDOK);
}

TForm4::~TForm4() {
    if (window_) {
        AttachObject(window_, nullptr);
        DestroyWindow(window_);
    }
}

bool TForm4::ShowModal() {
    SetFocus(Button1);
    Dialogs().RunModal(
        owner_, window_, [this] { return closed_; }, [this] { return int(Result()); });
    return Result();
}

bool TForm4::Result() const {
    return SendMessageA(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

LRESULT TForm4::Handle(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) // OK, Enter, Esc
            closed_ = true;
        return 0;
    case WM_CLOSE:
        closed_ = true;
        return 0;
    default:
        return DefWindowProcA(window_, message, wp, lp);
    }
}

} // namespace orvd
