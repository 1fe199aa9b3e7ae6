#pragma once

#include <string>

namespace orvd {

// Where the settings file is kept. Beside the program (SettingsFileName) wherever the program's
// folder can be written; otherwise the file of the same name in the user's configuration folder,
// $XDG_CONFIG_HOME (when it is an absolute path) or else $HOME/.config, in the folder
// kSettingsFolder, which is made when missing. An installed program's folder belongs to root,
// and without this a user's settings would be lost at every exit.
struct SettingsLocation {
    static constexpr const char* kSettingsFolder = "orvandel-map";

    std::string Path;      // the file read at start and written at exit
    bool Writable = false; // false: no place can be written; Path is the file beside the program
    // The one message of the start, empty when there is nothing to tell: where the settings are
    // kept when that is the configuration folder for the first time (its file is not there
    // yet), or that they cannot be kept at all and why.
    std::string Notice;
};

// `xdgConfigHome` and `home` are the variables' values, null when unset.
SettingsLocation ChooseSettingsLocation(const std::string& programPath, const char* xdgConfigHome,
                                        const char* home);

} // namespace orvd
