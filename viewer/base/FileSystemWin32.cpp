#include "base/FileSystem.h"

#include <memory>
#include <windows.h>

// The -A functions take and give names in the system's code page, as the program's other file
// names are.
namespace orvd {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

} // namespace

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() &&
           (path[0] == '\\' || path[0] == '/' || (path.size() >= 2 && path[1] == ':'));
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> ListDirectory(const std::string& directory) {
    std::vector<std::string> names;
    std::string pattern = directory.empty() ? "." : directory;
    if (pattern.back() != '\\' && pattern.back() != '/' && pattern.back() != ':')
        pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string_view name = entry.cFileName;
        if (name != "." && name != "..")
            names.emplace_back(name);
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    return names;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    // Others may go on writing, renaming or deleting the file while it is read, as on POSIX.
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return std::nullopt;
    }
    LARGE_INTEGER size;
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.get(), &size) ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n,
                        nullptr))
            return std::nullopt;
        if (n == 0)
            break; // the file shrank since its size was taken
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

} // namespace orvd
