#pragma once

#include "base/profile/ProfileStorage.h"

#include <cerrno>
#include <string>
#include <string_view>

namespace orvd::testing {

// A profile store that fails one step of the replacement, as a full disk, a failing flush or a
// refused rename would.
class FailingStorage : public ProfileStorage {
public:
    enum class Step { Write, Flush, Rename } failAt;
    explicit FailingStorage(Step step) : failAt(step) {}

protected:
    bool WriteAll(int fd, std::string_view bytes) override {
        if (failAt == Step::Write) {
            // A disk that fills up half-way through.
            ProfileStorage::WriteAll(fd, bytes.substr(0, bytes.size() / 2));
            errno = ENOSPC;
            return false;
        }
        return ProfileStorage::WriteAll(fd, bytes);
    }
    bool Flush(int fd) override {
        if (failAt == Step::Flush) {
            errno = EIO;
            return false;
        }
        return ProfileStorage::Flush(fd);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        if (failAt == Step::Rename) {
            errno = EXDEV;
            return false;
        }
        return ProfileStorage::Rename(from, to);
    }
};

} // namespace orvd::testing
