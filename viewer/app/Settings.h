#pragma once

#include "base/BorderPattern.h"
#include "base/ColorValue.h"
#include "base/profile/SettingsKeys.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvd {

class ProfileFile;

// The main window's settings as they travel to and from the settings file. The window copies
// them into its widgets and state after reading and back before writing.
struct Settings {
    // The language tag as read under "Language", kept for writing it back unchanged when the
    // locations file name carries no tag to cut (test mode, or no file loaded).
    std::string Language{SettingKeys::Language.Default};
    // After reading "_" + Language + ".dat"; the window replaces it by the bare name of the
    // loaded locations file.
    std::string LocationsFile = "_" + Language + ".dat";
    int AnimationSpeed = SettingKeys::AnimationSpeed.Default; // the slider's position, 10 to 50
    bool Animate = SettingKeys::Animate.Default;
    bool Cross = SettingKeys::Cross.Default;
    ColorValue CrossColor = ColorFromText(SettingKeys::CrossColor.Default);
    ColorValue BorderColor = ColorFromText(SettingKeys::BorderColor.Default);
    BorderPattern BorderStyle = PatternFromCode(SettingKeys::BorderStyle.Default);
};

// The settings file of the program at `programPath`: its extension (the last "." of the file
// name and what follows) replaced by ".ini", or ".ini" appended when it has none.
std::string SettingsFileName(std::string_view programPath);

// The slider holds its position within 10 to 50; a value outside goes to the nearer end.
int ClampAnimationSpeed(long long speed);

// Reads the main window's seven keys in order, each with its default. A colour text that cannot
// be converted gives that key's default and its error message in the result; reading goes on
// with the next key. Never throws.
std::vector<std::string> ReadSettings(const ProfileFile& file, Settings& settings);

// The tag written under "Language": LocationsFile without its extension, five characters from
// the 4th on. In test mode, and while LocationsFile is still the "_" + tag + ".dat" form of
// the settings (no locations file loaded), the tag that was read instead.
std::string LanguageTagToWrite(const Settings& settings, bool testMode);

// Writes the seven keys in order, one profile write each. Throws orvd::Error from the first
// write that fails; the keys after it are not written. A language tag that would not read back
// as itself (ProfileFile::ValueChange) is not written, so the file keeps its older "Language",
// the other keys are, and then orvd::Error names the tag.
void WriteSettings(ProfileFile& file, const Settings& settings, bool testMode);

} // namespace orvd
