#include "base/profile/TempFileName.h"

namespace orvd {

namespace {

constexpr std::string_view kTempMark = ".~";

} // namespace

std::string TempFileName(std::string_view file, long process, unsigned counter) {
    return std::string(file) + std::string(kTempMark) + std::to_string(process) + "-" +
           std::to_string(counter);
}

std::optional<long> TempFileOwner(std::string_view entry, std::string_view file) {
    if (entry.size() <= file.size() + kTempMark.size() || entry.substr(0, file.size()) != file ||
        entry.substr(file.size(), kTempMark.size()) != kTempMark) {
        return std::nullopt;
    }
    const std::string_view rest = entry.substr(file.size() + kTempMark.size());
    const std::size_t dash = rest.find('-');
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.size() <= 10 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !digits(rest.substr(0, dash)) ||
        !digits(rest.substr(dash + 1))) {
        return std::nullopt;
    }
    return std::stol(std::string(rest.substr(0, dash)));
}

} // namespace orvd
