#pragma once

#include <string>

namespace orvd {

// The text of the standard error box: the message with a full stop added when its last byte
// sorts after "." (letters and digits do). An empty message stays empty.
std::string ErrorBoxText(const std::string& message);

// Caption of every standard error box.
inline constexpr const char* kApplicationTitle = "Orvandel Map";

} // namespace orvd
