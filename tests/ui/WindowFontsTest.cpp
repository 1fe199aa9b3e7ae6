// The windows' fonts come from the packaged files whatever fontconfig says, and no text is cut
// with them or without them. Run a second time under a hostile fontconfig set-up (CMakeLists).
#include "base/WindowFonts.h"

#include "JpegWriter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "WidgetLookup.h"
#include "app/TForm1.h"
#include "app/TfSplash.h"
#include "base/FileSystem.h"
#include "editor/TForm3.h"
#include "editor/TForm4.h"
#include "view/TForm5.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QStyle>
#include <QTest>
#include <memory>

using namespace orvd;

namespace {

const QString kWine = QStringLiteral("/usr/share/wine/fonts/");
const QString kLiberation = QStringLiteral("/usr/share/fonts/truetype/liberation2/");

QByteArray WithFontNote(const QString& what) {
    return (what + QLatin1Char(' ') + WindowFonts::Instance().MissingWarning()).toLocal8Bit();
}

// "Name: why" for each text of `window` that does not fit its control or runs past the
// contents of the control's parent (a bevel, the window's edge).
QStringList CutTexts(const QWidget* window) {
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->window() != window)
            continue;
        const bool narrow =
            label->wordWrap()
                ? label->heightForWidth(label->width()) > label->height()
                : label->fontMetrics().horizontalAdvance(label->text()) > label->width();
        if (narrow || label->geometry().right() > label->parentWidget()->contentsRect().right())
            cut << label->objectName() + ": " + label->text();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || button->window() != window)
            continue;
        const QStyle* style = button->style();
        int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
        if (!button->icon().isNull())
            needed += button->iconSize().width() + 4;
        needed += qobject_cast<const QCheckBox*>(button)
                      ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                      : 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        if (needed > button->width())
            cut << button->objectName() + ": " + button->text();
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
        const QString text = QStringLiteral("ORVD Map has saved the original file as");
        for (const auto& row : rows) {
            const QFont font = WindowFonts::Instance().Font(row.family, row.pixels, row.italic);
            const QRawFont file(row.file, row.pixels, QFont::PreferFullHinting);
            qreal width = 0;
            for (QPointF advance : file.advancesForGlyphIndexes(file.glyphIndexesForString(text)))
                width += advance.x();
            QVERIFY2(QFontMetrics(font).horizontalAdvance(text) == qRound(width),
                     WithFontNote(QStringLiteral("%1 is not %2").arg(row.family, row.file)));
        }
        // The classic 8-point cell: 11 pixels above the base line, 2 below.
        const QFontMetrics dialog(WindowFonts::Instance().Font("MS Sans Serif", 11));
        QVERIFY2(dialog.ascent() == 11 && dialog.height() == 13, WithFontNote("8-point cell"));
        if (qEnvironmentVariableIsSet("FONTCONFIG_FILE")) {
            // The set-up works: a plain request ends elsewhere.
            QFont plain("Times New Roman");
            QCOMPARE(QFontInfo(plain).family(), QStringLiteral("DejaVu Sans"));
            plain.setFamily("MS Sans Serif");
            plain.setPixelSize(11);
            QVERIFY(QFontMetrics(plain).horizontalAdvance(text) != dialog.horizontalAdvance(text));
        }
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
        QVERIFY(loaded.MissingFiles().isEmpty());
        QVERIFY(loaded.MissingWarning().contains(fonts + "ms_sans_serif.ttf"));

        QVERIFY(!loaded.Load({fonts}));
        QCOMPARE(loaded.MissingFiles().size(), 4); // all but the bold face copied there
        QVERIFY(loaded.MissingWarning().contains("LiberationSerif-Italic.ttf (package "
                                                 "fonts-liberation2)"));
        QVERIFY(loaded.MissingWarning().contains("ms_sans_serif.ttf (package fonts-wine)"));
        QVERIFY(loaded.MissingWarning().contains("looked in " + fonts));
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
        splash.SetText(splash.Label7(), QStringLiteral("Loading..."));
        TForm1 form1(dir.File("ORVDMAP"), "testing");
        TForm3 form3(form1.SettingsPath(), &form1);
        const std::string longName = "A_file_of_places_named_at_great_length_by_its_maker.da~";
        TForm4 notice(longName, &form3);
        ColorValue colour = 0;
        BorderPattern pattern = BorderPattern::Solid;
        TForm5 form5(&form1, colour, pattern, SystemColorTable{});
        const QList<QWidget*> windows{&splash, &form1, &form3, &notice, &form5};
        for (QWidget* window : windows) {
            const QStringList cut = CutTexts(window);
            QVERIFY2(cut.isEmpty(), WithFontNote(window->objectName() + ": " + cut.join(", ")));
        }
        auto* backup = testing::Child<QLabel>(&notice, "Label2");
        QVERIFY(backup->text().endsWith(".da~") && backup->text() != backup->toolTip());
        QCOMPARE(backup->toolTip(), QString::fromStdString(longName));
        if (!fontsMissing) {
            for (QWidget* window : {static_cast<QWidget*>(&splash), form1.centralWidget()})
                for (const QLabel* label : window->findChildren<QLabel*>())
                    QVERIFY2(label->toolTip().isEmpty(), qPrintable(label->text())); // whole
        }
    }
};

QTEST_MAIN(WindowFontsTest)
#include "WindowFontsTest.moc"
