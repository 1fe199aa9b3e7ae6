// The main window with settings, map pictures and locations files beside the program.
#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "ViewerFixture.h"
#include "WidgetLookup.h"
#include "app/qt/TForm1.h"
#include "base/FileSystem.h"
#include "base/qt/QtText.h"
#include "editor/qt/TForm3.h"
#include "mapdata/JpegDecoder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>

using namespace orvd;
using orvd::testing::Child;
using orvd::testing::EncodeJpeg;
using orvd::testing::PatternImage;
using orvd::testing::ScriptedDialogs;
using orvd::testing::TempDir;
using orvd::testing::WriteFile;

namespace {

std::string ReadText(const std::string& path) {
    return ReadWholeFile(path).value_or("");
}

} // namespace

class MapWindowTest : public QObject, protected testing::ViewerFixture {
    Q_OBJECT

    // The main window and the editor dialog, as the start-up creates them.
    struct Program {
        std::unique_ptr<TForm1> form1;
        TForm3* form3 = nullptr; // owned by form1
        void Exit() {
            form1->findChild<QAction*>("Exit1")->trigger();
            form1.reset();
        }
    };

    Program Start(const char* argument = "") {
        Program p;
        p.form1 = StartViewer(argument);
        p.form3 = p.form1->Editor();
        return p;
    }

    void WriteSettings(const std::string& lines) {
        WriteFile(dir_->File("ORVDMAP.ini"), "[Config]\r\n" + lines);
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void withoutSettingsStartsWithDefaultsAndExitWritesEveryKey() {
        Program p = Start();
        MainState& s = p.form1->State();
        QCOMPARE(Child<QSlider>(p.form1.get(), "TrackBar1")->value(), 20);
        QVERIFY(Child<QCheckBox>(p.form1.get(), "CheckBox1")->isChecked());
        QVERIFY(Child<QCheckBox>(p.form1.get(), "CheckBox2")->isChecked());
        QCOMPARE(s.CrossColor, ColorValue(0x00FFFFFF));
        QCOMPARE(s.BorderColor, ColorValue(0x0080FFFF));
        QCOMPARE(int(s.BorderStyle), int(BorderPattern::Cross));
        QCOMPARE(s.MapCode, std::string("NR")); // no picture: the test map, code kept
        QCOMPARE(s.MapBitmap.Width(), 1344);
        QVERIFY(!FileExists(dir_->File("ORVDMAP.ini")));

        p.Exit();
        const std::string ini = ReadText(dir_->File("ORVDMAP.ini"));
        for (const char* line :
             {"[Config]\r\n", "Language=Engli\r\n", "AnimationSpeed=20\r\n", "Animate=1\r\n",
              "Cross=1\r\n", "CrossColor=clWhite\r\n", "BorderColor=$0080FFFF\r\n",
              "BorderStyle=3\r\n", "AskBackup=1\r\n"}) {
            QVERIFY2(ini.find(line) != std::string::npos, line);
            QCOMPARE(ini.find(line), ini.rfind(line)); // each key once
        }
        QVERIFY(dialogs_->shown.empty());
    }

    void settingsAreReadHeldAndWrittenBackInTheirOwnForms() {
        WriteSettings("AnimationSpeed=75\r\nAnimate=0\r\nCross=0\r\nCrossColor=clred\r\n"
                      "BorderColor=255\r\nBorderStyle=9\r\nAskBackup=0\r\n; kept\r\n");
        Program p = Start();
        QCOMPARE(Child<QSlider>(p.form1.get(), "TrackBar1")->value(), 50);
        QVERIFY(!Child<QCheckBox>(p.form1.get(), "CheckBox1")->isChecked());
        QVERIFY(!Child<QCheckBox>(p.form1.get(), "CheckBox2")->isChecked());
        QCOMPARE(p.form1->State().CrossColor, ColorValue(0x000000FF));
        QVERIFY(!p.form3->AskBackup());
        p.Exit();
        const std::string ini = ReadText(dir_->File("ORVDMAP.ini"));
        for (const char* line :
             {"AnimationSpeed=50\r\n", "Animate=0\r\n", "Cross=0\r\n", "CrossColor=clRed\r\n",
              "BorderColor=clRed\r\n", "BorderStyle=6\r\n", "AskBackup=0\r\n", "; kept\r\n"})
            QVERIFY2(ini.find(line) != std::string::npos, line);
    }

    void readOnlySettingsFileIsReportedAtExitAndKeptAsItWas() {
        const std::string original = "[Config]\r\nAnimationSpeed=30\r\n";
        WriteFile(dir_->File("ORVDMAP.ini"), original);
        ::chmod(dir_->File("ORVDMAP.ini").c_str(), 0444);
        Program p = Start("testing");
        QCOMPARE(Child<QSlider>(p.form1.get(), "TrackBar1")->value(), 30);
        p.Exit();
        const QString expected = QStringLiteral("Unable to write to %1.")
                                     .arg(QString::fromStdString(dir_->File("ORVDMAP.ini")));
        QCOMPARE(dialogs_->shown.size(), size_t(2)); // the editor's key, then the first main key
        for (const auto& box : dialogs_->shown) {
            QCOMPARE(box.title, QStringLiteral("Orvandel Map"));
            QCOMPARE(box.text, expected);
        }
        QCOMPARE(ReadText(dir_->File("ORVDMAP.ini")), original);
    }

    void badColourTextIsShownAndStartUpGoesOn() {
        WriteSettings("CrossColor=0xFF\r\nBorderStyle=1\r\n");
        Program p = Start("testing");
        QCOMPARE(dialogs_->shown.size(), size_t(1));
        const auto& box = dialogs_->shown.front();
        QCOMPARE(box.title, QStringLiteral("Orvandel Map"));
        QCOMPARE(box.text, QStringLiteral("'0xFF' is not a valid integer value."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(p.form1->State().CrossColor, ColorValue(0x00FFFFFF)); // the key's default
        QCOMPARE(int(p.form1->State().BorderStyle), int(BorderPattern::Horizontal));
        QCOMPARE(p.form1->State().MapBitmap.Width(), 1344);
        QCOMPARE(p.form1->windowTitle(), QStringLiteral("Orvandel Map - "));
    }

    void mainViewShowsTheMapOneToOneWithCrosshairAndOverviewMarker() {
        const Image map = PatternImage(1600, 1424);
        WriteFile(dir_->File("NR.map"), EncodeJpeg(map, 92));
        WriteFile(dir_->File("NR_small.map"), EncodeJpeg(PatternImage(200, 178), 92));
        Image decoded, small;
        DecodeJpeg(ReadText(dir_->File("NR.map")), decoded);
        DecodeJpeg(ReadText(dir_->File("NR_small.map")), small);

        Program p = Start();
        auto* view = Child<QWidget>(p.form1.get(), "PaintBox1");
        auto* overview = Child<QWidget>(p.form1.get(), "PaintBox2");
        QVERIFY(overview->isEnabled());
        QCOMPARE(overview->size(), QSize(200, 178));
        const QImage shot = view->grab().toImage();
        QCOMPARE(shot.size(), QSize(386, 399));
        const QRgb cross = qRgb(255, 255, 255);
        int mismatches = 0;
        for (int y = 0; y < 399; ++y)
            for (int x = 0; x < 386; ++x) {
                const bool onCross =
                    (x == 193 && y >= 189 && y <= 208) || (y == 199 && x >= 183 && x <= 202);
                const QRgb expected = onCross ? cross : (decoded.At(x, y) | 0xFF000000u);
                if (shot.pixel(x, y) != expected)
                    ++mismatches;
            }
        QCOMPARE(mismatches, 0);

        const QImage overviewShot = overview->grab().toImage();
        for (QPoint at : {QPoint(0, 0), QPoint(47, 49), QPoint(48, 10), QPoint(10, 50)}) {
            const Pixel source = small.At(at.x(), at.y());
            const bool inMarker = at.x() < 48 && at.y() < 50;
            const QRgb expected = inMarker ? (source | 0xFFFF00FFu) : (source | 0xFF000000u);
            QCOMPARE(overviewShot.pixel(at), expected);
        }

        // Unticking the crosshair repaints without it.
        Child<QCheckBox>(p.form1.get(), "CheckBox2")->setChecked(false);
        QCOMPARE(view->grab().toImage().pixel(193, 199), decoded.At(193, 199) | 0xFF000000u);

        // A resize puts the view back at the map's top-left corner.
        p.form1->State().View.ViewLeft = 500;
        p.form1->ShowMap();
        p.form1->resize(p.form1->width() + 1, p.form1->height());
        QTest::qWait(0);
        QCOMPARE(p.form1->State().View.ViewLeft, 0);
        QCOMPARE(view->width(), 387);
    }

    void idleWindowRendersNothingAndOneShowMapRendersOnce() {
        WriteFile(dir_->File("NR.map"), EncodeJpeg(PatternImage(800, 600)));
        WriteFile(dir_->File("NR_small.map"), EncodeJpeg(PatternImage(200, 150)));
        Program p = Start();
        QTest::qWait(200); // start-up settles: first exposure and size reports
        const int settled = p.form1->RenderCount();
        QTest::qWait(1000);
        QCOMPARE(p.form1->RenderCount(), settled);
        p.form1->State().View.ViewLeft = 100;
        p.form1->ShowMap();
        QTest::qWait(100);
        QCOMPARE(p.form1->RenderCount(), settled + 1);
        // A repaint asked by the window system shows the buffer without rendering.
        auto* overview = Child<QWidget>(p.form1.get(), "PaintBox2");
        overview->repaint();
        QTest::qWait(100);
        QCOMPARE(p.form1->RenderCount(), settled + 1);
        QCOMPARE(Child<QWidget>(p.form1.get(), "PaintBox1")->grab().toImage().pixel(0, 0),
                 p.form1->State().View.ViewBuffer.At(0, 0));
    }

    void filesInAnotherLetterCaseAreFoundAsWindowsFindsThem() {
        const Image map = PatternImage(300, 200);
        WriteFile(dir_->File("nr.MAP"), EncodeJpeg(map));
        WriteFile(dir_->File("Nr_Small.map"), EncodeJpeg(PatternImage(100, 60)));
        WriteFile(dir_->File("nr_low.DAT"),
                  "[PROPERTIES]\r\nlanguage=Lowland\r\n[DATA]\r\nA=1,2\r\n");
        WriteSettings("Language=low\r\n");
        {
            Program p = Start();
            QCOMPARE(p.form1->State().MapCode, std::string("NR"));
            QCOMPARE(p.form1->State().MapBitmap.Width(), 300);
            QVERIFY(Child<QWidget>(p.form1.get(), "PaintBox2")->isEnabled());
            QCOMPARE(p.form1->windowTitle(), QStringLiteral("Orvandel Map - Lowland"));
            p.Exit();
        }
        QVERIFY(ReadText(dir_->File("ORVDMAP.ini")).find("Language=low\r\n") != std::string::npos);
        Program again = Start();
        QCOMPARE(Child<QComboBox>(again.form1.get(), "ComboBox1")->count(), 1);
    }

    void aPictureThatDoesNotDecodeDoesNotLeadOnToTheNextMap() {
        WriteFile(dir_->File("NR.map"), "");
        WriteFile(dir_->File("FM.map"), EncodeJpeg(PatternImage(300, 200)));
        WriteFile(dir_->File("NR_Engli.dat"), "[PROPERTIES]\r\nlanguage=English\r\n");
        Program p = Start("Testing"); // not the exact argument: an ordinary start
        MainState& s = p.form1->State();
        QCOMPARE(s.MapCode, std::string("NR"));
        QVERIFY(s.MapBitmap.IsEmpty());
        QVERIFY(s.LanguageFiles.empty());
        QVERIFY(Child<QMenu>(p.form1.get(), "SelectLanguage1")->actions().isEmpty());
        QVERIFY(!Child<QWidget>(p.form1.get(), "PaintBox2")->isEnabled());
        QVERIFY(dialogs_->shown.empty()); // no message for a failed decode
        // The program goes on: resizing and painting still work.
        p.form1->resize(p.form1->width() + 5, p.form1->height());
        QTest::qWait(0);
        p.form1->ShowMap();
        QCOMPARE(Child<QWidget>(p.form1.get(), "PaintBox1")->grab().size(), QSize(391, 399));
    }

    void testingShowsTheTestMapEvenWithMapPictures() {
        WriteFile(dir_->File("BK.map"), EncodeJpeg(PatternImage(300, 200)));
        Program p = Start("testing");
        QCOMPARE(p.form1->State().MapCode, std::string("TEST"));
        QCOMPARE(p.form1->State().MapBitmap.Width(), 1344);
        p.Exit();
        // The tag from the settings is kept, not letters of the code "TEST".
        QVERIFY(ReadText(dir_->File("ORVDMAP.ini")).find("Language=Engli\r\n") !=
                std::string::npos);
    }

    void onlyTheThirdMapPresentIsShown() {
        WriteFile(dir_->File("BK.map"), EncodeJpeg(PatternImage(300, 200)));
        Program p = Start();
        QCOMPARE(p.form1->State().MapCode, std::string("BK"));
        QCOMPARE(p.form1->State().MapBitmap.Width(), 300);
        QVERIFY(!Child<QWidget>(p.form1.get(), "PaintBox2")->isEnabled()); // no BK_small.map
    }

    void languagesAreListedByDisplayNameAndLoadTheirFile() {
        WriteFile(dir_->File("NR.map"), EncodeJpeg(PatternImage(400, 300)));
        WriteFile(dir_->File("NR_Engli.dat"),
                  "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nharbour=10,20\r\n"
                  "Zeal=30,40\r\nabbey=50,60\r\nBridge=500,70\r\n");
        WriteFile(dir_->File("NR_Dutch.dat"),
                  "[PROPERTIES]\r\nlanguage=Nederlands\r\n[DATA]\r\nhaven=10,20\r\n");
        WriteFile(dir_->File("NR_Deuts.dat"),
                  "[PROPERTIES]\r\nlanguage=deutsch\r\n[DATA]\r\nHafen=10,20\r\n");
        WriteFile(dir_->File("NR_Engli.da~"), "[PROPERTIES]\r\nlanguage=Backup\r\n");

        Program p = Start();
        QCOMPARE(p.form1->windowTitle(), QStringLiteral("Orvandel Map - English"));
        auto* list = Child<QComboBox>(p.form1.get(), "ComboBox1");
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->itemText(i);
        QCOMPARE(names, (QStringList{"Bridge", "Zeal", "abbey", "harbour"}));
        QCOMPARE(list->currentIndex(), -1);
        // Points follow their names; x is held within the map's width.
        QCOMPARE(p.form1->State().LocationPoints.front(), (Point{400, 70}));
        QCOMPARE(p.form1->State().LocationPoints.back(), (Point{10, 20}));

        QStringList menu;
        for (QAction* a : Child<QMenu>(p.form1.get(), "SelectLanguage1")->actions())
            menu << a->text();
        QCOMPARE(menu, (QStringList{"deutsch", "English", "Nederlands"}));

        p.form1->LanguageMenuItem(2)->trigger();
        QCOMPARE(p.form1->windowTitle(), QStringLiteral("Orvandel Map - Nederlands"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QStringLiteral("haven"));
        p.Exit();
        QVERIFY(ReadText(dir_->File("ORVDMAP.ini")).find("Language=Dutch\r\n") !=
                std::string::npos);
    }

    void textsMeetQtThroughTheAnsiCodePage() {
        WriteFile(dir_->File("NR.map"), EncodeJpeg(PatternImage(100, 100)));
        WriteFile(dir_->File("NR_Engli.dat"), "[PROPERTIES]\r\nlanguage=Fran\xE7"
                                              "ais \x80\r\n"
                                              "[DATA]\r\n\x93"
                                              "Caf\xE9"
                                              "\x94=1,2\r\n");
        Program p = Start();
        QCOMPARE(p.form1->windowTitle(), QString::fromUtf8("Orvandel Map - Français €"));
        QCOMPARE(Child<QComboBox>(p.form1.get(), "ComboBox1")->itemText(0),
                 QString::fromUtf8("“Café”"));

        // A data file's path: its folder as the system names it (UTF-8 here), its name as the
        // program names it.
        const std::string path = "/home/jos\xC3\xA9/orvd/NR_Fran\xE7.dat";
        QCOMPARE(PathToQt(path), QString::fromUtf8("/home/josé/orvd/NR_Franç.dat"));
        QCOMPARE(PathFromQt(PathToQt(path)), path);
        QCOMPARE(PathFromQt(QString::fromUtf8("NR_Ωmega.dat")), std::string("NR_?mega.dat"));
    }
};

QTEST_MAIN(MapWindowTest)
#include "MapWindowTest.moc"
