#include "editor/AskBackupSetting.h"

#include "base/profile/ProfileFile.h"
#include "base/profile/SettingsKeys.h"

namespace orvd {

bool ReadAskBackup(const ProfileFile& file) {
    return file.ReadFlag(kSettingsSection, SettingKeys::AskBackup.Name,
                         SettingKeys::AskBackup.Default);
}

void WriteAskBackup(ProfileFile& file, bool askBackup) {
    file.WriteFlag(kSettingsSection, SettingKeys::AskBackup.Name, askBackup);
}

} // namespace orvd
