#include "editor/AskBackupSetting.h"

#include "base/profile/ProfileFile.h"

namespace orvd {

bool ReadAskBackup(const ProfileFile& file) {
    return file.ReadFlag("Config", "AskBackup", true);
}

void WriteAskBackup(ProfileFile& file, bool askBackup) {
    file.WriteFlag("Config", "AskBackup", askBackup);
}

} // namespace orvd
