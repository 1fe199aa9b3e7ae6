// The windows' fonts come from the packaged files whatever fontconfig says, and no text is cut
// with them or without them. Run a second time under a hostile fontconfig set-up (CMakeLists).
#include "base/qt/WindowFonts.h"

#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "WidgetLookup.h"
#include "app/qt/Startup.h"
#include "app/qt/TForm1.h"
#include "app/qt/TfSplash.h"
#include "base/FileSystem.h"
#include "editor/qt/TForm3.h"
#include "editor/qt/TForm4.h"
#include "view/qt/TForm5.h"

#include <QCheckBox>
#include <QLabel>
#include <QRawFont>
#include <QTest>

using namespace orvd;

namespace {

const QString kWine = "/usr/share/wine/fonts/",
              kLiberation = "/usr/share/fonts/truetype/liberation2/";

QByteArray WithFontNote(const QString& what) {
    return (what + ' ' + WindowFonts::Instance().MissingWarning()).toLocal8Bit();
}

// The labels and check boxes of `window` too narrow for their text, or running past the
// contents of their parent.
QStringList CutTexts(const QWidget* window) {
    QStringList cut;
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        const bool narrow = l->wordWrap()
                                ? l->heightForWidth(l->width()) > l->height()
                                : l->fontMetrics().horizontalAdvance(l->text()) > l->width();
        if (l->window() == window &&
            (narrow || l->geometry().right() > l->parentWidget()->contentsRect().right()))
            cut << l->text();
    }
    for (const QCheckBox* b : window->findChildren<QCheckBox*>()) {
        if (b->window() == window && b->sizeHint().width() > b->width())
            cut << b->text();
    }
    return cut;
}

} // namespace

class WindowFontsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        WindowFonts::Instance().Load(
            WindowFonts::SearchFolders(QCoreApplication::applicationDirPath() + '/'));
    }

    void facesAreThoseOfThePackagedFiles() {
        const struct {
            const char* family;
            int pixels;
            bool italic;
            QString file;
        } rows[] = {{"MS Sans Serif", 11, false, kWine + "ms_sans_serif.ttf"},
                    {"Times New Roman", 40, false, kLiberation + "LiberationSerif-Regular.ttf"},
                    {"Times New Roman", 21, true, kLiberation + "LiberationSerif-Italic.ttf"},
                    {"Arial", 12, false, kLiberation + "LiberationSans-Regular.ttf"}};
        const QString text = "ORVD Map has saved the original file as";
        for (const auto& row : rows) {
            const QRawFont file(row.file, row.pixels, QFont::PreferFullHinting);
            qreal width = 0;
            for (QPointF advance : file.advancesForGlyphIndexes(file.glyphIndexesForString(text)))
                width += advance.x();
            const QFont font = WindowFonts::Instance().Font(row.family, row.pixels, row.italic);
            QVERIFY2(QFontMetrics(font).horizontalAdvance(text) == qRound(width),
                     WithFontNote(row.file));
        }
        // The classic 8-point cell: 11 pixels above the base line, 2 below.
        const QFontMetrics dialog(WindowFonts::Instance().Font("MS Sans Serif", 11));
        QVERIFY2(dialog.ascent() == 11 && dialog.height() == 13, WithFontNote("8-point cell"));
        QFont plain("MS Sans Serif"); // under the hostile set-up, another face
        plain.setPixelSize(11);
        if (qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
            QVERIFY(QFontMetrics(plain).horizontalAdvance(text) != dialog.horizontalAdvance(text));
    }

    void programFolderFirstMissingAndBrokenFilesNamed() {
        testing::TempDir dir;
        std::filesystem::create_directory(dir.File("fonts"));
        testing::WriteFile(dir.File("fonts/ms_sans_serif.ttf"), "not a font");
        std::filesystem::copy_file((kLiberation + "LiberationSans-Bold.ttf").toStdString(),
                                   dir.File("fonts/LiberationSans-Bold.ttf"));
        const QString fonts = QString::fromStdString(dir.File("fonts/"));
        WindowFonts loaded;
        QVERIFY(!loaded.Load(WindowFonts::SearchFolders(QString::fromStdString(dir.Path()))));
        QCOMPARE(loaded.BrokenFiles(), QStringList{fonts + "ms_sans_serif.ttf"});
        QVERIFY(loaded.LoadedFiles().contains(kWine + "ms_sans_serif.ttf"));
        QVERIFY(loaded.LoadedFiles().contains(fonts + "LiberationSans-Bold.ttf"));

        QVERIFY(!loaded.Load({fonts}));
        QCOMPARE(loaded.MissingFiles().size(), 4); // all but the bold face copied there
        for (const QString& said :
             QStringList{"ms_sans_serif.ttf (package fonts-wine)", "looked in " + fonts})
            QVERIFY(loaded.MissingWarning().contains(said));
    }

    void textsFitEveryWindow_data() {
        QTest::addColumn<bool>("fontsMissing");
        QTest::newRow("packaged fonts") << false;
        QTest::newRow("no font files") << true;
    }
    void textsFitEveryWindow() {
        QFETCH(bool, fontsMissing);
        if (fontsMissing)
            WindowFonts::Instance().Load({});
        testing::TempDir dir;
        testing::ScriptedDialogs dialogs;
        TfSplash splash;
        splash.SetText(splash.Label7(), "Loading...");
        const std::unique_ptr<TForm1> form1 = OpenViewer(dir.File("ORVDMAP"), "testing");
        TForm3& form3 = *form1->Editor();
        const QString longName = "A_file_of_places_named_at_great_length_by_its_maker.da~";
        TForm4 notice(longName.toStdString(), &form3);
        ColorValue colour = 0;
        BorderPattern pattern = BorderPattern::Solid;
        TForm5 form5(form1.get(), colour, pattern, SystemColorTable{});
        for (QWidget* window : QList<QWidget*>{&splash, form1.get(), &form3, &notice, &form5})
            QVERIFY2(CutTexts(window).isEmpty(), WithFontNote(CutTexts(window).join(", ")));
        auto* backup = testing::Child<QLabel>(&notice, "Label2");
        QVERIFY(backup->text().endsWith(".da~") && backup->toolTip() == longName);
    }
};

QTEST_MAIN(WindowFontsTest)
#include "WindowFontsTest.moc"
