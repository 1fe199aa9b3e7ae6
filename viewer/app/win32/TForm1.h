#pragma once

#include "app/MainState.h"
#include "app/SettingsLocation.h"
#include "base/BusyIndicator.h"
#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"
#include "editor/win32/EditorWindowHost.h"
#include "view/CoordinatePicker.h"
#include "view/PointerInput.h"
#include "view/SystemColors.h"

#include <memory>
#include <string>

namespace orvd {

class MapView;
class TForm3;

// The program's folder with a trailing separator; every data file name is ProgramDir + a name.
extern std::string ProgramDir;

// Command identifiers of the main window's menus and controls.
enum TForm1Command : int {
    kNew1 = 101,
    kAddlocations1,
    kNorrowen1,
    kFallowmere1,
    kBrackenmoor1,
    kCrosscolor1,
    kMapborderstyle1,
    kExit1,
    kHelp2,
    kAbout1,
    kWhatsthis1,
    kComboBox1 = 201,
    kComboBox2,
    kTrackBar1,
    kCheckBox1,
    kCheckBox2,
    kFirstLanguage = 1000, // File > Select language: kFirstLanguage + the entry's tag
};

// The main window as a native window: the main view, the overview, the panel with the location
// list, the search box and the animation controls, the main menu and the "What's this?" menu.
// It owns the core state (MainState) and forwards its events to the core, as the Qt window does.
class TForm1 : public EditorWindowHost {
public:
    // `programPath` is the program file's path (its folder becomes ProgramDir, its name with
    // ".ini" the settings file); `firstArgument` is the first command-line argument. Creates the
    // window hidden and runs FormCreate; an error there is shown and the window stays.
    TForm1(std::string programPath, std::string firstArgument);
    ~TForm1() override; // releases the editor, runs FormDestroy, then destroys the window
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    HWND Window() const override { return window_; }
    MainState& State() { return state_; }
    // The location editor, created hidden right after the main window, is handed to it and
    // lives as long as it does.
    void SetEditor(std::unique_ptr<TForm3> editor);
    TForm3* Editor() const { return editor_.get(); }
    const std::string& SettingsPath() const { return settingsPlace_.Path; }

    // Shell commands and handlers.
    void Exit1Click();
    void Help2Click();
    void About1Click();
    void Whatsthis1Click();
    // Opens PopupMenu1 for `control` at the screen point `at` (the right button on a control).
    void PopupMenu1Popup(HWND control, POINT at);
    HWND PopupComponent() const { return popupComponent_; }

    // Map and view operations.
    void ChangeMap(std::string code);
    void Calculations();
    void FormResize();
    // Renders both views and presents them within the calling event.
    void ShowMap();
    int RenderCount() const { return renderCount_; }
    void DoIni(bool reading);
    void LanguagesClick(std::size_t tag);
    void CheckBox2Click();
    void Crosscolor1Click();
    void Mapborderstyle1Click();

    // Navigation, pointer input and search. X and Y are a view position (ViewLeft, ViewTop).
    void MoveMap(std::int32_t X, std::int32_t Y, bool animate);
    void Timer1Timer();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox2KeyPress(char key);
    void PaintBox1MouseDown(MouseButton button, Point at);
    void PaintBox1MouseUp(MouseButton button);
    void PaintBox2MouseDown(MouseButton button, Point at);
    void PaintBox2MouseMove(bool leftHeld, Point at);
    void PaintBox2Click();
    void SetCoordinatePicker(CoordinatePicker* picker) { picker_ = picker; }

    // The location editor: File > Edit... and File > New... open it (both disabled until it
    // closes); the rest is what the editor asks of the main window.
    void Addlocations1Click();
    void New1Click();
    void CentreMapOn(Point map) override;
    void SetPickMode(bool on) override;
    std::string MapCode() const override { return state_.MapCode; }
    // The folder the editor saves into: the user's own where the program's cannot be written.
    std::string ProgramDirectory() const override {
        return settingsPlace_.UserFolder.empty() ? ProgramDir : settingsPlace_.UserFolder;
    }
    std::string LocationsFile() const override { return state_.LocationsFile; }
    std::vector<std::string> LocationNames() const override { return state_.LocationNames; }
    std::vector<Point> LocationPoints() const override { return state_.LocationPoints; }
    std::string LanguageName() const override { return state_.LanguageName; }
    void LoadNames(const std::string& path) override;
    void LoadFileNames(const std::string& code) override;
    void EditorClosed() override;
    void PopupWhatsThis(HWND control, POINT at) override;

    // Controls, named as in the window's definition.
    HWND Panel1 = nullptr;
    HWND Label1 = nullptr;
    HWND ComboBox1 = nullptr;
    HWND Label2 = nullptr;
    HWND Label6 = nullptr;
    HWND ComboBox2 = nullptr;
    HWND Label3 = nullptr;
    HWND TrackBar1 = nullptr;
    HWND Label4 = nullptr;
    HWND Label5 = nullptr;
    HWND CheckBox1 = nullptr;
    HWND CheckBox2 = nullptr;
    std::unique_ptr<MapView> PaintBox1;
    std::unique_ptr<MapView> PaintBox2;
    HMENU MainMenu1 = nullptr;
    HMENU File1 = nullptr;
    HMENU Selectmap1 = nullptr;
    HMENU SelectLanguage1 = nullptr;
    HMENU Help1 = nullptr;
    HMENU PopupMenu1 = nullptr;
    static constexpr UINT_PTR kTimer1 = 1;

private:
    template <typename T> friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window) { window_ = window; }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
    void Command(int id, int notification);
    void CreateWindowAndControls();
    void BuildControls();
    void BuildMenus();
    void ApplyLayout();
    void PaintBevels(HDC dc);
    void PaintBoxPaint();
    void OpenEditor(bool newFile, std::string dataFileName);
    void FormCreate();
    void FormDestroy();
    bool Checked(HWND box) const;
    void SetChecked(HWND box, bool on);
    int TrackBarPosition() const;
    bool TimerRunning() const { return timerRunning_; }

    std::string programPath_;
    std::string firstArgument_;
    // The settings file, whether it can be written, and the user's folder that stands for the
    // program's where that cannot be written (the editor saves there).
    SettingsLocation settingsPlace_;
    std::string settingsLanguage_; // the "Language" value read, kept for the test map
    MainState state_;
    HWND window_ = nullptr;
    bool imagesCreated_ = false;
    bool destroyed_ = false;
    bool viewsStale_ = true;
    bool timerRunning_ = false;
    int renderCount_ = 0;
    SystemColorTable systemColors_;
    HWND popupComponent_ = nullptr;
    HWND focused_ = nullptr; // the control to give the focus back to
    CoordinatePicker* picker_ = nullptr;
    std::unique_ptr<TForm3> editor_;
    WNDPROC searchEditProcedure_ = nullptr;
    friend LRESULT CALLBACK SearchEditProcedure(HWND, UINT, WPARAM, LPARAM);

    class WaitCursor final : public BusyIndicator {
    public:
        void Begin() override;
        void End() override;

    private:
        HCURSOR previous_ = nullptr;
    } waitCursor_;
};

// The window procedure of the search box's edit field: Enter reaches ComboBox2KeyPress, and
// is kept from the dialog keys, so it is not taken as a default button.
LRESULT CALLBACK SearchEditProcedure(HWND edit, UINT message, WPARAM wp, LPARAM lp);

} // namespace orvd
