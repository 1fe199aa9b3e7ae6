#include "app/SettingsLocation.h"

#include "app/Settings.h"
#include "base/FileSystem.h"
#include "base/profile/ProfileStorage.h"

#include <filesystem>
#include <system_error>

namespace orvd {

SettingsLocation ChooseSettingsLocation(const std::string& programPath,
                                        const std::string& configFolder) {
    const std::string beside = SettingsFileName(programPath);
    // A file made read-only in a folder that can be written stays the settings file: its
    // owner wanted it kept as it is, and the write at exit says that it was.
    if (ProfileStorage::CanStoreIn(DirectoryOf(beside)))
        return {beside, true, {}, {}};

    const std::string cannot =
        "The settings cannot be saved: " + DirectoryOf(beside) + " cannot be written";
    if (configFolder.empty())
        return {beside,
                false,
                cannot + ", and the system names no folder for the user's settings.",
                {}};
    const char separator = configFolder.back();
    const std::string folder = configFolder + SettingsLocation::kSettingsFolder + separator;
    const std::string path = folder + FileNamePart(beside);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ProfileStorage::CanStore(path))
        return {beside, false, cannot + ", nor " + path + ".", {}};
    if (FileExists(path))
        return {path, true, {}, folder};
    return {path, true,
            "The folder of the program cannot be written, so the settings are kept in " + path +
                ".",
            folder};
}

} // namespace orvd
