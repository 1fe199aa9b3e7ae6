#include "TestFiles.h"

#include "base/FileSystem.h"

#include <cstdio>
#include <stdexcept>

namespace orvd::testing {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot create " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !ok)
        throw std::runtime_error("cannot write " + path);
}

std::string Slurp(const std::string& path) {
    return ReadWholeFile(path).value_or("<missing>");
}

} // namespace orvd::testing
