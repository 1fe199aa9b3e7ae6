#include "base/ProgramPath.h"

#include <unistd.h>

namespace orvd {

std::string ProgramPath() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0)
            return {};
        if (std::size_t(n) < path.size()) {
            path.resize(std::size_t(n));
            // A program file deleted or replaced while it runs reads as "<path> (deleted)".
            return ::access(path.c_str(), F_OK) == 0 ? path : std::string();
        }
        path.resize(path.size() * 2); // the link may be longer than the buffer: readlink cuts it
    }
}

} // namespace orvd
