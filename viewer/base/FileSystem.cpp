#include "base/FileSystem.h"

#include "base/RegularFile.h"
#include "base/TextCase.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace orvd {

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ResolveFileName(const std::string& directory, const std::string& name) {
    if (FileExists(directory + name))
        return directory + name;
    std::optional<std::string> found;
    std::error_code ec;
    std::filesystem::directory_iterator it(directory.empty() ? "." : directory, ec);
    for (const std::filesystem::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (SameTextIgnoringCase(entry, name) && (!found || entry < *found) &&
            FileExists(directory + entry))
            found = std::move(entry);
    }
    return directory + found.value_or(name);
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

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return "./";
    return path.substr(0, slash + 1);
}

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + extension;
    return path.substr(0, dot) + extension;
}

} // namespace orvd
