#include "app/qt/Startup.h"

#include "app/qt/TForm1.h"
#include "app/qt/TfSplash.h"
#include "base/ErrorMessage.h"
#include "base/ProgramPath.h"
#include "base/qt/Dialogs.h"
#include "base/qt/HelpViewer.h"
#include "base/qt/WindowParts.h"
#include "editor/qt/TForm3.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <memory>

namespace orvd {

int RunViewer(int argc, char** argv) {
    // Taken before Qt removes the options it knows: the first argument is the first one given.
    const std::string firstArgument = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    // Menus, message boxes and tooltips in the windows' font too. Its first use loads the font
    // files and says on stderr which are missing.
    QApplication::setFont(DialogFont());
    std::string programPath = ProgramPath();
    if (programPath.empty())
        programPath = QFile::encodeName(app.applicationFilePath()).toStdString();

    std::unique_ptr<TForm1> form1;
    fSplash = new TfSplash();
    try {
        fSplash->SetText(fSplash->Label7(), QStringLiteral("Loading..."));
        fSplash->Label7()->show();
        fSplash->show();
        fSplash->repaint();
        QCoreApplication::processEvents();
        // The application's title; a display name would be appended to every window's caption.
        QGuiApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
        HelpViewer::Instance().SetHelpFile(QStringLiteral("orvd.hlp"));
        form1 = OpenViewer(programPath, firstArgument);
    } catch (const std::exception& e) {
        delete fSplash;
        ShowErrorBox(nullptr, e.what());
        return 1;
    }
    delete fSplash; // also clears the global reference

    form1->show();
    const int code = app.exec();
    form1.reset(); // the editor writes its key first, then the main window its seven
    return code;
}

std::unique_ptr<TForm1> OpenViewer(const std::string& programPath,
                                   const std::string& firstArgument) {
    auto form1 = std::make_unique<TForm1>(programPath, firstArgument);
    form1->SetEditor(std::make_unique<TForm3>(form1->SettingsPath(), *form1));
    return form1;
}

} // namespace orvd
