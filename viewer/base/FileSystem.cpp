#include "base/FileSystem.h"

#include "base/TextCase.h"

namespace orvd {

namespace {

// Where the last directory part of `path` ends; npos when it has none.
std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i-- > 0;) {
        if (IsPathSeparator(path[i]))
            return i;
    }
    return std::string_view::npos;
}

} // namespace

std::string ResolveFileName(const std::string& directory, const std::string& name) {
    if (FileExists(directory + name))
        return directory + name;
    std::optional<std::string> found;
    for (std::string& entry : ListDirectory(directory)) {
        if (SameTextIgnoringCase(entry, name) && (!found || entry < *found) &&
            FileExists(directory + entry))
            found = std::move(entry);
    }
    return directory + found.value_or(name);
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = LastSeparator(path);
    if (slash == std::string::npos)
        return "./";
    return path.substr(0, slash + 1);
}

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = LastSeparator(path);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
    const auto slash = LastSeparator(path);
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + extension;
    return path.substr(0, dot) + extension;
}

} // namespace orvd
