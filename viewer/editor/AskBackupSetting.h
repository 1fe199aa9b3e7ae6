#pragma once

namespace orvd {

class ProfileFile;

// The location editor's own key in the settings file (SettingKeys::AskBackup).
bool ReadAskBackup(const ProfileFile& file);
// Throws orvd::Error when the write fails.
void WriteAskBackup(ProfileFile& file, bool askBackup);

} // namespace orvd
