#pragma once

#include <string>

namespace orvd {

// Opens `path` for reading only when it names a regular file (through symbolic links), and
// returns the descriptor (close-on-exec), or -1 with errno set. A named pipe, a device or a
// folder is refused without being opened for reading: a pipe without a writer would block the
// program for good, and reading a device can wait or have effects of its own. errno is EINVAL
// for such a file.
int OpenRegularFile(const std::string& path);

} // namespace orvd
