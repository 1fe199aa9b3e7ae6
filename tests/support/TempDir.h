#pragma once

#include <filesystem>
#include <string>

namespace orvd::testing {

// A fresh folder for one test, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder with a trailing separator, the form ProgramDir has.
    std::string Path() const { return (path_ / "").string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace orvd::testing
