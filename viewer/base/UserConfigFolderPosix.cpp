#include "base/UserConfigFolder.h"

#include <cstdlib>

namespace orvd {

namespace {

std::string WithOneSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path + "/";
}

} // namespace

// The base directory rules: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
std::string UserConfigFolder() {
    const char* xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return WithOneSeparator(xdgConfigHome);
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return WithOneSeparator(home) + ".config/";
    return {};
}

} // namespace orvd
