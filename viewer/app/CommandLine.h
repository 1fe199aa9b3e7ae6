#pragma once

#include <optional>
#include <string>

namespace orvd {

// What the program answers on standard output, without opening a window, for a first argument
// that asks only for information: "--version" gives "Orvandel Map " + version, "--help" the
// usage. Nothing for any other argument ("testing" included), which starts the program.
std::optional<std::string> CommandLineAnswer(const std::string& firstArgument,
                                             const std::string& version);

} // namespace orvd
