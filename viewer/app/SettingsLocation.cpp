#include "app/SettingsLocation.h"

#include "app/Settings.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileStorage.h"

#include <filesystem>
#include <system_error>

namespace orvd {

namespace {

// The user's configuration folder, empty when neither variable gives one. A relative
// XDG_CONFIG_HOME is ignored, as the base directory rules say.
std::string ConfigHome(const char* xdgConfigHome, const char* home) {
    // Without trailing separators: the paths made from it name each folder once.
    const auto folder = [](std::string path) {
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        return path;
    };
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return folder(xdgConfigHome);
    if (home && home[0] != '\0')
        return folder(home) + "/.config";
    return {};
}

} // namespace

SettingsLocation ChooseSettingsLocation(const std::string& programPath, const char* xdgConfigHome,
                                        const char* home) {
    const std::string beside = SettingsFileName(programPath);
    // A file made read-only in a folder that can be written stays the settings file: its
    // owner wanted it kept as it is, and the write at exit says that it was.
    if (ProfileStorage::CanStoreIn(DirectoryOf(beside)))
        return {beside, true, {}};

    const std::string configHome = ConfigHome(xdgConfigHome, home);
    const std::string cannot =
        "The settings cannot be saved: " + DirectoryOf(beside) + " cannot be written";
    if (configHome.empty())
        return {beside, false, cannot + ", and neither XDG_CONFIG_HOME nor HOME is set."};
    const std::string folder = configHome + "/" + SettingsLocation::kSettingsFolder;
    const std::string path = folder + "/" + FileNamePart(beside);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ProfileStorage::CanStore(path))
        return {beside, false, cannot + ", nor " + path + "."};
    if (FileExists(path))
        return {path, true, {}};
    return {path, true,
            "The folder of the program cannot be written, so the settings are kept in " + path +
                "."};
}

} // namespace orvd
