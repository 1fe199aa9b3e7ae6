#include "app/TForm1.h"

#include "app/Settings.h"
#include "app/SettingsLocation.h"
#include "app/TfSplash.h"
#include "base/BevelPanel.h"
#include "base/CheckBox.h"
#include "base/ContextMenuKey.h"
#include "base/Dialogs.h"
#include "base/FileSystem.h"
#include "base/HelpViewer.h"
#include "base/ProfileFile.h"
#include "base/QtText.h"
#include "base/ScreenPlacement.h"
#include "base/TrackBar.h"
#include "base/WindowParts.h"
#include "editor/TForm3.h"
#include "mapdata/Languages.h"
#include "mapdata/LocationList.h"
#include "mapdata/MapPictures.h"
#include "mapdata/MapTable.h"
#include "mapdata/TestMap.h"
#include "view/ColorChooser.h"
#include "view/LocationSearch.h"
#include "view/MapBox.h"
#include "view/MapPainter.h"
#include "view/PointerInput.h"
#include "view/QtInput.h"
#include "view/QtSystemColors.h"
#include "view/TForm5.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <cstdlib>
#include <memory>

namespace orvd {

std::string ProgramDir;

namespace {

constexpr int kClientWidth = kInitialOuterWidth - kFrameWidth;    // 655
constexpr int kClientHeight = kInitialOuterHeight - kFrameHeight; // 424
constexpr int kMinOuterWidth = 400;
constexpr int kMinOuterHeight = 470;

QFrame* MakeLoweredFrame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    return frame;
}

} // namespace

void TForm1::WaitCursor::Begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TForm1::WaitCursor::End() {
    QApplication::restoreOverrideCursor();
}

TForm1::TForm1(std::string programPath, std::string firstArgument, QWidget* parent)
    : QMainWindow(parent), programPath_(std::move(programPath)),
      firstArgument_(std::move(firstArgument)) {
    setObjectName("Form1");
    SetCaption(*this, QStringLiteral("Orvandel Map"));
    setFont(DialogFont());
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/globe%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    BuildControls();
    BuildMenus();
    CaptureDesignLayout();
    // Qt reports the client area; the classic frame, caption and menu bar come on top of it.
    client_->setMinimumSize(kMinOuterWidth - kFrameWidth, kMinOuterHeight - kFrameHeight);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CentredOn(screen->geometry(), QSize(kInitialOuterWidth, kInitialOuterHeight)));

    RunHandler(this, [this] { FormCreate(); });
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::BuildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    setCentralWidget(client_);
    client_->installEventFilter(this);

    Bevel3 = MakeLoweredFrame(client_, "Bevel3");
    Bevel3->setGeometry(6, 6, 414, 403);
    PaintBox1 = MakeMapBox("PaintBox1", QRect(8, 8, 410, 399), &state_.View.ViewBuffer);
    PaintBox1->setAccessibleName(QStringLiteral("Main view"));
    PaintBox1->setAccessibleDescription(QStringLiteral("Click to bring a point to the middle"));
    connect(PaintBox1, &MapBox::pressed, this, [this](QMouseEvent* e) {
        RunHandler(this, [&] { PaintBox1MouseDown(e->button(), PointOf(*e)); });
    });
    connect(PaintBox1, &MapBox::released, this,
            [this](QMouseEvent* e) { RunHandler(this, [&] { PaintBox1MouseUp(e->button()); }); });

    Bevel4 = MakeLoweredFrame(client_, "Bevel4");
    Bevel4->setGeometry(433, 6, 204, 182);
    PaintBox2 = MakeMapBox("PaintBox2", QRect(435, 8, 200, 178), &state_.View.OverviewBuffer);
    PaintBox2->setEnabled(false); // a disabled box receives no pointer events
    PaintBox2->setAccessibleName(QStringLiteral("Overview"));
    PaintBox2->setAccessibleDescription(QStringLiteral("Click or drag to move the main view"));
    connect(PaintBox2, &MapBox::pressed, this, [this](QMouseEvent* e) {
        RunHandler(this, [&] { PaintBox2MouseDown(e->button(), PointOf(*e)); });
    });
    connect(PaintBox2, &MapBox::moved, this, [this](QMouseEvent* e) {
        RunHandler(this, [&] { PaintBox2MouseMove(e->buttons(), PointOf(*e)); });
    });
    connect(PaintBox2, &MapBox::clicked, this,
            [this] { RunHandler(this, [this] { PaintBox2Click(); }); });

    Panel1 = new BevelPanel(client_, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, 1);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(428, 200, 220, 218);

    Label1 = MakeLabel(Panel1, "Label1", QStringLiteral("Select :"), 7, 4);
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(6, 20, 209, 21);
    ComboBox1->setEditable(false);
    // Named for screen readers as their labels show them; on Unix they read the label itself.
    ComboBox1->setAccessibleName(QStringLiteral("Select"));
    Label1->setBuddy(ComboBox1);
    ComboBox1->setMaxVisibleItems(12);
    // Styles drop a list that cannot be typed in as a menu of every row; a plain list keeps 12.
    ComboBox1->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    SetHelpContext(ComboBox1, 101);
    // Only the user's choice moves the view, never the program's filling of the list.
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { RunHandler(this, [this] { ComboBox1Change(); }); });

    Label2 = MakeLabel(Panel1, "Label2", QStringLiteral("Search :"), 7, 52);
    Label6 = new QLabel(QStringLiteral("0 found"), Panel1);
    Label6->setObjectName("Label6");
    Label6->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label6->adjustSize();
    // Right-aligned: the right edge stays at x = 212 whatever the text.
    Label6->setGeometry(212 - 100, 52, 100, Label6->height());

    ComboBox2 = new QComboBox(Panel1);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->setGeometry(6, 68, 209, 21);
    ComboBox2->setEditable(true);
    ComboBox2->setAccessibleName(QStringLiteral("Search"));
    // The text field has the focus while the user types; without its own name a screen reader
    // announces a nameless field.
    ComboBox2->lineEdit()->setAccessibleName(ComboBox2->accessibleName());
    Label2->setBuddy(ComboBox2);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    // The search is for the text as typed: no found name may be filled in behind the cursor.
    ComboBox2->setCompleter(nullptr);
    SetHelpContext(ComboBox2, 102);
    // Keys reach the box, which hands them to its line edit directly, past any filter there.
    ComboBox2->installEventFilter(this);
    // A chosen entry and every edit of the user's; the program's own text changes are neither.
    connect(ComboBox2, &QComboBox::activated, this,
            [this] { RunHandler(this, [this] { ComboBox2Change(); }); });
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this,
            [this] { RunHandler(this, [this] { ComboBox2Change(); }); });

    Label3 = MakeLabel(Panel1, "Label3", QStringLiteral("Animation speed"), 7, 100);
    TrackBar1 = new TrackBar(Panel1);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setGeometry(6, 116, 150, 33);
    TrackBar1->setAccessibleName(QStringLiteral("Animation speed"));
    Label3->setBuddy(TrackBar1);
    TrackBar1->setRange(10, 50);
    TrackBar1->setValue(20);
    TrackBar1->setSingleStep(5);
    TrackBar1->setPageStep(10);
    TrackBar1->setTickInterval(10);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    SetHelpContext(TrackBar1, 103);
    Label4 = MakeLabel(Panel1, "Label4", QStringLiteral("Slow"), 8, 148);
    Label5 = MakeLabel(Panel1, "Label5", QStringLiteral("Fast"), 139, 148);

    CheckBox1 = new CheckBox(QStringLiteral("Animate"), Panel1);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(6, 168, 73, 17);
    CheckBox2 = new CheckBox(QStringLiteral("Crosshairs"), Panel1);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setGeometry(6, 186, 97, 17);
    connect(CheckBox2, &QCheckBox::toggled, this,
            [this] { RunHandler(this, [this] { CheckBox2Click(); }); });

    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, TrackBar1);
    setTabOrder(TrackBar1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(5);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this,
            [this] { RunHandler(this, [this] { Timer1Timer(); }); });

    // The right button, the Menu key and Shift+F10 on these controls open the "What's this?"
    // menu.
    for (QWidget* control : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(ComboBox2),
                             static_cast<QWidget*>(TrackBar1)}) {
        ContextMenuKey::Install(control);
        QList<QWidget*> surfaces{control};
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            surfaces << combo->lineEdit();
        for (QWidget* surface : surfaces) {
            surface->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(surface, &QWidget::customContextMenuRequested, this,
                    [this, control, surface](const QPoint& pos) {
                        PopupMenu1Popup(control, surface->mapToGlobal(pos));
                    });
        }
    }
}

// Both boxes show a buffer of the core and have ShowMap as their paint handler.
MapBox* TForm1::MakeMapBox(const char* name, const QRect& geometry, const Image* buffer) {
    auto* box = new MapBox(client_);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->SetImage(buffer);
    box->SetPaintHandler([this](MapBox*) { PaintBoxPaint(); });
    return box;
}

void TForm1::BuildMenus() {
    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    File1->setObjectName("File1");
    // The hints of New and Edit are kept but not displayed: the window has no status line.
    New1 = File1->addAction(QStringLiteral("&New..."));
    New1->setObjectName("New1");
    New1->setStatusTip(QStringLiteral("Create a new locations file."));
    Addlocations1 = File1->addAction(QStringLiteral("&Edit..."));
    Addlocations1->setObjectName("Addlocations1");
    Addlocations1->setStatusTip(QStringLiteral("Edit the location file."));
    connect(New1, &QAction::triggered, this, [this] { RunHandler(this, [this] { New1Click(); }); });
    connect(Addlocations1, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { Addlocations1Click(); }); });

    // Never shown nor enabled: the map stays the one chosen at start-up.
    Selectmap1 = File1->addMenu(QStringLiteral("Select &map"));
    Selectmap1->setObjectName("Selectmap1");
    Selectmap1->menuAction()->setVisible(false);
    Selectmap1->menuAction()->setEnabled(false);
    mapGroup_ = new QActionGroup(this);
    mapGroup_->setExclusive(true);
    for (const char* name : {"Norrowen1", "Fallowmere1", "Brackenmoor1"}) {
        const std::string caption(name, std::char_traits<char>::length(name) - 1);
        QAction* item = Selectmap1->addAction(QString::fromLatin1(caption.c_str()));
        item->setObjectName(name);
        item->setCheckable(true);
        mapGroup_->addAction(item);
    }

    SelectLanguage1 = File1->addMenu(QStringLiteral("Select &language"));
    SelectLanguage1->setObjectName("SelectLanguage1");
    File1->addSeparator()->setObjectName("N1");
    Crosscolor1 = File1->addAction(QStringLiteral("&Crosshair color..."));
    Crosscolor1->setObjectName("Crosscolor1");
    connect(Crosscolor1, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { Crosscolor1Click(); }); });
    Mapborderstyle1 = File1->addAction(QStringLiteral("Map&border style..."));
    Mapborderstyle1->setObjectName("Mapborderstyle1");
    connect(Mapborderstyle1, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { Mapborderstyle1Click(); }); });
    Exit1 = File1->addAction(QStringLiteral("E&xit"));
    Exit1->setObjectName("Exit1");
    connect(Exit1, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { Exit1Click(); }); });

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName("Help1");
    Help2 = Help1->addAction(QStringLiteral("&Help"));
    Help2->setObjectName("Help2");
    connect(Help2, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { Help2Click(); }); });
    About1 = Help1->addAction(QStringLiteral("&About"));
    About1->setObjectName("About1");
    connect(About1, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { About1Click(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Whatsthis1 = PopupMenu1->addAction(QStringLiteral("What's this?"));
    Whatsthis1->setObjectName("Whatsthis1");
    connect(Whatsthis1, &QAction::triggered, this,
            [this] { RunHandler(this, [this] { Whatsthis1Click(); }); });
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
    const SettingsLocation settings =
        ChooseSettingsLocation(programPath_, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    settingsPath_ = settings.Path;
    settingsWritable_ = settings.Writable;
    userDir_ = settings.Writable && DirectoryOf(settingsPath_) != ProgramDir
                   ? DirectoryOf(settingsPath_)
                   : std::string();
    if (!settings.Notice.empty())
        ShowInformationBox(this, settings.Notice);
    systemColors_ = SystemColorsFromPalette(palette());
    state_.MapBitmap.Clear();
    state_.SmallMapBitmap.Clear();
    state_.View.ViewBuffer.Clear();
    state_.View.OverviewBuffer.Clear();
    state_.LanguageFiles.clear();
    state_.LocationNames.clear();
    state_.LocationPoints.clear();
    state_.FoundPoints.clear();
    imagesCreated_ = true;
    state_.LocationsFile.clear();
    state_.PickMode = false;
    DoIni(true);
    state_.MapCode = "NR";
    if (firstArgument_ == "testing")
        state_.MapCode = kTestMapCode;
    ChangeMap(state_.MapCode);
}

void TForm1::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    RunHandler(this, [this] {
        DoIni(false);
        state_.MapBitmap.Clear();
        state_.SmallMapBitmap.Clear();
        state_.View.ViewBuffer.Clear();
        state_.View.OverviewBuffer.Clear();
        imagesCreated_ = false;
        state_.LanguageFiles.clear();
        state_.LocationNames.clear();
        state_.LocationPoints.clear();
        state_.FoundPoints.clear();
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
    const MapChoice choice = ChooseMap(code, [](const std::string& name) {
        return FileExists(ResolveFileName(ProgramDir, name));
    });
    code = choice.Code;
    if (!choice.HasPicture) {
        MakeTestMap(state_.MapBitmap, &waitCursor_);
        PaintBox2->setEnabled(false);
    } else {
        bool failed = true;
        try {
            LoadMapImage(state_.MapBitmap, ProgramDir, code, failed, &waitCursor_);
        } catch (const std::exception&) {
            // A picture that does not decode shows nothing and tells nothing.
        }
        if (!failed) {
            try {
                LoadOverviewImage(state_.SmallMapBitmap, ProgramDir, code);
                PaintBox2->setEnabled(true);
            } catch (const std::exception&) {
                PaintBox2->setEnabled(false);
            }
            LoadFileNames(code);
        }
    }
    state_.MapCode = code;
    Calculations();
    ShowMap(this);
    const std::string name = state_.MapCode + state_.LocationsFile;
    const std::string edited = userDir_.empty() ? name : ResolveFileName(userDir_, name);
    LoadNames(FileExists(edited) ? edited : ResolveFileName(ProgramDir, name));
}

void TForm1::CaptureDesignLayout() {
    // Until the first size report the regions keep their places in the window's definition.
    WindowLayout& l = state_.View.Layout;
    l.Bevel3Width = Bevel3->width();
    l.Bevel3Height = Bevel3->height();
    l.PaintBox1Width = PaintBox1->width();
    l.PaintBox1Height = PaintBox1->height();
    l.Bevel4Left = Bevel4->x();
    l.Bevel4Width = Bevel4->width();
    l.Bevel4Height = Bevel4->height();
    l.PaintBox2Left = PaintBox2->x();
    l.PaintBox2Width = PaintBox2->width();
    l.PaintBox2Height = PaintBox2->height();
    l.Panel1Left = Panel1->x();
    l.Panel1Top = Panel1->y();
}

void TForm1::ApplyLayout() {
    const WindowLayout& l = state_.View.Layout;
    Bevel3->setGeometry(WindowLayout::kBevel3Left, WindowLayout::kBevel3Top, l.Bevel3Width,
                        l.Bevel3Height);
    PaintBox1->setGeometry(WindowLayout::kPaintBox1Left, WindowLayout::kPaintBox1Top,
                           l.PaintBox1Width, l.PaintBox1Height);
    Bevel4->setGeometry(l.Bevel4Left, WindowLayout::kBevel4Top, l.Bevel4Width, l.Bevel4Height);
    PaintBox2->setGeometry(l.PaintBox2Left, WindowLayout::kPaintBox2Top, l.PaintBox2Width,
                           l.PaintBox2Height);
    Panel1->move(l.Panel1Left, l.Panel1Top);
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
    MapPaintOptions options;
    options.CrossColor = state_.CrossColor;
    options.Crosshairs = CheckBox2->isChecked();
    options.BorderColor = state_.BorderColor;
    options.BorderStyle = state_.BorderStyle;
    RenderViews(state_.View, &state_.MapBitmap, &state_.SmallMapBitmap, options, systemColors_);
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
    ProfileFile file(settingsPath_);
    Settings settings;
    if (reading) {
        // A colour text that does not convert is shown and its key keeps the default; nothing
        // else of the start-up is skipped.
        const std::vector<std::string> errors = ReadSettings(file, settings);
        settingsLanguage_ = settings.Language;
        state_.LocationsFile = settings.LocationsFile;
        TrackBar1->setValue(ClampAnimationSpeed(settings.AnimationSpeed));
        CheckBox1->setChecked(settings.Animate);
        CheckBox2->setChecked(settings.Cross); // a change runs CheckBox2Click
        state_.CrossColor = settings.CrossColor;
        state_.BorderColor = settings.BorderColor;
        state_.BorderStyle = settings.BorderStyle;
        for (const std::string& message : errors)
            ShowErrorBox(this, message);
        return;
    }
    if (!settingsWritable_)
        return;
    settings.Language = settingsLanguage_;
    settings.LocationsFile = state_.LocationsFile;
    settings.AnimationSpeed = TrackBar1->value();
    settings.Animate = CheckBox1->isChecked();
    settings.Cross = CheckBox2->isChecked();
    settings.CrossColor = state_.CrossColor;
    settings.BorderColor = state_.BorderColor;
    settings.BorderStyle = state_.BorderStyle;
    WriteSettings(file, settings, state_.MapCode == kTestMapCode);
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
    LocationList list = orvd::LoadNames(path, state_.MapBitmap.Width(), state_.MapBitmap.Height());
    state_.LanguageName = std::move(list.LanguageName);
    SetCaption(*this, FromAnsi(list.Caption));
    ComboBox1->clear();
    {
        // The list shows no chosen location after loading; Qt would pick the first one.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->addItems(FromAnsiList(list.Names));
        ComboBox1->setCurrentIndex(-1);
    }
    state_.LocationNames = std::move(list.Names);
    state_.LocationPoints = std::move(list.LocationPoints);
    ComboBox2->clear();
    ComboBox2->clearEditText();
    state_.LocationsFile = std::move(list.LocationsFile);
}

void TForm1::LoadFileNames(const std::string& code) {
    LanguageMenu menu = orvd::LoadFileNames(ProgramDir, code, userDir_);
    state_.LanguageFiles = std::move(menu.LanguageFiles);
    SelectLanguage1->clear();
    for (const LanguageItem& item : menu.Items) {
        QAction* action = SelectLanguage1->addAction(FromAnsi(item.DisplayName));
        const std::size_t tag = item.Tag;
        connect(action, &QAction::triggered, this,
                [this, tag] { RunHandler(this, [this, tag] { LanguagesClick(tag); }); });
    }
}

void TForm1::LanguagesClick(std::size_t tag) {
    if (const auto path = LanguageFilePath(ProgramDir, state_.LanguageFiles, tag, userDir_))
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
    if (!Form3)
        return;
    Addlocations1->setEnabled(false);
    New1->setEnabled(false);
    SetPickMode(false);
    Form3->SetNewFile(newFile);
    Form3->SetDataFileName(std::move(dataFileName));
    SetCoordinatePicker(Form3);
    Form3->show();
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
    return userDir_.empty() ? ProgramDir : userDir_;
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
