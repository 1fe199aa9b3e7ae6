#include "app/qt/TForm1.h"

#include "app/Settings.h"
#include "app/qt/TfSplash.h"
#include "base/FileSystem.h"
#include "base/UserConfigFolder.h"
#include "base/qt/BevelPanel.h"
#include "base/qt/Dialogs.h"
#include "base/qt/HelpViewer.h"
#include "base/qt/OnSignal.h"
#include "base/qt/QtText.h"
#include "base/qt/WindowParts.h"
#include "editor/qt/TForm3.h"
#include "mapdata/Languages.h"
#include "mapdata/MapLoading.h"
#include "view/LocationSearch.h"
#include "view/MapPainter.h"
#include "view/PointerInput.h"
#include "view/qt/ColorChooser.h"
#include "view/qt/MapBox.h"
#include "view/qt/QtInput.h"
#include "view/qt/QtSystemColors.h"
#include "view/qt/TForm5.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <memory>

namespace orvd {

std::string ProgramDir;

void TForm1::WaitCursor::Begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TForm1::WaitCursor::End() {
    QApplication::restoreOverrideCursor();
}

TForm1::~TForm1() {
    editor_.reset(); // the editor writes its key first
    FormDestroy();
}

void TForm1::SetEditor(std::unique_ptr<TForm3> editor) {
    editor_ = std::move(editor);
}

QSize TForm1::OuterSize() const {
    return QSize(client_->width() + kFrameWidth, client_->height() + kFrameHeight);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        RunHandler(this, [this] { FormResize(); });
    // Every key goes on to the search box as usual.
    if (watched == ComboBox2 && event->type() == QEvent::KeyPress)
        RunHandler(this, [&] { ComboBox2KeyPress(KeyChar(*static_cast<QKeyEvent*>(event))); });
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        systemColors_ = SystemColorsFromPalette(palette());
    QMainWindow::changeEvent(event);
}

// ---- Creation and destruction ---------------------------------------------------------------

void TForm1::FormCreate() {
    ProgramDir = DirectoryOf(programPath_);
    settingsPlace_ = ChooseSettingsLocation(programPath_, UserConfigFolder());
    if (!settingsPlace_.Notice.empty())
        ShowInformationBox(this, settingsPlace_.Notice);
    systemColors_ = SystemColorsFromPalette(palette());
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
    RunHandler(this, [this] {
        DoIni(false);
        ReleaseImagesAndLists(state_);
        imagesCreated_ = false;
    });
}

// ---- Shell commands --------------------------------------------------------------------------

void TForm1::Exit1Click() {
    close();
}

void TForm1::Help2Click() {
    HelpViewer::Instance().ShowContents(this);
}

void TForm1::PopupMenu1Popup(QWidget* component, QPoint globalPos) {
    popupComponent_ = component;
    PopupMenu1->popup(globalPos);
}

void TForm1::Whatsthis1Click() {
    if (!popupComponent_)
        return;
    const int context = HelpContextOf(popupComponent_);
    if (context > 0)
        HelpViewer::Instance().ShowPopup(context, popupComponent_);
}

void TForm1::About1Click() {
    // Released when the command ends, also when showing it fails; its destructor clears fSplash.
    const auto splash = std::make_unique<TfSplash>(this);
    fSplash = splash.get();
    splash->Label7()->hide();
    splash->setModal(true);
    Dialogs().ExecModal(*splash);
}

// ---- Map and view ----------------------------------------------------------------------------

void TForm1::ChangeMap(std::string code) {
    const LoadedMap loaded =
        LoadMap(code, ProgramDir, state_.MapBitmap, state_.SmallMapBitmap, &waitCursor_);
    if (loaded.OverviewWorks)
        PaintBox2->setEnabled(*loaded.OverviewWorks);
    if (loaded.ListLanguages)
        LoadFileNames(loaded.Code);
    state_.MapCode = loaded.Code;
    Calculations();
    ShowMap(this);
    LoadNames(ResolveLocationsFile(ProgramDir, settingsPlace_.UserFolder,
                                   state_.MapCode + state_.LocationsFile));
}

void TForm1::ApplyLayout() {
    const WindowLayout& l = state_.View.Layout;
    Bevel3->setGeometry(QRectOf(l.Bevel3()));
    PaintBox1->setGeometry(QRectOf(l.PaintBox1()));
    Bevel4->setGeometry(QRectOf(l.Bevel4()));
    PaintBox2->setGeometry(QRectOf(l.PaintBox2()));
    Panel1->setGeometry(QRectOf(l.Panel1()));
}

void TForm1::Calculations() {
    if (!imagesCreated_)
        return;
    orvd::Calculations(state_.View, &state_.MapBitmap, &state_.SmallMapBitmap);
    viewsStale_ = true;
    ApplyLayout();
}

void TForm1::FormResize() {
    const QSize outer = OuterSize();
    orvd::FormResize(state_.View, outer.width(), outer.height(),
                     imagesCreated_ ? &state_.MapBitmap : nullptr,
                     imagesCreated_ ? &state_.SmallMapBitmap : nullptr);
    viewsStale_ = true;
    ApplyLayout();
}

void TForm1::ShowMap(QObject*) {
    if (!imagesCreated_)
        return;
    RenderViews(state_.View, &state_.MapBitmap, &state_.SmallMapBitmap,
                PaintOptionsOf(state_, CheckBox2->isChecked()), systemColors_);
    ++renderCount_;
    viewsStale_ = false;
    // A box in its own paint event draws the fresh buffer right after this; the other one can
    // only be asked to paint, and then shows the buffer without rendering again.
    const bool inPaint = PaintBox1->IsPainting() || PaintBox2->IsPainting();
    for (MapBox* box : {PaintBox1, PaintBox2}) {
        if (box->IsPainting())
            continue;
        if (inPaint)
            box->update();
        else
            box->Present();
    }
}

void TForm1::PaintBoxPaint() {
    // Expose events show the buffers as they are; only buffers that Calculations has just
    // resized need drawing first.
    if (viewsStale_)
        ShowMap();
}

// ---- Settings, locations and languages --------------------------------------------------------

void TForm1::DoIni(bool reading) {
    if (reading) {
        // A colour text that does not convert is shown and its key keeps the default; nothing
        // else of the start-up is skipped.
        std::vector<std::string> errors;
        const Settings settings = ReadMainSettings(settingsPlace_.Path, state_, errors);
        settingsLanguage_ = settings.Language;
        TrackBar1->setValue(ClampAnimationSpeed(settings.AnimationSpeed));
        CheckBox1->setChecked(settings.Animate);
        CheckBox2->setChecked(settings.Cross); // a change runs CheckBox2Click
        for (const std::string& message : errors)
            ShowErrorBox(this, message);
        return;
    }
    WriteMainSettings(settingsPlace_, state_, settingsLanguage_, TrackBar1->value(),
                      CheckBox1->isChecked(), CheckBox2->isChecked());
}

void TForm1::CheckBox2Click() {
    ShowMap(CheckBox2);
}

void TForm1::Crosscolor1Click() {
    // A cancelled chooser changes nothing and repaints nothing.
    if (const auto chosen = ChooseColor(this, state_.CrossColor, systemColors_)) {
        state_.CrossColor = *chosen;
        ShowMap();
    }
}

void TForm1::Mapborderstyle1Click() {
    {
        TForm5 form5(this, state_.BorderColor, state_.BorderStyle, systemColors_);
        form5.ShowModal();
    }
    ShowMap(); // after OK and after Cancel; not after an error
}

void TForm1::LoadNames(const std::string& path) {
    SetCaption(*this, FromAnsi(LoadLocations(state_, path)));
    ComboBox1->clear();
    {
        // The list shows no chosen location after loading; Qt would pick the first one.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->addItems(FromAnsiList(state_.LocationNames));
        ComboBox1->setCurrentIndex(-1);
    }
    ComboBox2->clear();
    ComboBox2->clearEditText();
}

void TForm1::LoadFileNames(const std::string& code) {
    LanguageMenu menu = orvd::LoadFileNames(ProgramDir, code, settingsPlace_.UserFolder);
    state_.LanguageFiles = std::move(menu.LanguageFiles);
    SelectLanguage1->clear();
    for (const LanguageItem& item : menu.Items) {
        QAction* action = SelectLanguage1->addAction(FromAnsi(item.DisplayName));
        const std::size_t tag = item.Tag;
        OnSignal(action, &QAction::triggered, this, [this, tag] { LanguagesClick(tag); });
    }
}

void TForm1::LanguagesClick(std::size_t tag) {
    if (const auto path =
            LanguageFilePath(ProgramDir, state_.LanguageFiles, tag, settingsPlace_.UserFolder))
        LoadNames(*path);
}

QAction* TForm1::LanguageMenuItem(int index) const {
    const QList<QAction*> items = SelectLanguage1->actions();
    return index >= 0 && index < items.size() ? items[index] : nullptr;
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
    Addlocations1->setEnabled(false);
    New1->setEnabled(false);
    SetPickMode(false);
    editor_->SetNewFile(newFile);
    editor_->SetDataFileName(std::move(dataFileName));
    SetCoordinatePicker(editor_.get());
    editor_->show();
}

void TForm1::EditorClosed() {
    SetCoordinatePicker(nullptr);
    Addlocations1->setEnabled(true);
    New1->setEnabled(true);
}

void TForm1::CentreMapOn(Point map) {
    MoveMap(map.x - state_.View.CenterX, map.y - state_.View.CenterY, false);
}

void TForm1::SetPickMode(bool on) {
    state_.PickMode = on;
    if (on)
        PaintBox1->setCursor(Qt::CrossCursor);
    else
        PaintBox1->unsetCursor();
}

// The folder the editor saves into: the user's own where the program's cannot be written.
std::string TForm1::ProgramDirectory() const {
    return settingsPlace_.UserFolder.empty() ? ProgramDir : settingsPlace_.UserFolder;
}

void TForm1::PopupWhatsThis(QWidget* control, QPoint globalPos) {
    PopupMenu1Popup(control, globalPos);
}

// ---- Navigation, pointer input and search --------------------------------------------------

void TForm1::MoveMap(std::int32_t X, std::int32_t Y, bool animate) {
    if (state_.Animation.MoveMap(state_.View, X, Y, animate, TrackBar1->value()))
        ShowMap(this);
    else if (!Timer1->isActive())
        Timer1->start();
}

void TForm1::Timer1Timer() {
    state_.Animation.Tick(state_.View, state_.MapBitmap.Width(), state_.MapBitmap.Height());
    if (!state_.Animation.Animating())
        Timer1->stop();
    ShowMap(Timer1);
}

void TForm1::ComboBox1Change() {
    if (const auto at =
            PositionForChoice(state_.View, state_.LocationPoints, ComboBox1->currentIndex()))
        MoveMap(at->x, at->y, CheckBox1->isChecked());
}

void TForm1::ComboBox2Change() {
    if (const auto at =
            PositionForChoice(state_.View, state_.FoundPoints, ComboBox2->currentIndex()))
        MoveMap(at->x, at->y, CheckBox1->isChecked());
}

void TForm1::ComboBox2Edited() {
    // The system's drop-down box has no selection once the user edits its text with the list
    // closed, so such an edit moves nothing; Qt's box keeps its entry and would go back to it.
    if (!ComboBox2->view()->isVisible() && ComboBox2->currentIndex() >= 0) {
        QLineEdit* edit = ComboBox2->lineEdit();
        const QString typed = edit->text();
        const int cursor = edit->cursorPosition();
        {
            const QSignalBlocker quiet(ComboBox2);
            ComboBox2->setCurrentIndex(-1); // which empties the text as well
        }
        edit->setText(typed);
        edit->setCursorPosition(cursor);
    }
    ComboBox2Change();
}

void TForm1::ComboBox2KeyPress(char key) {
    if (key != '\r')
        return;
    const QString typed = ComboBox2->currentText();
    SearchResult found = FindLocations(ToAnsi(typed), state_.LocationNames, state_.LocationPoints);
    ComboBox2->clear(); // which empties the text as well
    ComboBox2->setEditText(typed);
    ComboBox2->addItems(FromAnsiList(found.Names));
    state_.FoundPoints = std::move(found.FoundPoints);
    if (ComboBox2->count() > 0)
        ComboBox2->setCurrentIndex(0); // not the user's choice: no change event
    ComboBox2Change();
    Label6->setText(FromAnsi(FoundLabel(std::size_t(ComboBox2->count()))));
}

void TForm1::PaintBox1MouseDown(Qt::MouseButton button, Point at) {
    PressMainView({state_.PressX, state_.PressY}, ButtonOf(button), at);
}

void TForm1::PaintBox1MouseUp(Qt::MouseButton button) {
    const MainViewRelease release = ReleaseMainView(state_.View, {state_.PressX, state_.PressY},
                                                    ButtonOf(button), state_.PickMode);
    if (release.Moved)
        ShowMap(PaintBox1);
    if (release.Pick && picker_)
        picker_->PickPoint(*release.Pick);
}

void TForm1::PaintBox2MouseDown(Qt::MouseButton button, Point at) {
    PressOverview({state_.PressX, state_.PressY}, ButtonOf(button), at);
}

void TForm1::PaintBox2MouseMove(Qt::MouseButtons held, Point at) {
    if (DragOverview(state_.View, {state_.PressX, state_.PressY}, held.testFlag(Qt::LeftButton),
                     at))
        ShowMap(PaintBox2);
}

void TForm1::PaintBox2Click() {
    ClickOverview(state_.View, {state_.PressX, state_.PressY});
    ShowMap(PaintBox2);
}

} // namespace orvd
