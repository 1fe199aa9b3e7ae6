#pragma once

#include <string>

namespace orvd {

// Where the settings file is kept. Beside the program (SettingsFileName) wherever the program's
// folder can be written; otherwise the file of the same name in the folder kSettingsFolder of
// the user's configuration folder (UserConfigFolder), which is made when missing. An installed
// program's folder belongs to the administrator, and without this a user's settings would be
// lost at every exit.
struct SettingsLocation {
    static constexpr const char* kSettingsFolder = "orvandel-map";

    std::string Path;      // the file read at start and written at exit
    bool Writable = false; // false: no place can be written; Path is the file beside the program
    // The one message of the start, empty when there is nothing to tell: where the settings are
    // kept when that is the configuration folder for the first time (its file is not there
    // yet), or that they cannot be kept at all and why.
    std::string Notice;
    // The user's folder that stands for the program folder in what the program writes (the
    // settings, and the editor's locations files): the settings file's folder when that is not
    // the program's; empty otherwise.
    std::string UserFolder;
};

// `configFolder` is the user's configuration folder with its trailing separator, empty when the
// system names none.
SettingsLocation ChooseSettingsLocation(const std::string& programPath,
                                        const std::string& configFolder);

} // namespace orvd
