#include "editor/AskBackupSetting.h"

#include "base/profile/ProfileFile.h"
#include "base/profile/ProfileStorage.h"
#include "base/profile/SettingsKeys.h"

namespace orvd {

bool ReadAskBackup(const ProfileFile& file) {
    return file.ReadFlag(kSettingsSection, SettingKeys::AskBackup.Name,
                         SettingKeys::AskBackup.Default);
}

void WriteAskBackup(ProfileFile& file, bool askBackup) {
    file.WriteFlag(kSettingsSection, SettingKeys::AskBackup.Name, askBackup);
}

void SaveAskBackupAtExit(const std::string& settingsPath, bool askBackup) {
    if (!ProfileStorage::CanStore(settingsPath))
        return;
    ProfileFile file(settingsPath);
    WriteAskBackup(file, askBackup);
}

} // namespace orvd
