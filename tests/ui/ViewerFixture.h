#pragma once

#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "app/qt/Startup.h"
#include "app/qt/TForm1.h"

#include <QTest>
#include <memory>

namespace orvd::testing {

// What every window test starts from: a fresh folder for the program and its files, every
// modal window answered through ScriptedDialogs, and the program's windows opened by the
// start-up's own OpenViewer. A test class derives from it, calls SetUp from init() and
// TearDown from cleanup().
class ViewerFixture {
protected:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<ScriptedDialogs> dialogs_;

    void SetUp() {
        dir_ = std::make_unique<TempDir>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
    }
    void TearDown() {
        dialogs_.reset();
        dir_.reset();
    }

    // The program in the folder started with `argument`, its main window shown and its first
    // events handled.
    std::unique_ptr<TForm1> StartViewer(const char* argument = "") {
        std::unique_ptr<TForm1> form = OpenViewer(dir_->File("ORVDMAP"), argument);
        form->show();
        QTest::qWait(0);
        return form;
    }
};

} // namespace orvd::testing
