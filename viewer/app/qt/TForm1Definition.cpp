#include "app/qt/TForm1.h"

#include "base/qt/BevelPanel.h"
#include "base/qt/CheckBox.h"
#include "base/qt/ContextMenuRoute.h"
#include "base/qt/Dialogs.h"
#include "base/qt/HelpViewer.h"
#include "base/qt/OnSignal.h"
#include "base/qt/QtText.h"
#include "base/qt/ScreenPlacement.h"
#include "base/qt/TrackBar.h"
#include "base/qt/WindowParts.h"
#include "editor/qt/TForm3.h"
#include "mapdata/MapTable.h"
#include "view/qt/MapBox.h"
#include "view/qt/QtInput.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <span>

namespace orvd {

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
    state_.View.Layout = kDesignLayout; // until the first size report
    // Qt reports the client area; the classic frame, caption and menu bar come on top of it.
    client_->setMinimumSize(kMinOuterWidth - kFrameWidth, kMinOuterHeight - kFrameHeight);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CentredOn(screen->geometry(), QSize(kInitialOuterWidth, kInitialOuterHeight)));

    RunHandler(this, [this] { FormCreate(); });
}

void TForm1::BuildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    setCentralWidget(client_);
    client_->installEventFilter(this);

    Bevel3 = MakeLoweredFrame(client_, "Bevel3");
    Bevel3->setGeometry(QRectOf(kDesignLayout.Bevel3()));
    // Both boxes show a buffer of the core and have ShowMap as their paint handler.
    PaintBox1 = MakeMapBox(client_, "PaintBox1", QRectOf(kDesignLayout.PaintBox1()),
                           &state_.View.ViewBuffer, [this](MapBox*) { PaintBoxPaint(); });
    PaintBox1->setAccessibleName(QStringLiteral("Main view"));
    PaintBox1->setAccessibleDescription(QStringLiteral("Click to bring a point to the middle"));
    connect(PaintBox1, &MapBox::pressed, this, [this](QMouseEvent* e) {
        RunHandler(this, [&] { PaintBox1MouseDown(e->button(), PointOf(*e)); });
    });
    connect(PaintBox1, &MapBox::released, this,
            [this](QMouseEvent* e) { RunHandler(this, [&] { PaintBox1MouseUp(e->button()); }); });

    Bevel4 = MakeLoweredFrame(client_, "Bevel4");
    Bevel4->setGeometry(QRectOf(kDesignLayout.Bevel4()));
    PaintBox2 = MakeMapBox(client_, "PaintBox2", QRectOf(kDesignLayout.PaintBox2()),
                           &state_.View.OverviewBuffer, [this](MapBox*) { PaintBoxPaint(); });
    PaintBox2->setEnabled(false); // a disabled box receives no pointer events
    PaintBox2->setAccessibleName(QStringLiteral("Overview"));
    PaintBox2->setAccessibleDescription(QStringLiteral("Click or drag to move the main view"));
    connect(PaintBox2, &MapBox::pressed, this, [this](QMouseEvent* e) {
        RunHandler(this, [&] { PaintBox2MouseDown(e->button(), PointOf(*e)); });
    });
    connect(PaintBox2, &MapBox::moved, this, [this](QMouseEvent* e) {
        RunHandler(this, [&] { PaintBox2MouseMove(e->buttons(), PointOf(*e)); });
    });
    OnSignal(PaintBox2, &MapBox::clicked, this, [this] { PaintBox2Click(); });

    Panel1 = new BevelPanel(client_, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, 1);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(QRectOf(kDesignLayout.Panel1()));

    Label1 = MakeLabel(Panel1, "Label1", QStringLiteral("Select :"), 7, 4);
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(6, 20, 209, 21);
    ComboBox1->setEditable(false);
    // Named for screen readers as their labels show them; on Unix they read the label itself.
    ComboBox1->setAccessibleName(QStringLiteral("Select"));
    Label1->setBuddy(ComboBox1);
    ComboBox1->setMaxVisibleItems(12);
    DropListBelowBox(ComboBox1); // a menu of every row would not keep to 12
    SetHelpContext(ComboBox1, 101);
    // Only the user's choice moves the view, never the program's filling of the list.
    OnSignal(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });

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
    OnSignal(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    OnSignal(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox2Edited(); });

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
    OnSignal(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });

    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, TrackBar1);
    setTabOrder(TrackBar1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(5);
    Timer1->setTimerType(Qt::PreciseTimer);
    OnSignal(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    for (QWidget* control : std::initializer_list<QWidget*>{ComboBox1, ComboBox2, TrackBar1})
        RouteContextMenu(control, [this](QWidget* c, QPoint at) { PopupMenu1Popup(c, at); });
}

void TForm1::BuildMenus() {
    // The menus of the window's definition, item by item in menu order. The hints of New and
    // Edit are kept but not displayed: the window has no status line.
    struct MenuItem {
        const char* Caption; // null for a separator
        const char* Name;
        QAction* TForm1::*Item = nullptr;
        void (TForm1::*Click)() = nullptr;
        QMenu* TForm1::*Submenu = nullptr; // filled elsewhere
        const char* Hint = nullptr;
    };
    static const MenuItem kFile[] = {
        {"&New...", "New1", &TForm1::New1, &TForm1::New1Click, nullptr,
         "Create a new locations file."},
        {"&Edit...", "Addlocations1", &TForm1::Addlocations1, &TForm1::Addlocations1Click, nullptr,
         "Edit the location file."},
        {"Select &map", "Selectmap1", nullptr, nullptr, &TForm1::Selectmap1},
        {"Select &language", "SelectLanguage1", nullptr, nullptr, &TForm1::SelectLanguage1},
        {nullptr, "N1"},
        {"&Crosshair color...", "Crosscolor1", &TForm1::Crosscolor1, &TForm1::Crosscolor1Click},
        {"Map&border style...", "Mapborderstyle1", &TForm1::Mapborderstyle1,
         &TForm1::Mapborderstyle1Click},
        {"E&xit", "Exit1", &TForm1::Exit1, &TForm1::Exit1Click},
    };
    static const MenuItem kHelp[] = {
        {"&Help", "Help2", &TForm1::Help2, &TForm1::Help2Click},
        {"&About", "About1", &TForm1::About1, &TForm1::About1Click},
    };
    static const MenuItem kPopup[] = {
        {"What's this?", "Whatsthis1", &TForm1::Whatsthis1, &TForm1::Whatsthis1Click},
    };
    const auto fill = [this](QMenu* menu, std::span<const MenuItem> items) {
        for (const MenuItem& entry : items) {
            if (!entry.Caption) {
                menu->addSeparator()->setObjectName(entry.Name);
            } else if (entry.Submenu) {
                QMenu* submenu = menu->addMenu(QString::fromLatin1(entry.Caption));
                submenu->setObjectName(entry.Name);
                this->*entry.Submenu = submenu;
            } else {
                QAction* item = menu->addAction(QString::fromLatin1(entry.Caption));
                item->setObjectName(entry.Name);
                if (entry.Hint)
                    item->setStatusTip(QString::fromLatin1(entry.Hint));
                OnSignal(item, &QAction::triggered, this,
                         [this, click = entry.Click] { (this->*click)(); });
                this->*entry.Item = item;
            }
        }
    };

    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    File1->setObjectName("File1");
    fill(File1, kFile);
    // Never shown nor enabled: the map stays the one chosen at start-up.
    Selectmap1->menuAction()->setVisible(false);
    Selectmap1->menuAction()->setEnabled(false);
    mapGroup_ = new QActionGroup(this);
    mapGroup_->setExclusive(true);
    for (const MapEntry& map : kMaps) {
        QAction* item = Selectmap1->addAction(QString::fromLatin1(map.Name));
        item->setObjectName(QString::fromLatin1(map.Name) + u'1');
        item->setCheckable(true);
        mapGroup_->addAction(item);
    }

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName("Help1");
    fill(Help1, kHelp);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    fill(PopupMenu1, kPopup);
}

} // namespace orvd
