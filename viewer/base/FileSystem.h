#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

// The few file-system questions the viewer asks outside the profile layer. The path
// syntax, FileExists, ListDirectory and ReadWholeFile ask the operating system
// (FileSystemPosix.cpp, chosen in CMakeLists.txt); the rest is worked out from them and from the
// path's text (FileSystem.cpp).

// True for a character that ends a directory part of a path: "/" on POSIX; "\", "/" and a drive
// letter's ":" on Windows.
bool IsPathSeparator(char c);

// True for a path that cannot be put under a folder: it starts at a root ("/opt/orvd";
// "C:\Orvd", "\Orvd") or names a drive ("C:Orvd").
bool IsAbsolutePath(std::string_view path);

// True when `path` names an existing regular file (a folder of that name does not count).
bool FileExists(const std::string& path);

// The bare names of the entries of `directory` ("" is the current one), in the order the system
// lists them, without "." and ".."; empty when it cannot be read.
std::vector<std::string> ListDirectory(const std::string& directory);

// `directory` (with trailing separator) + the entry that Windows would open for `name`: `name`
// itself when such a file exists, otherwise the file whose name equals it ignoring case (the
// first in byte order if several); `name` unchanged when there is none.
std::string ResolveFileName(const std::string& directory, const std::string& name);

// The whole content of the file, or nothing when it cannot be opened or read. Files larger than
// `maxBytes` are not read (nothing is returned), so a huge file cannot exhaust memory.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t maxBytes = std::size_t(1) << 30);

// The directory part of a file path, trailing separator included ("/opt/orvd/ORVDMAP" gives
// "/opt/orvd/"); "./" for a bare file name.
std::string DirectoryOf(const std::string& path);

// The file name part of a path, without its directory ("/opt/orvd/NR_Engli.dat" gives
// "NR_Engli.dat").
std::string FileNamePart(std::string_view path);

// The path with its extension (the last "." of the file name and what follows) replaced by
// `extension`; a name without extension gets `extension` appended.
std::string ChangeExtension(const std::string& path, const std::string& extension);

} // namespace orvd
