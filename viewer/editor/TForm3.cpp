#include "editor/TForm3.h"

#include "base/Dialogs.h"
#include "base/ProfileFile.h"
#include "editor/AskBackupSetting.h"

namespace orvd {

TForm3* Form3 = nullptr;

TForm3::TForm3(std::string settingsPath, QWidget* owner)
    : QDialog(owner), settingsPath_(std::move(settingsPath)) {
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("Edit"));
    setFixedSize(360, 200);
    RunHandler(this, [this] { FormCreate(); });
}

TForm3::~TForm3() {
    FormDestroy();
    if (Form3 == this)
        Form3 = nullptr;
}

void TForm3::FormCreate() {
    askBackup_ = ReadAskBackup(ProfileFile(settingsPath_));
}

void TForm3::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    RunHandler(this, [this] {
        ProfileFile settings(settingsPath_);
        WriteAskBackup(settings, askBackup_);
    });
}

} // namespace orvd
