#include "app/win32/TForm1.h"

#include "app/Settings.h"
#include "app/win32/TfSplash.h"
#include "base/FileSystem.h"
#include "base/UserConfigFolder.h"
#include "base/win32/Dialogs.h"
#include "base/win32/HelpViewer.h"
#include "base/win32/WinApi.h"
#include "base/win32/WindowKit.h"
#include "editor/win32/TForm3.h"
#include "mapdata/Languages.h"
#include "mapdata/MapLoading.h"
#include "view/LocationSearch.h"
#include "view/MapPainter.h"
#include "view/PointerInput.h"
#include "view/win32/ColorChooser.h"
#include "view/win32/MapView.h"
#include "view/win32/TForm5.h"
#include "view/win32/Win32SystemColors.h"

namespace orvd {

std::string ProgramDir;

void TForm1::WaitCursor::Begin() {
    previous_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void TForm1::WaitCursor::End() {
    SetCursor(previous_ ? previous_ : LoadCursorA(nullptr, IDC_ARROW));
}

TForm1::TForm1(std::string programPath, std::string firstArgument)
    : programPath_(std::move(programPath)), firstArgument_(std::move(firstArgument)) {
    CreateWindowAndControls();
    RunHandler(window_, [this] { FormCreate(); });
}

TForm1::~TForm1() {
    editor_.reset(); // the editor writes its key first
    FormDestroy();
    if (window_) {
        AttachObject(window_, nullptr);
        PaintBox1.reset();
        PaintBox2.reset();
        DestroyWindow(window_);
        DestroyMenu(PopupMenu1);
    }
}

LRESULT TForm1::Handle(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_TIMER:
        if (wp == kTimer1)
            RunHandler(window_, [this] { Timer1Timer(); });
        return 0;
    case WM_SIZE:
        // Only the window's own size reports re-lay it out, once the controls exist.
        if (Panel1 && wp != SIZE_MINIMIZED)
            RunHandler(window_, [this] { FormResize(); });
        return 0;
    case WM_GETMINMAXINFO: {
        DefWindowProcA(window_, message, wp, lp);
        // 400 x 470 with the classic frame: the client area of that window, whatever the
        // metrics of this system's frame, caption and menu bar.
        const SIZE minimum = OuterSizeFor(window_, 400 - kFrameWidth, 470 - kFrameHeight);
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = POINT{minimum.cx, minimum.cy};
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        PaintBevels(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_CONTEXTMENU: {
        const HWND control = reinterpret_cast<HWND>(wp);
        if (control == ComboBox1 || control == ComboBox2 || control == TrackBar1) {
            POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (at.x == -1 && at.y == -1) { // from the keyboard: below the control's corner
                RECT r;
                GetWindowRect(control, &r);
                at = POINT{r.left, r.bottom};
            }
            PopupMenu1Popup(control, at);
            return 0;
        }
        return DefWindowProcA(window_, message, wp, lp);
    }
    case WM_ACTIVATE:
        // The control that had the focus gets it back, as in a dialog: at first the location
        // list, the first of the tab order.
        if (LOWORD(wp) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window_, focus))
                focused_ = focus;
        }
        return DefWindowProcA(window_, message, wp, lp);
    case WM_SETFOCUS:
        SetFocus(IsWindow(focused_) && IsChild(window_, focused_) ? focused_ : ComboBox1);
        return 0;
    case WM_SYSCOLORCHANGE:
        systemColors_ = SystemColorsFromWindows();
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wp, lp);
    }
}

void TForm1::Command(int id, int notification) {
    RunHandler(window_, [&] {
        switch (id) {
        case kExit1:
            Exit1Click();
            break;
        case kNew1:
            New1Click();
            break;
        case kAddlocations1:
            Addlocations1Click();
            break;
        case kHelp2:
            Help2Click();
            break;
        case kAbout1:
            About1Click();
            break;
        case kWhatsthis1:
            Whatsthis1Click();
            break;
        case kCrosscolor1:
            Crosscolor1Click();
            break;
        case kMapborderstyle1:
            Mapborderstyle1Click();
            break;
        case kComboBox1:
            if (notification == CBN_SELCHANGE)
                ComboBox1Change();
            break;
        case kComboBox2:
            // A chosen entry and every edit of the user's; the program's own changes are neither.
            if (notification == CBN_SELCHANGE || notification == CBN_EDITCHANGE)
                ComboBox2Change();
            break;
        case kCheckBox2:
            if (notification == BN_CLICKED)
                CheckBox2Click();
            break;
        default:
            if (id >= kFirstLanguage)
                LanguagesClick(std::size_t(id - kFirstLanguage));
            break;
        }
    });
}

LRESULT CALLBACK SearchEditProcedure(HWND edit, UINT message, WPARAM wp, LPARAM lp) {
    TForm1* form = AttachedObject<TForm1>(edit);
    if (!form)
        return DefWindowProcA(edit, message, wp, lp);
    switch (message) {
    case WM_GETDLGCODE:
        if (lp && reinterpret_cast<MSG*>(lp)->message == WM_KEYDOWN && wp == VK_RETURN)
            return DLGC_WANTALLKEYS;
        break;
    case WM_CHAR:
        // Every key goes on to the edit field as usual; Enter is searched on first.
        RunHandler(form->Window(), [&] { form->ComboBox2KeyPress(char(wp)); });
        if (wp == '\r')
            return 0; // an edit field of one line only beeps at it
        break;
    case WM_CONTEXTMENU:
        return SendMessageA(form->Window(), WM_CONTEXTMENU,
                            reinterpret_cast<WPARAM>(form->ComboBox2), lp);
    default:
        break;
    }
    return CallWindowProcA(form->searchEditProcedure_, edit, message, wp, lp);
}

bool TForm1::Checked(HWND box) const {
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm1::SetChecked(HWND box, bool on) {
    SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int TForm1::TrackBarPosition() const {
    return int(SendMessageA(TrackBar1, TBM_GETPOS, 0, 0));
}

// ---- Creation and destruction ---------------------------------------------------------------

void TForm1::FormCreate() {
    ProgramDir = DirectoryOf(programPath_);
    settingsPlace_ = ChooseSettingsLocation(programPath_, UserConfigFolder());
    if (!settingsPlace_.Notice.empty())
        ShowInformationBox(window_, settingsPlace_.Notice);
    systemColors_ = SystemColorsFromWindows();
    ReleaseImagesAndLists(state_);
    imagesCreated_ = true;
    state_.LocationsFile.clear();
    state_.PickMode = false;
    DoIni(true);
    state_.MapCode = StartMapCode(firstArgument_);
    ChangeMap(state_.MapCode);
}

void TForm1::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    if (timerRunning_)
        KillTimer(window_, kTimer1);
    RunHandler(window_, [this] {
        DoIni(false);
        ReleaseImagesAndLists(state_);
        imagesCreated_ = false;
    });
}

// ---- Shell commands --------------------------------------------------------------------------

void TForm1::Exit1Click() {
    PostQuitMessage(0);
}

void TForm1::SetEditor(std::unique_ptr<TForm3> editor) {
    editor_ = std::move(editor);
    for (int id : {kNew1, kAddlocations1})
        EnableMenuItem(MainMenu1, UINT(id), MF_BYCOMMAND | (editor_ ? MF_ENABLED : MF_GRAYED));
}

void TForm1::Help2Click() {
    HelpViewer::Instance().ShowContents(window_);
}

void TForm1::Whatsthis1Click() {
    if (!IsWindow(popupComponent_))
        return;
    const int context = int(GetWindowContextHelpId(popupComponent_));
    if (context > 0)
        HelpViewer::Instance().ShowPopup(context, popupComponent_);
}

void TForm1::PopupWhatsThis(HWND control, POINT at) {
    PopupMenu1Popup(control, at);
}

void TForm1::About1Click() {
    // Released when the command ends, also when showing it fails; its destructor clears fSplash.
    const auto splash = std::make_unique<TfSplash>(window_);
    fSplash = splash.get();
    splash->HideLabel7();
    TfSplash& about = *splash;
    Dialogs().RunModal(
        window_, about.Window(), [&about] { return about.ModalResult() != 0; },
        [&about] { return about.ModalResult(); });
}

void TForm1::PopupMenu1Popup(HWND control, POINT at) {
    popupComponent_ = control;
    TrackPopupMenu(PopupMenu1, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
}

// ---- Map and view ----------------------------------------------------------------------------

void TForm1::ChangeMap(std::string code) {
    const LoadedMap loaded =
        LoadMap(code, ProgramDir, state_.MapBitmap, state_.SmallMapBitmap, &waitCursor_);
    if (loaded.OverviewWorks)
        EnableWindow(PaintBox2->Window(), *loaded.OverviewWorks);
    if (loaded.ListLanguages)
        LoadFileNames(loaded.Code);
    state_.MapCode = loaded.Code;
    Calculations();
    ShowMap();
    LoadNames(ResolveLocationsFile(ProgramDir, settingsPlace_.UserFolder,
                                   state_.MapCode + state_.LocationsFile));
}

void TForm1::ApplyLayout() {
    const WindowLayout& l = state_.View.Layout;
    PaintBox1->SetBounds(l.PaintBox1());
    PaintBox2->SetBounds(l.PaintBox2());
    SetWindowPos(Panel1, nullptr, l.Panel1Left, l.Panel1Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE); // the bevels
}

void TForm1::Calculations() {
    if (!imagesCreated_)
        return;
    orvd::Calculations(state_.View, &state_.MapBitmap, &state_.SmallMapBitmap);
    viewsStale_ = true;
    ApplyLayout();
}

void TForm1::FormResize() {
    RECT client;
    GetClientRect(window_, &client);
    // The core lays out for the classic frame around this client area.
    orvd::FormResize(state_.View, client.right + kFrameWidth, client.bottom + kFrameHeight,
                     imagesCreated_ ? &state_.MapBitmap : nullptr,
                     imagesCreated_ ? &state_.SmallMapBitmap : nullptr);
    viewsStale_ = true;
    ApplyLayout();
}

void TForm1::ShowMap() {
    if (!imagesCreated_)
        return;
    RenderViews(state_.View, &state_.MapBitmap, &state_.SmallMapBitmap,
                PaintOptionsOf(state_, Checked(CheckBox2)), systemColors_);
    ++renderCount_;
    viewsStale_ = false;
    PaintBox1->Present();
    PaintBox2->Present();
}

void TForm1::PaintBoxPaint() {
    // Exposed boxes show the buffers as they are; only buffers that Calculations has just
    // resized need drawing first.
    if (viewsStale_)
        RunHandler(window_, [this] { ShowMap(); });
}

// ---- Settings, locations and languages --------------------------------------------------------

void TForm1::DoIni(bool reading) {
    if (reading) {
        // A colour text that does not convert is shown and its key keeps the default; nothing
        // else of the start-up is skipped.
        std::vector<std::string> errors;
        const Settings settings = ReadMainSettings(settingsPlace_.Path, state_, errors);
        settingsLanguage_ = settings.Language;
        SendMessageA(TrackBar1, TBM_SETPOS, TRUE, ClampAnimationSpeed(settings.AnimationSpeed));
        SetChecked(CheckBox1, settings.Animate);
        SetChecked(CheckBox2, settings.Cross);
        for (const std::string& message : errors)
            ShowErrorBox(window_, message);
        return;
    }
    WriteMainSettings(settingsPlace_, state_, settingsLanguage_, TrackBarPosition(),
                      Checked(CheckBox1), Checked(CheckBox2));
}

void TForm1::CheckBox2Click() {
    ShowMap();
}

void TForm1::Crosscolor1Click() {
    // A cancelled chooser changes nothing and repaints nothing.
    if (const auto chosen = ChooseColour(window_, state_.CrossColor, systemColors_)) {
        state_.CrossColor = *chosen;
        ShowMap();
    }
}

void TForm1::Mapborderstyle1Click() {
    {
        TForm5 form5(window_, state_.BorderColor, state_.BorderStyle, systemColors_);
        form5.ShowModal();
    }
    ShowMap(); // after OK and after Cancel; not after an error
}

void TForm1::LoadNames(const std::string& path) {
    SetWindowTextA(window_, LoadLocations(state_, path).c_str());
    SendMessageA(ComboBox1, WM_SETREDRAW, FALSE, 0);
    SendMessageA(ComboBox1, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : state_.LocationNames)
        SendMessageA(ComboBox1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(ComboBox1, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ComboBox1, nullptr, TRUE);
    SendMessageA(ComboBox2, CB_RESETCONTENT, 0, 0);
    SetWindowTextA(ComboBox2, "");
}

void TForm1::LoadFileNames(const std::string& code) {
    LanguageMenu menu = orvd::LoadFileNames(ProgramDir, code, settingsPlace_.UserFolder);
    state_.LanguageFiles = std::move(menu.LanguageFiles);
    while (GetMenuItemCount(SelectLanguage1) > 0)
        DeleteMenu(SelectLanguage1, 0, MF_BYPOSITION);
    for (const LanguageItem& item : menu.Items)
        AppendMenuA(SelectLanguage1, MF_STRING, UINT_PTR(kFirstLanguage + int(item.Tag)),
                    item.DisplayName.c_str());
}

void TForm1::LanguagesClick(std::size_t tag) {
    if (const auto path =
            LanguageFilePath(ProgramDir, state_.LanguageFiles, tag, settingsPlace_.UserFolder))
        LoadNames(*path);
}

// ---- Location editor ---------------------------------------------------------------------------

void TForm1::Addlocations1Click() {
    OpenEditor(false, state_.LocationsFile);
}

void TForm1::New1Click() {
    OpenEditor(true, std::string());
}

void TForm1::OpenEditor(bool newFile, std::string dataFileName) {
    if (!editor_)
        return;
    for (int id : {kNew1, kAddlocations1})
        EnableMenuItem(MainMenu1, UINT(id), MF_BYCOMMAND | MF_GRAYED);
    SetPickMode(false);
    editor_->SetNewFile(newFile);
    editor_->SetDataFileName(std::move(dataFileName));
    SetCoordinatePicker(editor_.get());
    editor_->Show();
}

void TForm1::EditorClosed() {
    SetCoordinatePicker(nullptr);
    for (int id : {kNew1, kAddlocations1})
        EnableMenuItem(MainMenu1, UINT(id), MF_BYCOMMAND | MF_ENABLED);
}

void TForm1::CentreMapOn(Point map) {
    MoveMap(map.x - state_.View.CenterX, map.y - state_.View.CenterY, false);
}

void TForm1::SetPickMode(bool on) {
    state_.PickMode = on;
    PaintBox1->SetCursor(on ? LoadCursorA(nullptr, IDC_CROSS) : nullptr);
}

// ---- Navigation, pointer input and search --------------------------------------------------

void TForm1::MoveMap(std::int32_t X, std::int32_t Y, bool animate) {
    if (state_.Animation.MoveMap(state_.View, X, Y, animate, TrackBarPosition())) {
        ShowMap();
    } else if (!timerRunning_) {
        SetTimer(window_, kTimer1, 5, nullptr);
        timerRunning_ = true;
    }
}

void TForm1::Timer1Timer() {
    state_.Animation.Tick(state_.View, state_.MapBitmap.Width(), state_.MapBitmap.Height());
    if (!state_.Animation.Animating()) {
        KillTimer(window_, kTimer1);
        timerRunning_ = false;
    }
    ShowMap();
}

void TForm1::ComboBox1Change() {
    const int index = int(SendMessageA(ComboBox1, CB_GETCURSEL, 0, 0));
    if (const auto at = PositionForChoice(state_.View, state_.LocationPoints, index))
        MoveMap(at->x, at->y, Checked(CheckBox1));
}

void TForm1::ComboBox2Change() {
    const int index = int(SendMessageA(ComboBox2, CB_GETCURSEL, 0, 0));
    if (const auto at = PositionForChoice(state_.View, state_.FoundPoints, index))
        MoveMap(at->x, at->y, Checked(CheckBox1));
}

void TForm1::ComboBox2KeyPress(char key) {
    if (key != '\r')
        return;
    const std::string typed = WindowText(ComboBox2);
    SearchResult found = FindLocations(typed, state_.LocationNames, state_.LocationPoints);
    SendMessageA(ComboBox2, CB_RESETCONTENT, 0, 0);
    SetWindowTextA(ComboBox2, typed.c_str());
    for (const std::string& name : found.Names)
        SendMessageA(ComboBox2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    state_.FoundPoints = std::move(found.FoundPoints);
    const int count = int(SendMessageA(ComboBox2, CB_GETCOUNT, 0, 0));
    if (count > 0)
        SendMessageA(ComboBox2, CB_SETCURSEL, 0, 0); // not the user's choice: no change event
    ComboBox2Change();
    SetWindowTextA(Label6, FoundLabel(std::size_t(count)).c_str());
}

void TForm1::PaintBox1MouseDown(MouseButton button, Point at) {
    PressMainView({state_.PressX, state_.PressY}, button, at);
}

void TForm1::PaintBox1MouseUp(MouseButton button) {
    const MainViewRelease release =
        ReleaseMainView(state_.View, {state_.PressX, state_.PressY}, button, state_.PickMode);
    if (release.Moved)
        ShowMap();
    if (release.Pick && picker_)
        picker_->PickPoint(*release.Pick);
}

void TForm1::PaintBox2MouseDown(MouseButton button, Point at) {
    PressOverview({state_.PressX, state_.PressY}, button, at);
}

void TForm1::PaintBox2MouseMove(bool leftHeld, Point at) {
    if (DragOverview(state_.View, {state_.PressX, state_.PressY}, leftHeld, at))
        ShowMap();
}

void TForm1::PaintBox2Click() {
    ClickOverview(state_.View, {state_.PressX, state_.PressY});
    ShowMap();
}

} // namespace orvd
