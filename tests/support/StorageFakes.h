#pragma once

#include "base/Error.h"
#include "base/profile/ProfileStorage.h"

#include <cerrno>
#include <climits>
#include <string>
#include <string_view>

namespace orvd::testing {

// One profile file held in memory whatever its path, so that a test or a fuzz run touches no
// disk. After `storesLeft` writes, each Store fails as a full disk does and the content stays.
class MemoryStorage : public ProfileStorage {
public:
    std::string content;
    int stores = 0; // the writes that succeeded
    int storesLeft = INT_MAX;

    std::string Load(const std::string&) const override { return content; }
    void Store(const std::string& path, std::string_view bytes) override {
        if (storesLeft-- <= 0)
            throw Error("Unable to write to " + path);
        content = bytes;
        ++stores;
    }
};

// The disk's own storage with one step failing: the temporary file's write (a disk that fills
// up half-way), its flush, its rename over the file, or with Step::Store every Store after the
// first `storesAllowed` ones.
class FailingStorage : public ProfileStorage {
public:
    enum class Step { Write, Flush, Rename, Store };
    explicit FailingStorage(Step step, int storesAllowed = 0)
        : failAt_(step), storesAllowed_(storesAllowed) {}

    void Store(const std::string& path, std::string_view bytes) override {
        if (failAt_ == Step::Store && storesAllowed_-- <= 0)
            throw Error("Unable to write to " + path);
        ProfileStorage::Store(path, bytes);
    }

protected:
    bool WriteAll(int fd, std::string_view bytes) override {
        if (failAt_ == Step::Write) {
            ProfileStorage::WriteAll(fd, bytes.substr(0, bytes.size() / 2));
            errno = ENOSPC;
            return false;
        }
        return ProfileStorage::WriteAll(fd, bytes);
    }
    bool Flush(int fd) override {
        if (failAt_ == Step::Flush) {
            errno = EIO;
            return false;
        }
        return ProfileStorage::Flush(fd);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        if (failAt_ == Step::Rename) {
            errno = EXDEV;
            return false;
        }
        return ProfileStorage::Rename(from, to);
    }

private:
    Step failAt_;
    int storesAllowed_;
};

// A disk that is full from the start: the temporary file gets no byte.
class FullDisk : public ProfileStorage {
protected:
    bool WriteAll(int, std::string_view) override {
        errno = ENOSPC;
        return false;
    }
};

} // namespace orvd::testing

// The fuzz targets' name for the memory store.
namespace orvd::fuzz {
using testing::MemoryStorage;
} // namespace orvd::fuzz
