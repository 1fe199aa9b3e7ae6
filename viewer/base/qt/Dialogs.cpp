#include "base/qt/Dialogs.h"

#include "base/ErrorMessage.h"
#include "base/qt/QtText.h"

#include <QDialog>
#include <QMessageBox>

namespace orvd {
namespace {

class ModalLoopSeam final : public DialogSeam {
public:
    int ExecModal(QDialog& dialog) override { return dialog.exec(); }
};

ModalLoopSeam defaultSeam;
DialogSeam* currentSeam = &defaultSeam;

} // namespace

DialogSeam& Dialogs() {
    return *currentSeam;
}

void SetDialogs(DialogSeam* seam) {
    currentSeam = seam ? seam : &defaultSeam;
}

void ShowErrorBox(QWidget* parent, const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    FromAnsi(ErrorBoxText(message)), QMessageBox::Ok, parent);
    box.setObjectName("ErrorBox");
    Dialogs().ExecModal(box);
}

void ShowInformationBox(QWidget* parent, const std::string& message) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kApplicationTitle),
                    FromAnsi(message), QMessageBox::Ok, parent);
    box.setObjectName("InformationBox");
    Dialogs().ExecModal(box);
}

void RunHandler(QWidget* parent, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ShowErrorBox(parent, e.what());
    }
}

} // namespace orvd
