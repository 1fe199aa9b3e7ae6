#include "base/FileSystem.h"

#include "base/TextCase.h"

namespace orvd {

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
