#include "base/ProgramPath.h"

#include <windows.h>

namespace orvd {

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        // A path that fills the buffer was cut (and on older systems left without its end).
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= 32768)
            return {}; // longer than any path the system can give
        path.resize(path.size() * 2);
    }
}

} // namespace orvd
