#include "base/profile/ProfileStorage.h"

namespace orvd {

std::string ProfileStorage::TooLargeMessage(const std::string& path) {
    return "The file " + path + " is too large: more than " + std::to_string(kMaxFileBytes >> 20) +
           " MiB";
}

ProfileStorage& ProfileStorage::Default() {
    static ProfileStorage storage;
    return storage;
}

} // namespace orvd
