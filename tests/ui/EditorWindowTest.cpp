// The location editor driven as a user drives it, with every modal window answered through the
// dialog seam, and the files' bytes checked afterwards.
#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "ViewerFixture.h"
#include "WidgetLookup.h"
#include "app/qt/TForm1.h"
#include "base/FileSystem.h"
#include "base/qt/HelpViewer.h"
#include "editor/qt/LocationsSaveDialog.h"
#include "editor/qt/TForm3.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>

using namespace orvd;
using orvd::testing::Child;
using orvd::testing::ScriptedDialogs;
using orvd::testing::TempDir;
using orvd::testing::WriteFile;

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class EditorWindowTest : public QObject, protected testing::ViewerFixture {
    Q_OBJECT

    std::unique_ptr<TForm1> form1_;
    TForm3* form3_ = nullptr; // owned by form1_
    const std::string original_ = "[PROPERTIES]\r\nlanguage=English\r\n; note\r\n[DATA]\r\n"
                                  "Zeb=900,800\r\nAsh=100,200\r\nMill=500,600\r\n[Extra]\r\nk=v";

    bool saveDialogAsExpected_ = false;
    QString notice_;
    QSize noticeSize_;

    std::string File(const char* name) const { return dir_->File(name); }
    template <class T> T* F3(const char* name) { return Child<T>(form3_, name); }
    void Click(const char* button) { QTest::mouseClick(F3<QPushButton>(button), Qt::LeftButton); }
    void Type(const char* edit, const char* text) {
        F3<QLineEdit>(edit)->clear();
        QTest::keyClicks(F3<QLineEdit>(edit), QString::fromLatin1(text));
    }
    void Select(int row) {
        auto* list = F3<QListWidget>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // The offscreen platform activates a window only when told so.
    static void Activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }
    // The answers of the save dialog (accepting `path`, or its proposal when `path` is empty,
    // through the dialog's own accept, which asks before replacing a file), of that question
    // (yes) and of the notice (box left `ticked`).
    void Answer(const std::string& path, bool ticked, QString* proposed = nullptr) {
        dialogs_->answer = [this, path, ticked, proposed](QDialog& dialog) {
            if (auto* save = qobject_cast<LocationsSaveDialog*>(&dialog)) {
                saveDialogAsExpected_ =
                    save->acceptMode() == QFileDialog::AcceptSave &&
                    save->defaultSuffix().isEmpty() &&
                    save->nameFilters() == QStringList{"Data files (*.dat)", "All files (*.*)"} &&
                    save->directory().absolutePath() + "/" == QString::fromStdString(dir_->Path());
                if (proposed)
                    *proposed = save->selectedFiles().value(0);
                if (!path.empty())
                    save->selectFile(QString::fromStdString(path));
                save->accept();
                return save->result();
            }
            if (dialog.objectName() == "ReplaceQuestion")
                return int(QMessageBox::Yes);
            if (dialog.objectName() == "Form4") {
                notice_ = Child<QLabel>(&dialog, "Label1")->text() + " " +
                          Child<QLabel>(&dialog, "Label2")->text();
                noticeSize_ = dialog.size();
                Child<QCheckBox>(&dialog, "CheckBox1")->setChecked(ticked);
            }
            return int(QDialog::Accepted);
        };
    }
    // Typing characters that have no key of their own (QTest's key clicks take ASCII only).
    static void TypeText(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
    }
    // A left click as the window system delivers it, to the window under the pointer; the window
    // is activated before the click or, as the window system may also do it, after it.
    static void SystemClick(QWidget* widget, QPoint at, bool activateFirst = true) {
        QWidget* window = widget->window();
        if (activateFirst)
            Activate(window);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
        if (!activateFirst)
            Activate(window);
    }
    static void SystemClick(QWidget* widget) { SystemClick(widget, widget->rect().center()); }
    QStringList Shown() const {
        QStringList names;
        for (const auto& shown : dialogs_->shown)
            names << shown.objectName;
        return names;
    }
    // Ends the program (which writes its settings), runs `between`, and starts it again.
    void Restart(const std::function<void()>& between = [] {}) {
        form1_.reset();
        between();
        form1_ = StartViewer();
        form3_ = form1_->Editor();
    }
    QStringList Languages() {
        QStringList languages;
        for (QAction* item : Child<QMenu>(form1_.get(), "SelectLanguage1")->actions())
            languages << item->text();
        return languages;
    }

private slots:
    void init() {
        SetUp();
        WriteFile(File("NR_Engli.dat"), original_);
        form1_ = StartViewer();
        form3_ = form1_->Editor();
    }
    void cleanup() {
        form1_.reset();
        TearDown();
    }

    void editSelectPickApplyAddDeleteAndSaveWithBackup() {
        auto* edit = Child<QAction>(form1_.get(), "Addlocations1");
        auto* fresh = Child<QAction>(form1_.get(), "New1");
        Child<QCheckBox>(form1_.get(), "CheckBox1")->setChecked(true); // Animate
        edit->trigger();
        QVERIFY(form3_->isVisible());
        QVERIFY(!edit->isEnabled() && !fresh->isEnabled());
        QCOMPARE(form3_->windowTitle(), QStringLiteral("Edit - NR_Engli.dat"));
        QCOMPARE(form3_->size(), QSize(360, 200));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form3_->frameGeometry().topRight(), QPoint(screen.width() - 5, 4));
        QCOMPARE(Items(F3<QListWidget>("ListBox1")), (QStringList{"Ash", "Mill", "Zeb"}));
        QCOMPARE(F3<QLineEdit>("Edit4")->text(), QStringLiteral("English"));

        // Selecting centres the map at once although Animate is ticked.
        const ViewGeometry& view = form1_->State().View;
        Select(1);
        QCOMPARE(F3<QLineEdit>("Edit1")->text() + F3<QLineEdit>("Edit2")->text() +
                     F3<QLineEdit>("Edit3")->text(),
                 QStringLiteral("Mill500600"));
        QCOMPARE(QPoint(view.ViewLeft, view.ViewTop), QPoint(500 - 193, 600 - 199));
        QVERIFY(F3<QPushButton>("Button2")->isEnabled() &&
                !F3<QPushButton>("Button4")->isEnabled());

        // The Y field's focus turns the main view into a picker of both coordinates.
        Activate(form3_);
        QTest::mouseClick(F3<QLineEdit>("Edit3"), Qt::LeftButton);
        auto* paintBox = Child<QWidget>(form1_.get(), "PaintBox1");
        QVERIFY(form1_->State().PickMode);
        QCOMPARE(paintBox->cursor().shape(), Qt::CrossCursor);
        // Going over to the main window keeps the editor waiting for the click.
        Activate(form1_.get());
        QVERIFY(form1_->State().PickMode);
        QTest::mouseClick(paintBox, Qt::LeftButton, {}, QPoint(10, 20));
        QCOMPARE(F3<QLineEdit>("Edit2")->text(), QString::number(307 + 10));
        QCOMPARE(F3<QLineEdit>("Edit3")->text(), QString::number(401 + 20));
        QVERIFY(F3<QPushButton>("Button4")->isEnabled());
        Activate(form3_);
        Click("Button4"); // Apply: the focus leaves the field
        QVERIFY(!form1_->State().PickMode);
        QCOMPARE(paintBox->cursor().shape(), Qt::ArrowCursor);

        Type("Edit2", "$1F");
        Type("Edit3", "-4");
        Type("Edit1", "Ash");
        Click("Button3"); // Add, under a name already in the list
        Select(0);
        Click("Button2"); // Delete the first Ash
        QCOMPARE(Items(F3<QListWidget>("ListBox1")), (QStringList{"Mill", "Zeb", "Ash"}));

        // A read-only file: the backup is made, the save refused, nothing lost.
        std::filesystem::permissions(File("NR_Engli.dat"), std::filesystem::perms::owner_read);
        QString proposed;
        Answer(File("NR_Engli.dat"), true, &proposed);
        Click("BitBtn1");
        QCOMPARE(proposed, QString::fromStdString(File("NR_Engli.dat")));
        QVERIFY(saveDialogAsExpected_);
        QCOMPARE(notice_, QStringLiteral("ORVD Map has saved the original file as NR_Engli.da~"));
        QCOMPARE(noticeSize_, QSize(231, 120));
        QCOMPARE(dialogs_->shown.back().text,
                 QString::fromStdString("Unable to write to " + File("NR_Engli.dat") + "."));
        QCOMPARE(dialogs_->shown[1].text,
                 QStringLiteral("NR_Engli.dat already exists.\nDo you want to replace it?"));
        QVERIFY(form3_->isVisible());
        QCOMPARE(form3_->windowTitle(), QStringLiteral("Edit - NR_Engli.dat"));
        QCOMPARE(F3<QListWidget>("ListBox1")->count(), 3);
        QCOMPARE(ReadWholeFile(File("NR_Engli.dat")), original_);
        QCOMPARE(ReadWholeFile(File("NR_Engli.da~")), original_ + "\r\n");

        std::filesystem::permissions(File("NR_Engli.dat"), std::filesystem::perms::owner_all);
        dialogs_->shown.clear();
        Answer(File("NR_Engli.dat"), false);
        Click("BitBtn1");
        QCOMPARE(Shown(), (QStringList{"SaveDialog1", "ReplaceQuestion", "Form4"}));
        QCOMPARE(dialogs_->shown[2].title, QStringLiteral("Question"));
        QVERIFY(!form3_->isVisible());
        QVERIFY(!form3_->AskBackup());
        QVERIFY(edit->isEnabled() && fresh->isEnabled());
        QCOMPARE(ReadWholeFile(File("NR_Engli.dat")),
                 std::string("[PROPERTIES]\r\nlanguage=English\r\n; note\r\n[Extra]\r\nk=v\r\n\r\n"
                             "[DATA]\r\nMill=317,421\r\nZeb=900,800\r\nAsh=31,-4\r\n"));
        QCOMPARE(Items(Child<QComboBox>(form1_.get(), "ComboBox1")),
                 (QStringList{"Ash", "Mill", "Zeb"}));
        QCOMPARE(form1_->State().LocationPoints.front(), (Point{31, 0})); // clamped on loading
    }

    void controlsAreNamedAndShiftF10OpensWhatsThis() {
        HelpViewer::Instance().SetHelpFile(QStringLiteral(ORVD_HELP_FILE));
        Child<QAction>(form1_.get(), "Addlocations1")->trigger();
        Activate(form3_);
        auto* menu = Child<QMenu>(form1_.get(), "PopupMenu1");
        struct Case {
            const char* control;
            const char* name;
            const char* label;
            int context;
        };
        for (const Case& c :
             {Case{"Edit4", "Language", "Language:", 301}, Case{"Edit1", "Name", "Name:", 302},
              Case{"Edit2", "X", "X:", 303}, Case{"Edit3", "Y", "Y:", 303},
              Case{"ListBox1", "Locations", "", 304}, Case{"Button1", "New", "", 305},
              Case{"Button4", "Apply", "", 306}, Case{"Button3", "Add", "", 307},
              Case{"Button2", "Delete", "", 308}, Case{"BitBtn1", "Done", "", 309},
              Case{"BitBtn2", "Cancel", "", 310}}) {
            auto* control = F3<QWidget>(c.control);
            QCOMPARE(testing::AccessibleText(control, QAccessible::Name),
                     QString::fromLatin1(c.name));
            QCOMPARE(testing::AccessibleLabel(control), QString::fromLatin1(c.label));
            if (!control->isEnabled())
                continue; // takes no focus, so no keys
            control->setFocus();
            QTest::keyClick(form3_->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY2(menu->isVisible(), c.control);
            QCOMPARE(form1_->PopupComponent(), control);
            QTest::keyClick(menu->windowHandle(), Qt::Key_Down);
            QTest::keyClick(menu->windowHandle(), Qt::Key_Return);
            QTRY_VERIFY(HelpViewer::Instance().Popup());
            QCOMPARE(HelpViewer::Instance().PopupContext(), c.context);
            HelpViewer::Instance().Popup()->close();
            QTRY_VERIFY(!HelpViewer::Instance().Popup());
        }
    }

    void newFileAsksForTheLanguageAndIsListedAfterDone() {
        // Cancel drops the edits; the next opening shows the main window's list again.
        Child<QAction>(form1_.get(), "Addlocations1")->trigger();
        Select(0);
        Click("Button2");
        Click("BitBtn2");
        QVERIFY(!form3_->isVisible() && Child<QAction>(form1_.get(), "New1")->isEnabled());
        Child<QAction>(form1_.get(), "Addlocations1")->trigger();
        QCOMPARE(F3<QListWidget>("ListBox1")->count(), 3);
        Click("BitBtn2");

        Child<QAction>(form1_.get(), "New1")->trigger();
        QCOMPARE(form3_->windowTitle(), QStringLiteral("Edit - "));
        QCOMPARE(F3<QListWidget>("ListBox1")->count(), 0);
        QVERIFY(F3<QLineEdit>("Edit4")->text().isEmpty());
        for (const char* place : {"Veld", "Dijk"}) {
            Type("Edit1", place);
            Type("Edit2", "7");
            Type("Edit3", "8");
            Click("Button3");
        }
        Click("BitBtn1");
        QCOMPARE(dialogs_->shown.back().text,
                 QStringLiteral("You have not specified the name of the language"));
        QVERIFY(form3_->isVisible());

        // The editor's controls share the main window's "What's this?" menu.
        HelpViewer::Instance().SetHelpFile(QStringLiteral(ORVD_HELP_FILE));
        auto* y = F3<QLineEdit>("Edit3");
        emit y->customContextMenuRequested(QPoint(2, 2));
        QCOMPARE(form1_->PopupComponent(), y);
        Child<QMenu>(form1_.get(), "PopupMenu1")->close();
        Child<QAction>(form1_.get(), "Whatsthis1")->trigger();
        QCOMPARE(HelpViewer::Instance().PopupContext(), 303);

        // A character the code page lacks becomes "?" where it was typed.
        auto* name = F3<QLineEdit>("Edit1");
        Type("Edit1", "Mill");
        name->setCursorPosition(2);
        TypeText(name, QString::fromUtf8("Ω"));
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString::fromUtf8("😀"), {});
        QCOMPARE(name->text(), QStringLiteral("Mi??ll"));
        QCOMPARE(name->cursorPosition(), 4);
        Click("Button1");

        Type("Edit4", "Nederlands");
        QString proposed;
        Answer(File("NR_Neder.dat"), true, &proposed);
        Click("BitBtn1");
        QCOMPARE(proposed, QString::fromStdString(File("NR_Neder.dat")));
        QVERIFY(!form3_->isVisible());
        QCOMPARE(ReadWholeFile(File("NR_Neder.dat")),
                 std::string("[PROPERTIES]\r\nlanguage=Nederlands\r\n\r\n[DATA]\r\nVeld=7,8\r\n"
                             "Dijk=7,8\r\n"));
        QVERIFY(!FileExists(File("NR_Neder.da~")));
        QCOMPARE(Items(Child<QComboBox>(form1_.get(), "ComboBox1")),
                 (QStringList{"Ash", "Mill", "Zeb"}));
        QCOMPARE(Languages(), (QStringList{"English", "Nederlands"}));
    }

    // Only the user's choice in the list selects a location: neither the focus that the list gets
    // back when the editor is activated after a click on its button, nor the program's changes.
    void applyAddAndDeleteAfterAPickEndInTheirState() {
        Child<QAction>(form1_.get(), "Addlocations1")->trigger();
        auto* list = F3<QListWidget>("ListBox1");
        auto* paintBox = Child<QWidget>(form1_.get(), "PaintBox1");
        const ViewGeometry& view = form1_->State().View;
        const QPoint crosshair(view.CenterX, view.CenterY);
        for (int round = 0; round < 24; ++round) {
            const bool activateFirst = round % 2 == 0;
            const QByteArray button =
                QList<QByteArray>{"Button4", "Button3", "Button2"}[round / 2 % 3];
            SystemClick(list->viewport(), list->visualItemRect(list->item(1)).center());
            SystemClick(F3<QLineEdit>("Edit3"));
            // Delete stays enabled only when the pick leaves X and Y as they were.
            SystemClick(paintBox, button == "Button2" ? crosshair : crosshair + QPoint(3, round));
            if (button == "Button3") {
                SystemClick(F3<QLineEdit>("Edit1"));
                QTest::keyClick(form3_->windowHandle(), Qt::Key_2);
            }
            auto* pressed = F3<QPushButton>(button.constData());
            QVERIFY2(pressed->isEnabled(), button.constData());
            Activate(form1_.get());
            SystemClick(pressed, pressed->rect().center(), activateFirst);
            QCoreApplication::processEvents();
            // The table's state; Add leaves the selection as it was, Apply and Delete none.
            QString state;
            for (const char* edit : {"Edit1", "Edit2", "Edit3"})
                state += F3<QLineEdit>(edit)->text() + "|";
            for (const char* b : {"Button4", "Button3", "Button2"})
                state += F3<QPushButton>(b)->isEnabled() ? "on " : "off ";
            state += QString::number(list->selectedItems().size());
            QCOMPARE(state, QStringLiteral("|||off off off ") + (button == "Button3" ? "1" : "0"));
        }
        QCOMPARE(list->count(), 3);
    }

    // Qt names files in UTF-8, the program in Windows-1252: every name must reach the disk as
    // the program's bytes, and come back from the dialog as them.
    void languageNamesOutsideAsciiNameTheirFiles() {
        const std::string spanish =
            "[PROPERTIES]\r\nlanguage=Espa\xF1ol\r\n[DATA]\r\nPuerto=10,20\r\n";
        Restart([&] {
            WriteFile(File("NR_Espa\xF1.dat"), spanish);
            WriteFile(File("ORVDMAP.ini"), "[Config]\r\nLanguage=Espa\xF1\r\n");
            WriteFile(File("NR.map"), testing::EncodeJpeg(testing::PatternImage(400, 300)));
        });
        QCOMPARE(form1_->windowTitle(), QString::fromUtf8("Orvandel Map - Español"));

        Child<QAction>(form1_.get(), "Addlocations1")->trigger();
        QString proposed;
        Answer("", true, &proposed);
        Click("BitBtn1");
        QCOMPARE(proposed,
                 QString::fromStdString(dir_->Path()) + QString::fromUtf8("NR_Españ.dat"));
        QCOMPARE(Shown(), (QStringList{"SaveDialog1", "ReplaceQuestion", "Form4"}));
        QCOMPARE(dialogs_->shown[1].text,
                 QString::fromUtf8("NR_Españ.dat already exists.\nDo you want to replace it?"));
        QCOMPARE(notice_,
                 QString::fromUtf8("ORVD Map has saved the original file as NR_Españ.da~"));
        QVERIFY(!form3_->isVisible());
        QCOMPARE(ReadWholeFile(File("NR_Espa\xF1.da~")), spanish);
        QCOMPARE(
            ReadWholeFile(File("NR_Espa\xF1.dat")),
            std::string("[PROPERTIES]\r\nlanguage=Espa\xF1ol\r\n\r\n[DATA]\r\nPuerto=10,20\r\n"));

        Child<QAction>(form1_.get(), "New1")->trigger();
        TypeText(F3<QLineEdit>("Edit4"), QString::fromUtf8("Français"));
        Type("Edit1", "Quai");
        Type("Edit2", "30");
        Type("Edit3", "40");
        Click("Button3");
        dialogs_->shown.clear();
        Answer("", true, &proposed);
        Click("BitBtn1");
        QCOMPARE(proposed,
                 QString::fromStdString(dir_->Path()) + QString::fromUtf8("NR_Franç.dat"));
        QCOMPARE(Shown(), QStringList{"SaveDialog1"});
        QCOMPARE(
            ReadWholeFile(File("NR_Fran\xE7.dat")),
            std::string("[PROPERTIES]\r\nlanguage=Fran\xE7\x61is\r\n\r\n[DATA]\r\nQuai=30,40\r\n"));
        std::set<std::string> onDisk;
        for (const auto& entry : std::filesystem::directory_iterator(dir_->Path()))
            onDisk.insert(entry.path().filename().string());
        QVERIFY(onDisk ==
                (std::set<std::string>{"NR.map", "NR_Engli.dat", "NR_Espa\xF1.da~",
                                       "NR_Espa\xF1.dat", "NR_Fran\xE7.dat", "ORVDMAP.ini"}));
        QCOMPARE(Languages(), QString::fromUtf8("English Español Français").split(' '));

        // The language chosen is the one the next start shows.
        Child<QMenu>(form1_.get(), "SelectLanguage1")->actions().at(2)->trigger();
        Restart();
        QCOMPARE(form1_->windowTitle(), QString::fromUtf8("Orvandel Map - Français"));
        QCOMPARE(Items(Child<QComboBox>(form1_.get(), "ComboBox1")), QStringList{"Quai"});
    }
};

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
