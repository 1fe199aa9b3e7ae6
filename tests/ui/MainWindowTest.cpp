// The main window as a user sees it: captions, controls, menus, sizes, help and the About box.
#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "ViewerFixture.h"
#include "WidgetLookup.h"
#include "WidgetTree.h"
#include "app/qt/TForm1.h"
#include "app/qt/TfSplash.h"
#include "base/qt/HelpViewer.h"
#include "base/qt/WindowFonts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <memory>

using namespace orvd;
using orvd::testing::AccessibleLabel;
using orvd::testing::AccessibleText;
using orvd::testing::Child;
using orvd::testing::Golden;
using orvd::testing::ScriptedDialogs;
using orvd::testing::TempDir;
using orvd::testing::WidgetTree;
using orvd::testing::WriteFile;

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class MainWindowTest : public QObject, protected testing::ViewerFixture {
    Q_OBJECT

    std::unique_ptr<TForm1> Open(const char* argument = "testing") { return StartViewer(argument); }

private slots:
    void init() {
        SetUp();
        HelpViewer::Instance().SetHelpFile(QStringLiteral(ORVD_HELP_FILE));
    }
    void cleanup() { TearDown(); }

    void captionAndControlsAsDefined() {
        auto form = Open();
        QCOMPARE(form->windowTitle(), QStringLiteral("Orvandel Map - "));
        const QList<QSize> iconSizes = form->windowIcon().availableSizes();
        for (int size : {16, 32, 48})
            QVERIFY(iconSizes.contains(QSize(size, size)));
        QCOMPARE(form->State().MapCode, std::string("TEST"));
        QVERIFY(dialogs_->shown.empty());

        // Names, classes, places, texts and accessible names of every control.
        const QStringList tree = WidgetTree(form.get());
        QCOMPARE(tree, Golden("main-window.widgets", tree));

        auto* panel = Child<QWidget>(form.get(), "Panel1");
        QVERIFY(Child<QLabel>(panel, "Label6")->alignment() & Qt::AlignRight);
        auto* list = Child<QComboBox>(panel, "ComboBox1");
        QVERIFY(!list->isEditable());
        QCOMPARE(list->maxVisibleItems(), 12);
        auto* search = Child<QComboBox>(panel, "ComboBox2");
        QVERIFY(search->isEditable());

        auto* speed = Child<QSlider>(panel, "TrackBar1");
        QCOMPARE(speed->minimum(), 10);
        QCOMPARE(speed->maximum(), 50);
        QCOMPARE(speed->singleStep(), 5);
        QCOMPARE(speed->pageStep(), 10);
        QCOMPARE(speed->tickInterval(), 10);
        QCOMPARE(speed->tickPosition(), QSlider::TicksBelow);
        auto* animate = Child<QCheckBox>(panel, "CheckBox1");
        auto* cross = Child<QCheckBox>(panel, "CheckBox2");

        auto* timer = Child<QTimer>(form.get(), "Timer1");
        QCOMPARE(timer->interval(), 5);
        QVERIFY(!timer->isActive());

        // Tab order inside the panel.
        QCOMPARE(list->nextInFocusChain()->window(), form.get());
        QWidget* w = list;
        QList<QWidget*> order;
        for (int i = 0; i < 12 && order.size() < 5; ++i, w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && !order.contains(w) &&
                (w == list || w == search || w == speed || w == animate || w == cross))
                order << w;
        QCOMPARE(order, (QList<QWidget*>{list, search, speed, animate, cross}));
    }

    void initialSizeLaysOutTheViews() {
        auto form = Open();
        QCOMPARE(form->OuterSize(), QSize(663, 470));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form->pos(), QPoint((screen.width() - 663) / 2, (screen.height() - 470) / 2));
        QCOMPARE(Child<QWidget>(form.get(), "PaintBox1")->geometry(), QRect(8, 8, 386, 399));
        QCOMPARE(Child<QWidget>(form.get(), "Bevel3")->geometry(), QRect(6, 6, 390, 403));
        QCOMPARE(Child<QWidget>(form.get(), "Bevel4")->x(), 428);
        QCOMPARE(Child<QWidget>(form.get(), "PaintBox2")->x(), 430);
        QCOMPARE(Child<QWidget>(form.get(), "Panel1")->x(), 428);
        // The test map has no overview: the box is 100 x 100 and takes no pointer input.
        QCOMPARE(Child<QWidget>(form.get(), "PaintBox2")->size(), QSize(100, 100));
        QVERIFY(!Child<QWidget>(form.get(), "PaintBox2")->isEnabled());
        QCOMPARE(Child<QWidget>(form.get(), "Panel1")->y(), 6 + 104 + 12);
        // Panel1: lowered outer bevel, raised inner one, a pixel each.
        const QImage panel = Child<QWidget>(form.get(), "Panel1")->grab().toImage();
        QCOMPARE(panel.pixelColor(0, 50).rgb(), form->palette().color(QPalette::Dark).rgb());
        QCOMPARE(panel.pixelColor(1, 50).rgb(), form->palette().color(QPalette::Light).rgb());
        QCOMPARE(panel.pixelColor(219, 50).rgb(), form->palette().color(QPalette::Light).rgb());
        QCOMPARE(panel.pixelColor(218, 50).rgb(), form->palette().color(QPalette::Dark).rgb());
    }

    void locationListDropsDownTwelveRows() {
        auto form = Open();
        auto* list = Child<QComboBox>(form.get(), "ComboBox1");
        for (int i = 0; i < 30; ++i)
            list->addItem(QStringLiteral("Place %1").arg(i));
        list->showPopup();
        QTest::qWait(0);
        const int rows = list->view()->height() / list->view()->sizeHintForRow(0);
        list->hidePopup();
        QVERIFY2(rows >= 11 && rows <= 12, qPrintable(QString::number(rows)));
    }

    void cannotBeMadeSmallerThanTheMinimum() {
        auto form = Open();
        form->resize(100, 100);
        QTest::qWait(0);
        QVERIFY(form->OuterSize().width() >= 400);
        QVERIFY(form->OuterSize().height() >= 470);
        form->resize(form->width() - 663 + 400, form->height());
        QTest::qWait(0);
        QCOMPARE(form->OuterSize().width(), 400);
        QCOMPARE(Child<QWidget>(form.get(), "PaintBox1")->width(), 123);
    }

    void menusWithAcceleratorsAndHints() {
        auto form = Open();
        QStringList bar;
        for (QAction* action : form->menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help"}));
        auto* file = Child<QMenu>(form.get(), "File1");
        QCOMPARE(MenuTexts(file),
                 (QStringList{"&New...", "&Edit...", "Select &map", "Select &language", "-",
                              "&Crosshair color...", "Map&border style...", "E&xit"}));
        QCOMPARE(MenuTexts(Child<QMenu>(form.get(), "Help1")), (QStringList{"&Help", "&About"}));
        // The hints are held but the window has no status line to show them in.
        QCOMPARE(Child<QAction>(form.get(), "New1")->statusTip(),
                 QStringLiteral("Create a new locations file."));
        QCOMPARE(Child<QAction>(form.get(), "Addlocations1")->statusTip(),
                 QStringLiteral("Edit the location file."));
        QVERIFY(!file->toolTipsVisible());

        auto* maps = Child<QMenu>(form.get(), "Selectmap1");
        QVERIFY(!maps->menuAction()->isVisible());
        QVERIFY(!maps->menuAction()->isEnabled());
        QCOMPARE(MenuTexts(maps), (QStringList{"Norrowen", "Fallowmere", "Brackenmoor"}));
        QVERIFY(maps->actions().first()->actionGroup()->isExclusive());
        // The test map has no languages.
        QVERIFY(Child<QMenu>(form.get(), "SelectLanguage1")->actions().isEmpty());
    }

    void whatsThisShowsTheControlsTopic() {
        auto form = Open();
        auto& help = HelpViewer::Instance();
        struct Case {
            const char* control;
            int context;
        };
        for (const Case& c :
             {Case{"TrackBar1", 103}, Case{"ComboBox1", 101}, Case{"ComboBox2", 102}}) {
            QWidget* control = Child<QWidget>(form.get(), c.control);
            form->PopupMenu1Popup(control, control->mapToGlobal(QPoint(2, 2)));
            QCOMPARE(form->PopupComponent(), control);
            Child<QMenu>(form.get(), "PopupMenu1")->close();
            Child<QAction>(form.get(), "Whatsthis1")->trigger();
            QVERIFY(help.Popup());
            QCOMPARE(help.PopupContext(), c.context);
            QVERIFY(help.Popup()->text().size() > 20);
            help.Popup()->close();
        }
        QCOMPARE(Child<QAction>(form.get(), "Whatsthis1")->text(), QStringLiteral("What's this?"));
    }

    void whatsThisPopupClosesOnAClickAnywhereOrEscAndTheWindowGoesOn() {
        auto form = Open();
        auto& help = HelpViewer::Instance();
        auto* list = Child<QComboBox>(form.get(), "ComboBox1");
        auto* cross = Child<QCheckBox>(form.get(), "CheckBox2");
        for (const char* control : {"ComboBox1", "ComboBox2", "TrackBar1"}) {
            for (bool byClick : {true, false}) {
                QWidget* w = Child<QWidget>(form.get(), control);
                form->PopupMenu1Popup(w, w->mapToGlobal(QPoint(2, 2)));
                Child<QMenu>(form.get(), "PopupMenu1")->close();
                Child<QAction>(form.get(), "Whatsthis1")->trigger();
                QPointer<QWidget> popup = help.Popup();
                QVERIFY(popup && popup->isVisible());
                QCOMPARE(QApplication::activePopupWidget(), popup.data());
                // Through the window system, where the pop-up's grab takes the click.
                if (byClick)
                    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                                      list->mapTo(form.get(), QPoint(5, 5)));
                else
                    QTest::keyClick(popup, Qt::Key_Escape);
                QTRY_VERIFY(!popup);
                QVERIFY(!QApplication::activePopupWidget());
                // The window answers again.
                const bool was = cross->isChecked();
                QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                                  cross->mapTo(form.get(), QPoint(4, 8)));
                QCOMPARE(cross->isChecked(), !was);
            }
        }
    }

    void whatsThisByMouseOrShiftF10StaysOnTheScreenBesideItsControl() {
        auto form = Open();
        auto& help = HelpViewer::Instance();
        auto* menu = Child<QMenu>(form.get(), "PopupMenu1");
        QWindow* window = form->windowHandle();
        const QRect screen = form->screen()->availableGeometry();
        struct Case {
            const char* control;
            int context;
        };
        // The window in the middle of the screen, then against its right and bottom edges.
        for (const QPoint corner :
             {form->pos(), QPoint(screen.right() - form->frameGeometry().width(), 0),
              QPoint(0, screen.bottom() - form->frameGeometry().height())}) {
            form->move(corner);
            QTest::qWait(0);
            for (const Case& c :
                 {Case{"ComboBox1", 101}, Case{"ComboBox2", 102}, Case{"TrackBar1", 103}}) {
                auto* control = Child<QWidget>(form.get(), c.control);
                for (bool byKey : {false, true}) {
                    if (byKey) {
                        control->setFocus();
                        QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
                    } else {
                        QTest::mouseClick(window, Qt::RightButton, {},
                                          control->mapTo(form.get(), QPoint(4, 4)));
                    }
                    QTRY_VERIFY2(menu->isVisible(), c.control);
                    QCOMPARE(form->PopupComponent(), control);
                    QVERIFY(QRect(control->mapToGlobal(QPoint()), control->size())
                                .contains(menu->pos()));
                    QTest::keyClick(window, Qt::Key_Down);
                    QTest::keyClick(window, Qt::Key_Return);
                    QTRY_VERIFY(help.Popup() && help.Popup()->isVisible());
                    QCOMPARE(help.PopupContext(), c.context);
                    const QRect popup = help.Popup()->frameGeometry();
                    QVERIFY2(screen.contains(popup), c.control);
                    QVERIFY2(
                        !popup.intersects(QRect(control->mapToGlobal(QPoint()), control->size())),
                        c.control);
                    help.Popup()->close();
                    QTRY_VERIFY(!help.Popup());
                }
            }
        }
    }

    void controlsAndViewsHaveAccessibleNames() {
        auto form = Open();
        struct Case {
            const char* control;
            const char* name;
            const char* label;
            const char* description;
        };
        for (const Case& c :
             {Case{"ComboBox1", "Select", "Select :", ""},
              Case{"ComboBox2", "Search", "Search :", ""},
              Case{"TrackBar1", "Animation speed", "Animation speed", ""},
              Case{"CheckBox1", "Animate", "", ""}, Case{"CheckBox2", "Crosshairs", "", ""},
              Case{"PaintBox1", "Main view", "", "Click to bring a point to the middle"},
              Case{"PaintBox2", "Overview", "", "Click or drag to move the main view"}}) {
            QWidget* control = Child<QWidget>(form.get(), c.control);
            QCOMPARE(AccessibleText(control, QAccessible::Name), QString::fromLatin1(c.name));
            QCOMPARE(AccessibleLabel(control), QString::fromLatin1(c.label));
            QCOMPARE(AccessibleText(control, QAccessible::Description),
                     QString::fromLatin1(c.description));
        }
    }

    void helpContentsWrapsToTheWindowIsCentredAndClosesOnEsc() {
        auto form = Open();
        auto& help = HelpViewer::Instance();
        Child<QAction>(form.get(), "Help2")->trigger();
        QPointer<QWidget> contents = help.ContentsWindow();
        QVERIFY(contents && QTest::qWaitForWindowExposed(contents));
        auto* text = Child<QTextBrowser>(contents, "HelpText");
        QVERIFY(text->toPlainText().contains(QStringLiteral("Finding a place")));
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(contents->geometry().center(), form->screen()->geometry().center());
        QTest::keyClick(contents->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!contents);
        QVERIFY(!help.ContentsWindow());
    }

    void letteringBlendsIntoTheGoldBeneathIt() {
        TfSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        auto* lettering = Child<QWidget>(&splash, "Image1");
        const QRect area = lettering->geometry();
        const QImage drawn = splash.grab(area).toImage();
        lettering->hide();
        const QImage gold = splash.grab(area).toImage();
        int lettered = 0, lighter = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                const QColor d = drawn.pixelColor(x, y), g = gold.pixelColor(x, y);
                lettered += d != g;
                // Every pixel of the lettering lies between its ink and the gold, none lighter.
                lighter += d.red() > g.red() + 12 || d.green() > g.green() + 12 ||
                           d.blue() > g.blue() + 12;
            }
        QVERIFY(lettered > 500);
        QCOMPARE(lighter, 0);
    }

    void captionIsExactlyTheTextSet() {
        WriteFile(dir_->File("TEST_Engli.dat"), "[PROPERTIES]\r\nlanguage=Eng [*] lish\r\n");
        auto form = Open();
        QCOMPARE(form->windowHandle()->title(), QStringLiteral("Orvandel Map - Eng [*] lish"));
    }

    void helpShowsContentsAndAMissingFileShowsNothing() {
        auto form = Open();
        auto& help = HelpViewer::Instance();
        Child<QAction>(form.get(), "Help2")->trigger();
        QVERIFY(help.ContentsWindow());
        QVERIFY(help.ContentsWindow()->isVisible());
        QCOMPARE(help.ContentsWindow()->windowTitle(), QStringLiteral("Orvandel Map Help"));
        help.ContentsWindow()->close();

        help.SetHelpFile(QString::fromStdString(dir_->File("missing.hlp")));
        QTest::qWait(0);
        Child<QAction>(form.get(), "Help2")->trigger();
        QVERIFY(!help.ContentsWindow());
        QWidget* speed = Child<QWidget>(form.get(), "TrackBar1");
        form->PopupMenu1Popup(speed, QPoint());
        Child<QMenu>(form.get(), "PopupMenu1")->close();
        Child<QAction>(form.get(), "Whatsthis1")->trigger();
        QVERIFY(!help.Popup());
        QVERIFY(dialogs_->shown.empty());
    }

    void aboutBoxClosesOnClicksButNotOnTheVersion() {
        auto form = Open();
        struct Case {
            const char* element;
            bool closes;
        };
        const Case cases[] = {{"Label6", false}, {"Label1", true}, {"Label4", true},
                              {"Label8", true},  {"Image1", true}, {"PaintBox1", true},
                              {"Label2", true},  {"Panel1", true}};
        for (const Case& c : cases) {
            int result = -1;
            bool loadingShown = true;
            QString version;
            dialogs_->answer = [&](QDialog& dialog) {
                dialog.show();
                auto* label7 = Child<QLabel>(&dialog, "Label7");
                loadingShown = label7->isVisible() || label7->text() == "Loading...";
                version = Child<QLabel>(&dialog, "Label6")->text();
                QWidget* target = Child<QWidget>(&dialog, c.element);
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
                result = dialog.isVisible() ? 0 : dialog.result();
                return result;
            };
            Child<QAction>(form.get(), "About1")->trigger();
            QCOMPARE(result, c.closes ? 1 : 0);
            QVERIFY(!loadingShown);
            QCOMPARE(version, QStringLiteral("v " ORVD_VERSION));
            QVERIFY(fSplash == nullptr); // released after the command
        }
        QCOMPARE(dialogs_->shown.front().objectName, QStringLiteral("fSplash"));
    }

    void aboutBoxIgnoresEscAndAPressReleasedElsewhere() {
        auto form = Open();
        bool stillOpen = false;
        dialogs_->answer = [&](QDialog& dialog) {
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QWidget* picture = Child<QWidget>(&dialog, "PaintBox1");
            QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-20, 300));
            stillOpen = dialog.isVisible() && static_cast<TfSplash&>(dialog).ModalResult() == 0;
            dialog.close(); // the window system's close command
            return dialog.result();
        };
        Child<QAction>(form.get(), "About1")->trigger();
        QVERIFY(stillOpen);
    }

    void startUpSplashIgnoresClicks() {
        TfSplash splash;
        splash.Label7()->setText("Loading...");
        splash.Label7()->show();
        splash.show();
        QCOMPARE(splash.size(), QSize(354, 275));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QTest::mouseClick(Child<QWidget>(&splash, "Label1"), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.ModalResult(), 1);
        // The gold picture is drawn, cut to the 346 x 267 box.
        const QImage shot = Child<QWidget>(&splash, "PaintBox1")->grab().toImage();
        QCOMPARE(shot.size(), QSize(346, 267));
        const QColor corner = shot.pixelColor(1, 1);
        QVERIFY(corner.red() > 200 && corner.green() > 180 && corner.blue() < 180);

        // Centred as the classic window system rounds, every text inside the bevels, and the
        // bevels: raised outside, lowered inside, two pixels each.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(splash.pos(), QPoint((screen.width() - 354) / 2, (screen.height() - 275) / 2));
        for (QLabel* label : splash.findChildren<QLabel*>())
            QVERIFY2(
                label->geometry().right() < 350,
                qPrintable(label->objectName() + ' ' + WindowFonts::Instance().MissingWarning()));
        const QImage panel = Child<QWidget>(&splash, "Panel1")->grab().toImage();
        const QPalette palette = splash.palette();
        QCOMPARE(panel.pixelColor(0, 100).rgb(), palette.color(QPalette::Light).rgb());
        QCOMPARE(panel.pixelColor(1, 100).rgb(), palette.color(QPalette::Light).rgb());
        QCOMPARE(panel.pixelColor(2, 100).rgb(), palette.color(QPalette::Dark).rgb());
        QCOMPARE(panel.pixelColor(3, 100).rgb(), palette.color(QPalette::Dark).rgb());
        QCOMPARE(panel.pixelColor(353, 100).rgb(), palette.color(QPalette::Dark).rgb());
        QCOMPARE(panel.pixelColor(351, 100).rgb(), palette.color(QPalette::Light).rgb());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
