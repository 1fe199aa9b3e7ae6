#include "app/Settings.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileFile.h"

#include <algorithm>

namespace orvd {

namespace {

ColorValue ReadColor(const ProfileFile& file, const SettingKey<std::string_view>& key,
                     std::vector<std::string>& errors) {
    const std::string text = file.ReadText(kSettingsSection, key.Name, key.Default);
    try {
        return ColorFromText(text);
    } catch (const Error& e) {
        errors.push_back(e.what());
        return ColorFromText(key.Default);
    }
}

} // namespace

std::string SettingsFileName(std::string_view programPath) {
    return ChangeExtension(std::string(programPath), ".ini");
}

int ClampAnimationSpeed(long long speed) {
    return int(std::clamp(speed, 10LL, 50LL));
}

std::vector<std::string> ReadSettings(const ProfileFile& file, Settings& settings) {
    using namespace SettingKeys;
    std::vector<std::string> errors;
    settings.Language = file.ReadText(kSettingsSection, Language.Name, Language.Default);
    settings.LocationsFile = "_" + settings.Language + ".dat";
    settings.AnimationSpeed = ClampAnimationSpeed(
        file.ReadNumber(kSettingsSection, AnimationSpeed.Name, AnimationSpeed.Default));
    settings.Animate = file.ReadFlag(kSettingsSection, Animate.Name, Animate.Default);
    settings.Cross = file.ReadFlag(kSettingsSection, Cross.Name, Cross.Default);
    settings.CrossColor = ReadColor(file, CrossColor, errors);
    settings.BorderColor = ReadColor(file, BorderColor, errors);
    settings.BorderStyle =
        PatternFromCode(file.ReadNumber(kSettingsSection, BorderStyle.Name, BorderStyle.Default));
    return errors;
}

std::string LanguageTagToWrite(const Settings& settings, bool testMode) {
    const std::string& name = settings.LocationsFile;
    if (testMode || name.empty() || name.front() == '_') {
        return settings.Language;
    }
    const std::string stem = name.substr(0, name.find_last_of('.'));
    return stem.size() > 3 ? stem.substr(3, 5) : std::string();
}

void WriteSettings(ProfileFile& file, const Settings& settings, bool testMode) {
    using namespace SettingKeys;
    const std::string language = LanguageTagToWrite(settings, testMode);
    // Read back as another text, the tag would name another file at the next start.
    const std::optional<std::string> change = ProfileFile::ValueChange(language);
    if (!change) {
        file.WriteText(kSettingsSection, Language.Name, language);
    }
    file.WriteNumber(kSettingsSection, AnimationSpeed.Name, settings.AnimationSpeed);
    file.WriteFlag(kSettingsSection, Animate.Name, settings.Animate);
    file.WriteFlag(kSettingsSection, Cross.Name, settings.Cross);
    file.WriteText(kSettingsSection, CrossColor.Name, ColorToText(settings.CrossColor));
    file.WriteText(kSettingsSection, BorderColor.Name, ColorToText(settings.BorderColor));
    file.WriteNumber(kSettingsSection, BorderStyle.Name, CodeFromPattern(settings.BorderStyle));
    if (change) {
        throw Error("The language " + language + " cannot be kept in the settings: " + *change);
    }
}

} // namespace orvd
