#include "base/profile/ProfileStorage.h"

#include "base/Error.h"
#include "base/FileSystem.h"

namespace orvd {

std::string ProfileStorage::LoadForUpdate(const std::string& path) const {
    std::string bytes = Load(path);
    if (bytes.empty() && FileExists(path) && !ReadWholeFile(path, kMaxFileBytes)) {
        throw Error("Unable to write to " + path);
    }
    return bytes;
}

std::string ProfileStorage::TooLargeMessage(const std::string& path) {
    return "The file " + path + " is too large: more than " + std::to_string(kMaxFileBytes >> 20) +
           " MiB";
}

ProfileStorage& ProfileStorage::Default() {
    static ProfileStorage storage;
    return storage;
}

} // namespace orvd
