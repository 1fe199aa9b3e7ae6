#pragma once

#include <string>

namespace orvd {

class ProfileFile;

// The location editor's own key in the settings file (SettingKeys::AskBackup).
bool ReadAskBackup(const ProfileFile& file);
// Throws orvd::Error when the write fails.
void WriteAskBackup(ProfileFile& file, bool askBackup);
// The editor's write at exit into the settings file at `settingsPath`. Nothing is written to a
// file that cannot be: the main window writes the same file right after and reports that (or
// the start already did), once. Throws orvd::Error when a write that could start fails.
void SaveAskBackupAtExit(const std::string& settingsPath, bool askBackup);

} // namespace orvd
