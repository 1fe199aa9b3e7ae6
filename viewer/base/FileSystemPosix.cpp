#include "base/FileSystem.h"

#include "base/RegularFile.h"

#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace orvd {

bool IsPathSeparator(char c) {
    return c == '/';
}

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> ListDirectory(const std::string& directory) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> folder(
        ::opendir(directory.empty() ? "." : directory.c_str()), &::closedir);
    if (!folder)
        return names;
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    return names;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        ::close(fd);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || std::size_t(st.st_size) > maxBytes)
        return std::nullopt;
    std::string bytes;
    bytes.resize(std::size_t(st.st_size));
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get()))
        return std::nullopt;
    bytes.resize(got); // the file may have shrunk since fstat
    return bytes;
}

} // namespace orvd
