#pragma once

#include <string>

namespace orvd::testing {

// Writes bytes to a file; throws std::runtime_error when it cannot.
void WriteFile(const std::string& path, const std::string& bytes);

// The whole file, or "<missing>" when it cannot be read.
std::string Slurp(const std::string& path);

} // namespace orvd::testing
