#pragma once

#include <string>

namespace orvd {

// The folder where this system keeps a user's program settings, with a trailing separator
// ("/home/kim/.config/", "C:\Users\kim\AppData\Roaming\"); empty when the system names none.
// UserConfigFolderPosix.cpp and UserConfigFolderWin32.cpp implement it, chosen in CMakeLists.txt.
std::string UserConfigFolder();

} // namespace orvd
