#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvd {

// The integer-text rule and nothing else; the unit keeps the name the program's design gives it.

// Integer text, the one rule for numbers in data files and in the editor's fields: any number
// of leading spaces (the space character only), then either an optional "+" or "-" and decimal
// digits whose value lies in -2147483647..2147483647, or "$" and hexadecimal digits (either
// case) whose value fits in 32 bits, taken as a signed pattern ($FFFFFFFF is -1); nothing after
// the last digit. Gives nothing for any other text.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// True exactly when ParseIntegerText converts the text.
bool IsIntegerText(std::string_view text);

} // namespace orvd
