#include "base/profile/ProfileStorage.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/profile/TempFileName.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <io.h>
#include <optional>
#include <sys/stat.h>
#include <windows.h>

namespace orvd {

namespace {

std::string InFolder(const std::string& dir, std::string_view name) {
    const char last = dir.back();
    return dir + (last == '\\' || last == '/' || last == ':' ? "" : "\\") + std::string(name);
}

bool ProcessHasEnded(long id) {
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, DWORD(id));
    if (process == nullptr)
        return ::GetLastError() == ERROR_INVALID_PARAMETER; // no such process
    const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

// A save killed between writing its temporary file and the replacement leaves that file behind;
// the next save of the same file removes it, as long as the process that wrote it has ended.
void RemoveLeftoverTempFiles(const std::string& dir, std::string_view file) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA(InFolder(dir, "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::optional<long> owner = TempFileOwner(entry.cFileName, file);
        const DWORD notAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
        if (owner && !(entry.dwFileAttributes & notAFile) &&
            (*owner == long(::GetCurrentProcessId()) || ProcessHasEnded(*owner)))
            ::DeleteFileA(InFolder(dir, entry.cFileName).c_str());
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
}

} // namespace

std::string ProfileStorage::Load(const std::string& path) const {
    const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0)
        return {};
    std::string bytes;
    bool tooLarge = false;
    struct _stati64 st {};
    if (_fstati64(fd, &st) == 0 && (st.st_mode & _S_IFREG)) {
        tooLarge = std::uintmax_t(st.st_size) > kMaxFileBytes;
        char chunk[65536];
        while (!tooLarge) {
            const int n = _read(fd, chunk, sizeof chunk);
            if (n > 0) {
                bytes.append(chunk, std::size_t(n));
                tooLarge = bytes.size() > kMaxFileBytes; // it grew since it was measured
            } else {
                if (n < 0)
                    bytes.clear();
                break;
            }
        }
    }
    _close(fd);
    if (tooLarge)
        throw Error(TooLargeMessage(path));
    return bytes;
}

bool ProfileStorage::CanStore(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
    } else if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    return CanStoreIn(DirectoryOf(path));
}

// Windows' rights on a folder are in its access list, which only an attempt answers for sure: a
// file of our own is created there and goes again when its handle is closed.
bool ProfileStorage::CanStoreIn(const std::string& folder) {
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::string probe =
        InFolder(folder, TempFileName("store-check", long(::GetCurrentProcessId()), 0));
    const HANDLE handle =
        ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(handle);
    return true;
}

// The read-only attribute makes a file read-only as missing write bits do on POSIX. A folder's
// read-only attribute is not asked: Windows sets it on folders only to mark them as customised,
// and a folder that cannot be written to refuses the temporary file instead.
void ProfileStorage::Store(const std::string& path, std::string_view bytes) {
    const auto fail = [&path]() { throw Error("Unable to write to " + path); };

    WIN32_FILE_ATTRIBUTE_DATA old{};
    const bool exists = ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &old);
    if (exists && (old.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        fail();
    if (!exists && ::GetLastError() != ERROR_FILE_NOT_FOUND)
        fail();
    const std::string dir = DirectoryOf(path);
    const DWORD dirAttributes = ::GetFileAttributesA(dir.c_str());
    if (dirAttributes == INVALID_FILE_ATTRIBUTES || !(dirAttributes & FILE_ATTRIBUTE_DIRECTORY))
        fail();

    const std::string file = FileNamePart(path);
    RemoveLeftoverTempFiles(dir, file);
    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = InFolder(dir, TempFileName(file, long(::GetCurrentProcessId()), counter++));
        fd = _open(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        fail();

    // The new file takes the old one's place as the POSIX store keeps the permission bits: its
    // attributes (hidden, system, archive) and its creation time go with it.
    bool ok = WriteAll(fd, bytes);
    if (ok && exists) {
        const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
        ok = ::SetFileTime(handle, &old.ftCreationTime, nullptr, nullptr);
    }
    ok = ok && Flush(fd);
    ok = (_close(fd) == 0) && ok;
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (ok && exists && (old.dwFileAttributes & kKept))
        ok = ::SetFileAttributesA(temp.c_str(), old.dwFileAttributes & kKept);
    ok = ok && Rename(temp, path);
    if (!ok) {
        ::DeleteFileA(temp.c_str());
        fail();
    }
}

bool ProfileStorage::WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const unsigned chunk = unsigned(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        const int n = _write(fd, bytes.data() + done, chunk);
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// NTFS does not promise to write a file's data before a rename that replaces another file, so
// after a power loss the replaced file could be left empty: the data go to the disk first.
bool ProfileStorage::Flush(int fd) {
    return _commit(fd) == 0;
}

// Not ReplaceFile: when the replaced file is held open by someone else it can fail after making a
// temporary file of its own, which then stays behind. Store copies what ReplaceFile would keep.
bool ProfileStorage::Rename(const std::string& from, const std::string& to) {
    if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = EACCES;
    return false;
}

} // namespace orvd
