#pragma once

#include <string>

namespace orvd {

// The running program file's full path as the operating system knows it, links resolved
// ("/opt/orvd/ORVDMAP"); empty when the system does not tell or the file is gone, and the caller
// then falls back to what its toolkit or command line says. ProgramPathPosix.cpp implements it,
// chosen in CMakeLists.txt.
std::string ProgramPath();

} // namespace orvd
