#include "TempDir.h"

#include <random>
#include <stdexcept>
#include <system_error>

namespace orvd::testing {

// mkdtemp is POSIX only: a random name, created exclusively, works on every system.
TempDir::TempDir() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("orvd-test-" + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(path_, error))
            return;
        if (error)
            break;
    }
    throw std::runtime_error("cannot make a test folder in " + base.string());
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

} // namespace orvd::testing
