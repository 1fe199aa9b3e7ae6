#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvd {

// How the profile store names the temporary file it writes before renaming it over a file, so
// that every platform's store can also recognise those a killed save left behind.

// The name of a temporary file of `file` (a bare name): file + ".~" + process id + "-" + counter.
std::string TempFileName(std::string_view file, long process, unsigned counter);

// The writer's process id when `entry` is named exactly as TempFileName names a temporary file
// of `file`.
std::optional<long> TempFileOwner(std::string_view entry, std::string_view file);

} // namespace orvd
