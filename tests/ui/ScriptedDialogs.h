#pragma once

#include "base/qt/Dialogs.h"

#include <QDialog>
#include <QMessageBox>
#include <functional>
#include <vector>

namespace orvd::testing {

// Answers every modal window without blocking and records what was shown. Installed for its
// lifetime.
class ScriptedDialogs final : public DialogSeam {
public:
    struct Shown {
        QString objectName;
        QString title;
        QString text; // a message box's text
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    ScriptedDialogs() { SetDialogs(this); }
    ~ScriptedDialogs() override { SetDialogs(nullptr); }

    // Called with the dialog while it "is shown"; returns the result. Default: reject.
    std::function<int(QDialog&)> answer;
    std::vector<Shown> shown;

    int ExecModal(QDialog& dialog) override {
        Shown record{dialog.objectName(), dialog.windowTitle(), {}, QMessageBox::NoIcon};
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            record.text = box->text();
            record.icon = box->icon();
        }
        shown.push_back(record);
        return answer ? answer(dialog) : int(QDialog::Rejected);
    }
};

} // namespace orvd::testing
