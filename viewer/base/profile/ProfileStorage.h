#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvd {

// The one place where profile files touch the disk. Each call opens, uses and closes the file;
// nothing stays open in between.
//
// Store replaces a file as a whole and never leaves a torn file behind: the bytes go into a
// temporary file beside it, which is flushed to the system (not synced to the disk) and then
// renamed over the old one, keeping the old
// file's permission bits (a new file gets 0666 less the umask). A file without any write bit,
// or one in a folder without any write bit, counts as read-only even for root, like the
// read-only attribute on Windows. The protected steps are virtual so that tests can make one
// of them fail.
//
// Load, Store and the steps talk to the operating system: ProfileStoragePosix.cpp, chosen in
// CMakeLists.txt; the temporary files are named by TempFileName.h on every system.
class ProfileStorage {
public:
    virtual ~ProfileStorage() = default;

    // Profile files are small: a settings file holds a few keys, and a locations file at most
    // 8192 bytes of names (a large one is some 100 KiB). The cap keeps a foreign or damaged file
    // from being read whole on every operation (each write rereads and rewrites the whole file),
    // while allowing 40 times the largest file the program writes.
    static constexpr std::size_t kMaxFileBytes = std::size_t(4) << 20;

    // The whole file. Empty when it is missing or cannot be read. Throws
    // orvd::Error("The file <path> is too large: more than 4 MiB") for a larger file, so that no
    // caller mistakes it for an empty one (a write would then replace it with one key).
    virtual std::string Load(const std::string& path) const;

    // Load for a write that replaces the file with a changed copy: a file that exists but
    // cannot be read throws orvd::Error("Unable to write to " + path) instead of coming back
    // empty, so that its other lines are not lost.
    std::string LoadForUpdate(const std::string& path) const;

    // Throws orvd::Error("Unable to write to " + path) when the file cannot be replaced; the
    // old file is then unchanged and no temporary file is left. Temporary files of this file
    // that a killed save left behind (path + ".~" + pid + "-" + n, of a process that has
    // ended) are removed first.
    virtual void Store(const std::string& path, std::string_view bytes);

    // Whether Store could replace the file at `path` (following a symbolic link): a regular file
    // with a write bit that this process may write, or no file, in a folder it may write.
    static bool CanStore(const std::string& path);
    // Whether Store could create a file in `folder`.
    static bool CanStoreIn(const std::string& folder);

    // The error for a file above kMaxFileBytes.
    static std::string TooLargeMessage(const std::string& path);

    // The storage every ProfileFile uses unless it is given another.
    static ProfileStorage& Default();

protected:
    // Each returns false on failure (errno set). `fd` is the temporary file's C runtime file
    // descriptor, which every system's C library has.
    virtual bool WriteAll(int fd, std::string_view bytes);
    virtual bool Flush(int fd);
    virtual bool Rename(const std::string& from, const std::string& to);
};

} // namespace orvd
