// Crosshairs, the crosshair colour and the border style dialog, answered through the seam.
#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "ViewerFixture.h"
#include "WidgetLookup.h"
#include "WidgetTree.h"
#include "app/qt/TForm1.h"
#include "base/FileSystem.h"
#include "view/qt/QtSystemColors.h"
#include "view/qt/TForm5.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <stdexcept>

using namespace orvd;
using orvd::testing::Child;

namespace {

constexpr Pixel kSentinel = MakePixel(1, 2, 3), kRed = MakePixel(255, 0, 0);
// Rows of the 8 x 8 hatches of items 1 to 6: horizontal, vertical, cross, up, down, both.
constexpr std::uint8_t kItemRows[7][8] = {{},
                                          {0, 0, 0, 0xFF, 0, 0, 0, 0},
                                          {8, 8, 8, 8, 8, 8, 8, 8},
                                          {8, 8, 8, 0xFF, 8, 8, 8, 8},
                                          {1, 2, 4, 8, 0x10, 0x20, 0x40, 0x80},
                                          {0x80, 0x40, 0x20, 0x10, 8, 4, 2, 1},
                                          {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}};

} // namespace

class DisplayOptionsTest : public QObject, protected testing::ViewerFixture {
    Q_OBJECT
    std::unique_ptr<TForm1> form1_;
    SystemColorTable colors_;
    QRgb preset_ = 0; // the colour a chooser was last preset with

    Image& View() { return form1_->State().View.ViewBuffer; }
    std::string ExitAndReadSettings() {
        form1_->findChild<QAction*>("Exit1")->trigger();
        form1_.reset();
        return ReadWholeFile(dir_->File("ORVDMAP.ini")).value_or("");
    }
    // Choosers answer `colour` (invalid: cancel); the border dialog is shown and given to `use`.
    // The sentinel pixel marks the view as not repainted since the dialog was answered.
    void Run(const char* action, QColor colour, std::function<int(TForm5&)> use = {}) {
        dialogs_->answer = [this, colour, use](QDialog& d) {
            if (auto* chooser = qobject_cast<QColorDialog*>(&d)) {
                preset_ = chooser->currentColor().rgb();
                chooser->setCurrentColor(colour.isValid() ? colour : chooser->currentColor());
            }
            auto* form5 = qobject_cast<TForm5*>(&d);
            int result = colour.isValid() && !form5 ? QDialog::Accepted : QDialog::Rejected;
            if (form5 && use) {
                form5->show();
                result = QTest::qWaitForWindowExposed(form5) ? use(*form5) : -1;
            }
            View().Set(5, 5, kSentinel);
            return result;
        };
        form1_->findChild<QAction*>(action)->trigger();
    }
    void CheckLayoutAndTabOrder(TForm5& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Borderstyle"));
        QCOMPARE(QRect(d.pos(), d.size()), QRect(367, 197, 301, 156));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        const QStringList tree = testing::WidgetTree(&d);
        QCOMPARE(tree, testing::Golden("border-dialog.widgets", tree));
        auto* list = Child<QComboBox>(&d, "ComboBox1");
        QCOMPARE(list->itemText(6), QStringLiteral("Diagonal Cross"));
        list->setFocus();
        for (const char* next : {"BitBtn1", "BitBtn2", "Button1", "ComboBox1"}) {
            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            QCOMPARE(d.focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }
    // The list drops down below its box, over nothing of the dialog above it, and a click
    // chooses item `item`.
    void ChooseFromDropDownCheckingNames(TForm5& d, int item) {
        auto* list = Child<QComboBox>(&d, "ComboBox1");
        QTest::mouseClick(d.windowHandle(), Qt::LeftButton, {}, list->geometry().center());
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const QRect box(list->mapToGlobal(QPoint()), list->size());
        const QRect drop = view->window()->frameGeometry();
        QVERIFY2(drop.top() >= box.bottom() && drop.left() == box.left(),
                 qPrintable(QStringLiteral("%1,%2").arg(drop.x()).arg(drop.y())));
        const QPoint at = view->visualRect(view->model()->index(item, 0)).center();
        QTest::mouseClick(view->window()->windowHandle(), Qt::LeftButton, {},
                          view->viewport()->mapTo(view->window(), at));
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(list->currentIndex(), item);
        QCOMPARE(testing::AccessibleLabel(list), QStringLiteral("Style"));
        for (const auto& [control, name] : {std::pair{"Button1", "Color"},
                                            {"PaintBox1", "Example"},
                                            {"BitBtn1", "OK"},
                                            {"BitBtn2", "Cancel"}})
            QCOMPARE(testing::AccessibleText(Child<QWidget>(&d, control), QAccessible::Name),
                     QString::fromLatin1(name));
    }
    void CheckExamples(TForm5& d) {
        auto* list = Child<QComboBox>(&d, "ComboBox1");
        list->setCurrentIndex(0);
        Child<QPushButton>(&d, "Button1")->click(); // red, drawn solid at once
        const Pixel face = colors_.Get(SystemColorTable::kButtonFace);
        for (int item = 1; item < 7; ++item) {
            list->setCurrentIndex(0);
            list->setCurrentIndex(item);
            QVERIFY(d.Choice().Example() == Image(97, 97, kRed)); // red stays between lines
            const QImage shot = Child<QWidget>(&d, "PaintBox1")->grab().toImage(); // repaint
            int wrong = 0;
            for (int y = 0; y < 97; ++y)
                for (int x = 0; x < 97; ++x)
                    wrong += shot.pixel(x, y) != d.Choice().Example().At(x, y) ||
                             shot.pixel(x, y) !=
                                 (kItemRows[item][y % 8] & (0x80 >> x % 8) ? kRed : face);
            QCOMPARE(wrong, 0);
        }
    }

private slots:
    void init() {
        SetUp();
        // A 300 x 200 map in the 386 x 399 view: the border lies right of x 300 and below y 200.
        testing::WriteFile(dir_->File("NR.map"), testing::EncodeJpeg(Image(300, 200, kRed)));
        form1_ = OpenViewer(dir_->File("ORVDMAP"), "");
        form1_->show();
        colors_ = SystemColorsFromPalette(form1_->palette());
    }
    void cleanup() {
        form1_.reset();
        TearDown();
    }

    void okByEnterCopiesPatternAndColourToTheViewAndTheSettings() {
        Child<QCheckBox>(form1_.get(), "CheckBox2")->setChecked(false);
        Run("Mapborderstyle1", QColor(0, 0, 255), [this](TForm5& d) {
            CheckLayoutAndTabOrder(d);
            ChooseFromDropDownCheckingNames(d, 2);
            Child<QPushButton>(&d, "Button1")->click();
            QTest::keyClick(Child<QComboBox>(&d, "ComboBox1"), Qt::Key_Return);
            return d.result();
        });
        int wrong = 0;
        for (int y = 0; y < 399; ++y)
            for (int x = 0; x < 386; ++x)
                wrong += (x >= 300 || y >= 200) &&
                         View().At(x, y) != (x % 8 == 4 ? MakePixel(0, 0, 255) : colors_.Get(5));
        QCOMPARE(wrong, 0);
        const std::string ini = ExitAndReadSettings();
        for (const char* line : {"BorderColor=clBlue\r\n", "BorderStyle=2\r\n", "Cross=0\r\n"})
            QVERIFY2(ini.find(line) != std::string::npos, line);
    }

    void everyPatternIsDrawnOnTheEarlierExampleUntilTheBoxRepaints() {
        Run("Mapborderstyle1", QColor(255, 0, 0), [this](TForm5& d) {
            CheckExamples(d);
            return int(QDialog::Rejected);
        });
        QCOMPARE(dialogs_->shown.size(), size_t(2)); // the dialog and its chooser
    }

    void cancelKeepsTheValuesAndStillRepaints() {
        for (int way = 0; way < 4; ++way) {
            Run("Mapborderstyle1", way == 3 ? QColor() : QColor(0, 0, 255), [way](TForm5& d) {
                Child<QComboBox>(&d, "ComboBox1")->setCurrentIndex(0);
                Child<QPushButton>(&d, "Button1")->click();
                if (way == 0)
                    Child<QPushButton>(&d, "BitBtn2")->click();
                else if (way == 1)
                    QTest::keyClick(&d, Qt::Key_Escape);
                else if (way == 2)
                    d.close(); // the close box
                else           // after the dialog's own chooser was cancelled
                    Child<QPushButton>(&d, "BitBtn1")->click();
                return d.result();
            });
            QCOMPARE(form1_->State().BorderColor, ColorValue(0x0080FFFF));
            QCOMPARE(int(form1_->State().BorderStyle),
                     int(way == 3 ? BorderPattern::Solid : BorderPattern::Cross));
            QVERIFY(View().At(5, 5) != kSentinel);
        }
    }

    void anErrorWhileShownReleasesTheDialogAndSkipsTheRepaint() {
        QPointer<TForm5> shown;
        Run("Mapborderstyle1", QColor(), [this, &shown](TForm5& d) -> int {
            shown = &d;
            View().Set(5, 5, kSentinel);
            throw std::runtime_error("Out of resources");
        });
        QVERIFY(shown.isNull());
        QCOMPARE(dialogs_->shown.back().text, QStringLiteral("Out of resources."));
        QCOMPARE(View().At(5, 5), kSentinel);
    }

    void crosshairColourChangesOnlyWhenConfirmed() {
        form1_->State().CrossColor = 0x8000000Du; // highlight, preset as the palette's colour
        Run("Crosscolor1", QColor());
        QCOMPARE(preset_, QRgb(colors_.Get(13)));
        QCOMPARE(form1_->State().CrossColor, ColorValue(0x8000000Du));
        QCOMPARE(View().At(5, 5), kSentinel);
        Run("Crosscolor1", QColor(0, 255, 0));
        QCOMPARE(View().At(193, 199), MakePixel(0, 255, 0));
        QVERIFY(ExitAndReadSettings().find("CrossColor=clLime\r\n") != std::string::npos);
    }
};

QTEST_MAIN(DisplayOptionsTest)
#include "DisplayOptionsTest.moc"
