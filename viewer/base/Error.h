#pragma once

#include <stdexcept>
#include <string>

namespace orvd {

// An error raised with a message text. It travels up to the nearest handler boundary, where the
// window layer shows it in the standard error box (see ErrorMessage.h for the text shown).
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace orvd
