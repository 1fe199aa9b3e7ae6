#include "base/UserConfigFolder.h"

#include <cstdlib>

namespace orvd {

// The roaming application data folder, as the system sets %APPDATA% for every user.
std::string UserConfigFolder() {
    const char* appData = std::getenv("APPDATA");
    if (!appData || appData[0] == '\0')
        return {};
    std::string folder(appData);
    if (folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

} // namespace orvd
