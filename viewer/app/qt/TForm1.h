#pragma once

#include "app/MainState.h"
#include "app/SettingsLocation.h"
#include "base/BusyIndicator.h"
#include "editor/qt/EditorWindowHost.h"
#include "view/CoordinatePicker.h"
#include "view/SystemColors.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QSlider;
class QTimer;

namespace orvd {

class BevelPanel;
class MapBox;
class TForm3;

// The program's folder with a trailing separator; every data file name is ProgramDir + a name.
extern std::string ProgramDir;

// The main window: the main view, the overview, the panel with the location list, the search
// box and the animation controls, the main menu and the "What's this?" menu. It owns the core
// state (MainState) and forwards its events to the core.
class TForm1 : public QMainWindow, public EditorWindowHost {
    Q_OBJECT
public:
    // `programPath` is the program file's path (its folder becomes ProgramDir, its name with
    // ".ini" the settings file); `firstArgument` is the first command-line argument.
    TForm1(std::string programPath, std::string firstArgument, QWidget* parent = nullptr);
    ~TForm1() override; // releases the editor, then runs FormDestroy

    // The location editor, created hidden right after the main window, is handed to it and
    // lives as long as it does.
    void SetEditor(std::unique_ptr<TForm3> editor);
    TForm3* Editor() const { return editor_.get(); }

    MainState& State() { return state_; }
    // The settings file, beside the program or in the user's configuration folder
    // (SettingsLocation).
    const std::string& SettingsPath() const { return settingsPlace_.Path; }

    // Shell commands and handlers.
    void Exit1Click();
    void Help2Click();
    void About1Click();
    void Whatsthis1Click();
    // Opens PopupMenu1 for `component` at `globalPos` (the right button on a control).
    void PopupMenu1Popup(QWidget* component, QPoint globalPos);
    QWidget* PopupComponent() const { return popupComponent_; }

    // Map and view operations.
    void ChangeMap(std::string code);
    void Calculations();
    void FormResize();
    // Renders both views and presents them within the calling event. `sender` is ignored.
    void ShowMap(QObject* sender = nullptr);
    // How often ShowMap has rendered the two buffers, for tests.
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
    void ComboBox2Edited();
    void ComboBox2KeyPress(char key);
    void PaintBox1MouseDown(Qt::MouseButton button, Point at);
    void PaintBox1MouseUp(Qt::MouseButton button);
    void PaintBox2MouseDown(Qt::MouseButton button, Point at);
    void PaintBox2MouseMove(Qt::MouseButtons held, Point at);
    void PaintBox2Click();
    // Receives the map point of a left click on the main view while PickMode is set; not
    // owned, null for none. Its owner resets it before it goes.
    void SetCoordinatePicker(CoordinatePicker* picker) { picker_ = picker; }
    // Item `index` of File > Select language, or null.
    QAction* LanguageMenuItem(int index) const;

    // The location editor: File > Edit... and File > New... open it (both disabled until it
    // closes); the rest is what the editor asks of the main window.
    void Addlocations1Click();
    void New1Click();
    void CentreMapOn(Point map) override;
    void SetPickMode(bool on) override;
    std::string MapCode() const override { return state_.MapCode; }
    std::string ProgramDirectory() const override;
    QWidget* Window() override { return this; }
    std::string LocationsFile() const override { return state_.LocationsFile; }
    std::vector<std::string> LocationNames() const override { return state_.LocationNames; }
    std::vector<Point> LocationPoints() const override { return state_.LocationPoints; }
    std::string LanguageName() const override { return state_.LanguageName; }
    void LoadNames(const std::string& path) override;
    void LoadFileNames(const std::string& code) override;
    void EditorClosed() override;
    void PopupWhatsThis(QWidget* control, QPoint globalPos) override;

    // The outer size of the window: the client area below the menu bar plus the frame,
    // caption and menu bar of the classic window system.
    QSize OuterSize() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void OpenEditor(bool newFile, std::string dataFileName);
    void BuildControls();
    void BuildMenus();
    void FormCreate();
    void FormDestroy();
    void ApplyLayout();
    void PaintBoxPaint();

    std::string programPath_;
    std::string firstArgument_;
    // The settings file, whether it can be written, and the user's folder that stands for the
    // program's where that cannot be written (the editor saves there).
    SettingsLocation settingsPlace_;
    std::string settingsLanguage_; // the "Language" value read, kept for the test map
    MainState state_;
    bool imagesCreated_ = false;
    bool destroyed_ = false;
    bool viewsStale_ = true; // the buffers were resized and not drawn since
    int renderCount_ = 0;
    SystemColorTable systemColors_;
    QPointer<QWidget> popupComponent_;
    CoordinatePicker* picker_ = nullptr;
    std::unique_ptr<TForm3> editor_;

    class WaitCursor final : public BusyIndicator {
    public:
        void Begin() override;
        void End() override;
    } waitCursor_;

    // Controls, named as in the window's definition.
    QWidget* client_ = nullptr;
    QFrame* Bevel3 = nullptr;
    MapBox* PaintBox1 = nullptr;
    QFrame* Bevel4 = nullptr;
    MapBox* PaintBox2 = nullptr;
    BevelPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label3 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Addlocations1 = nullptr;
    QMenu* Selectmap1 = nullptr;
    QActionGroup* mapGroup_ = nullptr;
    QMenu* SelectLanguage1 = nullptr;
    QAction* Crosscolor1 = nullptr;
    QAction* Mapborderstyle1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* About1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Whatsthis1 = nullptr;
};

} // namespace orvd
