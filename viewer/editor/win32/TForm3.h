#pragma once

#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"
#include "editor/LocationEditor.h"
#include "view/CoordinatePicker.h"

#include <functional>
#include <string>
#include <vector>

namespace orvd {

class EditorWindowHost;

// The location editor "Edit", a modeless dialog that lives from start-up to exit and is hidden
// between uses. It shows what the core's LocationEditor holds and forwards its events to it;
// Done asks through the dialog seam (message, save dialog, backup notice). Reads its settings
// key when created and writes it when destroyed.
class TForm3 : public CoordinatePicker {
public:
    TForm3(std::string settingsPath, EditorWindowHost& host);
    ~TForm3() override;
    TForm3(const TForm3&) = delete;
    TForm3& operator=(const TForm3&) = delete;

    HWND Window() const { return window_; }
    void SetNewFile(bool newFile) { editor_.NewFile = newFile; }
    void SetDataFileName(std::string name) { editor_.DataFileName = std::move(name); }
    const LocationEditor& Editor() const { return editor_; }
    // Shows the dialog (FormShow runs) at the screen's top-right corner.
    void Show();
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }

    void PickPoint(Point map) override;
    void BitBtn1Click();
    // Every way of closing: Cancel, Esc, the close box, and Done after saving.
    void Close();

    HWND Label4 = nullptr;
    HWND Edit4 = nullptr;
    HWND Label1 = nullptr;
    HWND Edit1 = nullptr;
    HWND Label2 = nullptr;
    HWND Edit2 = nullptr;
    HWND Label3 = nullptr;
    HWND Edit3 = nullptr;
    HWND Button1 = nullptr;
    HWND Button4 = nullptr;
    HWND Button3 = nullptr;
    HWND Button2 = nullptr;
    HWND ListBox1 = nullptr;
    HWND BitBtn1 = nullptr;
    HWND BitBtn2 = nullptr;

private:
    class Prompts;
    template <typename T> friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window) { window_ = window; }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
    void BuildControls();
    void Command(HWND control, int notification);
    void FormCreate();
    void FormShow();
    void FormDestroy();
    // Runs a handler of the core and shows its result.
    void Forward(const std::function<void()>& handler);
    void Refresh();

    std::string settingsPath_;
    EditorWindowHost& host_;
    LocationEditor editor_;
    HWND window_ = nullptr;
    HWND hints_ = nullptr;
    bool destroyed_ = false;
    bool refreshing_ = false; // the program's own changes of the fields are not the user's
    std::vector<std::string> shownNames_;
};

} // namespace orvd
