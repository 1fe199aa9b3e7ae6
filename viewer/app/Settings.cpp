#include "app/Settings.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileFile.h"

#include <algorithm>

namespace orvd {

namespace {

constexpr const char* kDefaultCrossColor = "clWhite";
constexpr const char* kDefaultBorderColor = "$0080FFFF";

ColorValue ReadColor(const ProfileFile& file, const char* key, const char* defaultText,
                     std::vector<std::string>& errors) {
    const std::string text = file.ReadText(kSettingsSection, key, defaultText);
    try {
        return ColorFromText(text);
    } catch (const Error& e) {
        errors.push_back(e.what());
        return ColorFromText(defaultText);
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
    std::vector<std::string> errors;
    settings.Language = file.ReadText(kSettingsSection, "Language", "Engli");
    settings.LocationsFile = "_" + settings.Language + ".dat";
    settings.AnimationSpeed =
        ClampAnimationSpeed(file.ReadNumber(kSettingsSection, "AnimationSpeed", 20));
    settings.Animate = file.ReadFlag(kSettingsSection, "Animate", true);
    settings.Cross = file.ReadFlag(kSettingsSection, "Cross", true);
    settings.CrossColor = ReadColor(file, "CrossColor", kDefaultCrossColor, errors);
    settings.BorderColor = ReadColor(file, "BorderColor", kDefaultBorderColor, errors);
    settings.BorderStyle = PatternFromCode(file.ReadNumber(kSettingsSection, "BorderStyle", 3));
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
    const std::string language = LanguageTagToWrite(settings, testMode);
    // Read back without its quotes, the tag would name another file at the next start.
    const bool refused = ProfileFile::LosesQuotesWhenRead(language);
    if (!refused) {
        file.WriteText(kSettingsSection, "Language", language);
    }
    file.WriteNumber(kSettingsSection, "AnimationSpeed", settings.AnimationSpeed);
    file.WriteFlag(kSettingsSection, "Animate", settings.Animate);
    file.WriteFlag(kSettingsSection, "Cross", settings.Cross);
    file.WriteText(kSettingsSection, "CrossColor", ColorToText(settings.CrossColor));
    file.WriteText(kSettingsSection, "BorderColor", ColorToText(settings.BorderColor));
    file.WriteNumber(kSettingsSection, "BorderStyle", CodeFromPattern(settings.BorderStyle));
    if (refused) {
        throw Error("The language " + language +
                    " cannot be kept in the settings: the quotes around it would be dropped when "
                    "the file is read");
    }
}

} // namespace orvd
