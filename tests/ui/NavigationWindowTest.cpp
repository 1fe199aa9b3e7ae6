// Moving around on the main window: the location list, the search box and both views.
#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "ViewerFixture.h"
#include "WidgetLookup.h"
#include "app/qt/TForm1.h"
#include "base/FileSystem.h"
#include "mapdata/JpegDecoder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

using namespace orvd;
using orvd::testing::Child;
using orvd::testing::EncodeJpeg;
using orvd::testing::PatternImage;
using orvd::testing::ScriptedDialogs;
using orvd::testing::TempDir;
using orvd::testing::WriteFile;

namespace {

struct FakePicker final : CoordinatePicker {
    std::vector<Point> picked;
    void PickPoint(Point map) override { picked.push_back(map); }
};

Point Position(TForm1& f) {
    return Point{f.State().View.ViewLeft, f.State().View.ViewTop};
}

// Keys through the window system, to the window's focus widget.
void TypeKeys(QWindow* window, const char* text) {
    for (const char* c = text; *c; ++c)
        QTest::keyClick(window, *c);
}

} // namespace

class NavigationWindowTest : public QObject, protected testing::ViewerFixture {
    Q_OBJECT

    Image map_, small_; // the pictures as the program decodes them

    // Map 1600 x 1424 with its overview (scale 0.125), three locations, no crosshair.
    std::unique_ptr<TForm1> Start(const std::string& settings, bool overview = true) {
        WriteFile(dir_->File("ORVDMAP.ini"), "[Config]\r\nCross=0\r\n" + settings);
        WriteFile(dir_->File("NR.map"), EncodeJpeg(PatternImage(1600, 1424), 92));
        DecodeJpeg(*ReadWholeFile(dir_->File("NR.map")), map_);
        if (overview) {
            WriteFile(dir_->File("NR_small.map"), EncodeJpeg(PatternImage(200, 178), 92));
            DecodeJpeg(*ReadWholeFile(dir_->File("NR_small.map")), small_);
        }
        WriteFile(dir_->File("NR_Engli.dat"),
                  "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nNorthgate=300,250\r\n"
                  "Stonebridge=1200,1000\r\nEastmarch=900,700\r\n");
        return StartViewer();
    }

    // The main view on the screen shows the map 1:1 at the view's position, border beyond it.
    void CheckMainView(TForm1& f) {
        const QImage shot = Child<QWidget>(&f, "PaintBox1")->grab().toImage();
        const Point at = Position(f);
        int mismatches = 0, mapPixels = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const int mx = at.x + x, my = at.y + y;
                if (mx < 0 || my < 0 || mx >= map_.Width() || my >= map_.Height())
                    continue;
                ++mapPixels;
                mismatches += shot.pixel(x, y) != (map_.At(mx, my) | 0xFF000000u);
            }
        QVERIFY(mapPixels > 0);
        QCOMPARE(mismatches, 0);
    }

    static void ChooseWithMouse(QComboBox* box, int index) {
        box->showPopup();
        QAbstractItemView* list = box->view();
        QTRY_VERIFY(list->isVisible());
        const QPoint at = list->visualRect(list->model()->index(index, 0)).center();
        QTest::mouseMove(list->viewport(), at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!list->isVisible());
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void choosingALocationWithKeyboardOrMouseCentresIt() {
        auto f = Start("Animate=0\r\n");
        auto* list = Child<QComboBox>(f.get(), "ComboBox1");
        QCOMPARE(Position(*f), (Point{0, 0})); // filling the list moved nothing
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down); // Eastmarch, the first in byte order
        QCOMPARE(Position(*f), (Point{900 - 193, 700 - 199}));
        CheckMainView(*f);
        ChooseWithMouse(list, 2); // Stonebridge
        QCOMPARE(list->currentText(), QStringLiteral("Stonebridge"));
        QCOMPARE(Position(*f), (Point{1200 - 193, 1000 - 199}));
        CheckMainView(*f);
        QVERIFY(!Child<QTimer>(f.get(), "Timer1")->isActive());
    }

    void animatedChoiceSlidesAt45DegreesThenStraightOntoTheLocation() {
        auto f = Start("Animate=1\r\nAnimationSpeed=50\r\n");
        auto* timer = Child<QTimer>(f.get(), "Timer1");
        QCOMPARE(timer->interval(), 5);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        std::vector<Point> path;
        connect(timer, &QTimer::timeout, this, [&] { path.push_back(Position(*f)); });
        ChooseWithMouse(Child<QComboBox>(f.get(), "ComboBox1"), 1); // Northgate (300, 250)
        QVERIFY(timer->isActive());
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(path, (std::vector<Point>{{50, 50}, {100, 100}, {150, 51}, {107, 51}}));
        CheckMainView(*f);
    }

    void enterSearchesAndTheFoundListMovesTheView() {
        auto f = Start("Animate=0\r\n");
        auto* search = Child<QComboBox>(f.get(), "ComboBox2");
        auto* label = Child<QLabel>(f.get(), "Label6");
        QLineEdit* edit = search->lineEdit();
        QSignalSpy userChoices(search, &QComboBox::activated);
        search->setFocus();
        // Keys go to the box, as the window system delivers them, and from it to its text.
        QTest::keyClicks(search, "GaT");
        QCOMPARE(search->currentText(), QStringLiteral("GaT")); // keys still type
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(search->count(), 1);
        QCOMPARE(search->currentText(), QStringLiteral("Northgate"));
        QCOMPARE(label->text(), QStringLiteral("1 found"));
        QCOMPARE(Position(*f), (Point{300 - 193, 250 - 199}));
        CheckMainView(*f);

        edit->clear();
        QTest::keyClicks(search, "e");
        QTest::keyClick(search, Qt::Key_Enter);
        QCOMPARE(label->text(), QStringLiteral("3 found"));
        QCOMPARE(search->itemText(2), QStringLiteral("Stonebridge")); // the list's order
        QCOMPARE(Position(*f), (Point{900 - 193, 700 - 199}));
        QCOMPARE(userChoices.count(), 0);      // the program's selection is no user choice
        QTest::keyClick(search, Qt::Key_Down); // the second found: Northgate
        QCOMPARE(userChoices.count(), 1);
        QCOMPARE(Position(*f), (Point{300 - 193, 250 - 199}));

        edit->clear();
        QTest::keyClicks(search, "zz");
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(search->currentText(), QStringLiteral("zz")); // no match keeps the text
        QCOMPARE(search->count(), 0);
        edit->clear();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(search->count(), 0);
        QCOMPARE(label->text(), QStringLiteral("0 found"));
        QVERIFY(f->State().FoundPoints.empty());
        QCOMPARE(Position(*f), (Point{300 - 193, 250 - 199}));
    }

    void theSearchIsWhatWasTypedAndAnEditLeavesTheBoxWithoutAChoice() {
        auto f = Start("Animate=0\r\n");
        auto* search = Child<QComboBox>(f.get(), "ComboBox2");
        auto* label = Child<QLabel>(f.get(), "Label6");
        QWindow* window = f->windowHandle();
        search->setFocus();
        TypeKeys(window, "e");
        QTest::keyClick(window, Qt::Key_Return); // fills the list with all three
        QCOMPARE(label->text(), QStringLiteral("3 found"));
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_Backspace);
        // A name of the list that starts with the typed text is not filled in.
        TypeKeys(window, "n");
        QCOMPARE(search->currentText(), QStringLiteral("n"));
        const int renders = f->RenderCount();
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(label->text(), QStringLiteral("2 found")); // Northgate, Stonebridge
        QCOMPARE(Position(*f), (Point{300 - 193, 250 - 199}));
        QCOMPARE(f->RenderCount(), renders + 1); // the program's selection moved nothing

        // Away with a click on the map. One more letter leaves the box without a chosen entry,
        // as the system's box does, so nothing moves; Down chooses the first entry again.
        auto* view = Child<QWidget>(f.get(), "PaintBox1");
        QTest::mouseClick(window, Qt::LeftButton, {}, view->mapTo(f.get(), QPoint(10, 20)));
        const Point away{300 - 193 - 183, 250 - 199 - 179};
        QCOMPARE(Position(*f), away);
        search->setFocus();
        QTest::keyClick(window, Qt::Key_End);
        TypeKeys(window, "s");
        QCOMPARE(search->currentText(), QStringLiteral("Northgates"));
        QCOMPARE(search->currentIndex(), -1);
        QCOMPARE(Position(*f), away);
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(search->currentIndex(), 0);
        QCOMPARE(Position(*f), (Point{300 - 193, 250 - 199}));
    }

    void anOverviewClickSurvivesAnotherButtonPressedAndReleasedDuringIt() {
        auto f = Start("Animate=0\r\n");
        auto* overview = Child<QWidget>(f.get(), "PaintBox2");
        QWindow* window = f->windowHandle();
        const QPoint at = overview->mapTo(f.get(), QPoint(100, 89));
        for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
            f->MoveMap(0, 0, false);
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            QTest::mousePress(window, other, {}, at);
            QTest::mouseRelease(window, other, {}, at);
            QCOMPARE(Position(*f), (Point{0, 0}));
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
            QCOMPARE(Position(*f), (Point{607, 513}));
        }
        // Another button's press and release alone is no click.
        f->MoveMap(0, 0, false);
        QTest::mouseClick(window, Qt::RightButton, {}, at);
        QCOMPARE(Position(*f), (Point{0, 0}));
    }

    void clicksAndDragsOnBothViewsMoveTheView() {
        auto f = Start("Animate=0\r\n");
        auto* view = Child<QWidget>(f.get(), "PaintBox1");
        FakePicker picker;
        f->SetCoordinatePicker(&picker);
        f->State().PickMode = true;
        // Press, drag and release acts at the press point; the left button also picks.
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(10, 20));
        QTest::mouseMove(view, QPoint(300, 300));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(Position(*f), (Point{-183, -179}));
        QCOMPARE(picker.picked, (std::vector<Point>{{10, 20}}));
        CheckMainView(*f);
        QTest::mouseClick(view, Qt::RightButton, {}, QPoint(193 + 50, 199));
        QCOMPARE(Position(*f), (Point{-133, -179}));
        QTest::mouseClick(view, Qt::MiddleButton, {}, QPoint(0, 0));
        QCOMPARE(Position(*f), (Point{-133, -179}));
        f->State().PickMode = false;
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(193, 199)); // the crosshair: stays
        QCOMPARE(Position(*f), (Point{-133, -179}));
        QCOMPARE(picker.picked.size(), std::size_t(1));

        auto* overview = Child<QWidget>(f.get(), "PaintBox2");
        QTest::mouseClick(overview, Qt::LeftButton, {}, QPoint(100, 89));
        QCOMPARE(Position(*f), (Point{607, 513}));
        CheckMainView(*f);
        QTest::mousePress(overview, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(overview, QPoint(20, 30));
        QCOMPARE(Position(*f), (Point{160 - 193, 240 - 199}));
        QTest::mouseMove(overview, QPoint(-8, 400)); // beyond the box: the clamp holds it
        QTest::mouseRelease(overview, Qt::LeftButton, {}, QPoint(-8, 400));
        QCOMPARE(Position(*f), (Point{-213, 1245}));
        CheckMainView(*f);
        // The marker sits at (-27, 156), cut by the overview's left and bottom edges.
        const QImage shot = overview->grab().toImage();
        QCOMPARE(shot.pixel(0, 170), small_.At(0, 170) | 0xFFFF00FFu);
        QCOMPARE(shot.pixel(20, 156), small_.At(20, 156) | 0xFFFF00FFu);
        QCOMPARE(shot.pixel(21, 170), small_.At(21, 170) | 0xFF000000u);
        QCOMPARE(shot.pixel(5, 155), small_.At(5, 155) | 0xFF000000u);
        f->SetCoordinatePicker(nullptr);
    }

    void aDisabledOverviewIgnoresThePointer() {
        auto f = Start("Animate=0\r\n", false);
        auto* overview = Child<QWidget>(f.get(), "PaintBox2");
        QVERIFY(!overview->isEnabled());
        QTest::mouseClick(overview, Qt::LeftButton, {}, QPoint(100, 89));
        QCOMPARE(Position(*f), (Point{0, 0}));
    }
};

QTEST_MAIN(NavigationWindowTest)
#include "NavigationWindowTest.moc"
