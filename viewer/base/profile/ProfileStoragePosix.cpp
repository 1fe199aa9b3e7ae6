#include "base/profile/ProfileStorage.h"

#include "base/Error.h"
#include "base/profile/TempFileName.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace orvd {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A symbolic link is kept: the file it points to is the one replaced.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    char* real = realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path;
    }
    std::string target(real);
    std::free(real);
    return target;
}

// A save killed between writing its temporary file and the rename leaves that file behind; the
// next save of the same file removes it. Only regular files named as the writer names them go,
// and only those of a process that no longer runs (another one may be saving right now).
void RemoveLeftoverTempFiles(const std::string& dir, std::string_view file) {
    DIR* folder = opendir(dir.c_str());
    if (folder == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(folder)) {
        const std::optional<long> owner = TempFileOwner(entry->d_name, file);
        if (!owner || (*owner != getpid() && (kill(pid_t(*owner), 0) == 0 || errno != ESRCH))) {
            continue;
        }
        const std::string path = dir + "/" + entry->d_name;
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            unlink(path.c_str());
        }
    }
    closedir(folder);
}

} // namespace

std::string ProfileStorage::Load(const std::string& path) const {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string bytes;
    bool tooLarge = false;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        tooLarge = std::uintmax_t(st.st_size) > kMaxFileBytes;
        if (!tooLarge && st.st_size > 0) {
            bytes.reserve(std::size_t(st.st_size));
        }
        char chunk[65536];
        while (!tooLarge) {
            const ssize_t n = read(fd, chunk, sizeof chunk);
            if (n > 0) {
                bytes.append(chunk, std::size_t(n));
                tooLarge = bytes.size() > kMaxFileBytes; // it grew since fstat
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                bytes.clear();
                break;
            }
        }
    }
    close(fd);
    if (tooLarge) {
        throw Error(TooLargeMessage(path));
    }
    return bytes;
}

void ProfileStorage::Store(const std::string& path, std::string_view bytes) {
    const auto fail = [&path]() { throw Error("Unable to write to " + path); };

    const std::string target = ResolvedTarget(path);
    struct stat old {};
    bool exists = false;
    if (stat(target.c_str(), &old) == 0) {
        exists = true;
        if (!S_ISREG(old.st_mode) || (old.st_mode & kAnyWriteBit) == 0 ||
            access(target.c_str(), W_OK) != 0) {
            fail();
        }
    } else if (errno != ENOENT) {
        fail();
    }
    const std::string dir = DirectoryOf(target);
    struct stat dirStat {};
    if (stat(dir.c_str(), &dirStat) != 0 || !S_ISDIR(dirStat.st_mode) ||
        (dirStat.st_mode & kAnyWriteBit) == 0 || access(dir.c_str(), W_OK | X_OK) != 0) {
        fail();
    }

    const std::string file = target.substr(target.find_last_of('/') + 1);
    RemoveLeftoverTempFiles(dir, file);
    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = dir + "/" + TempFileName(file, getpid(), counter++);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        fail();
    }

    bool ok = WriteAll(fd, bytes);
    if (ok && exists) {
        ok = fchmod(fd, old.st_mode & 07777) == 0;
        // Only root may hand the file back to its owner; anyone else keeps the file as theirs.
        if (ok && (old.st_uid != geteuid() || old.st_gid != getegid())) {
            [[maybe_unused]] const int ignored = fchown(fd, old.st_uid, old.st_gid);
        }
    }
    ok = ok && Flush(fd);
    ok = (close(fd) == 0) && ok;
    ok = ok && Rename(temp, target);
    if (!ok) {
        unlink(temp.c_str());
        fail();
    }
}

bool ProfileStorage::WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += std::size_t(n);
        } else if (n == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

// WriteAll hands every byte to the system, so from here on every reader sees the new file once it
// is renamed, and a crash of the program cannot tear it. There is no fdatasync: at several
// milliseconds each it would make the editor's save of 600 keys take seconds. Power loss is left
// to the file system's own ordering of a rename that replaces a file (ext4 allocates and writes
// the new data before the rename commits), which is why the replacement is a plain rename.
bool ProfileStorage::Flush(int) {
    return true;
}

bool ProfileStorage::Rename(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}

} // namespace orvd
