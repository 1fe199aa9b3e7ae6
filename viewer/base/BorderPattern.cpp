#include "base/BorderPattern.h"

#include <array>

namespace orvd {

namespace {

constexpr std::array<BorderPattern, 7> kPatternOfCode = {
    BorderPattern::Solid,        BorderPattern::Horizontal, BorderPattern::Vertical,
    BorderPattern::Cross,        BorderPattern::UpDiagonal, BorderPattern::DownDiagonal,
    BorderPattern::DiagonalCross};

} // namespace

BorderPattern PatternFromCode(std::int32_t code) {
    if (code < 0 || code > 5) {
        return BorderPattern::DiagonalCross;
    }
    return kPatternOfCode[std::size_t(code)];
}

std::int32_t CodeFromPattern(BorderPattern pattern) {
    for (std::size_t code = 0; code < kPatternOfCode.size(); ++code) {
        if (kPatternOfCode[code] == pattern) {
            return std::int32_t(code);
        }
    }
    return 6; // only reachable with a value outside the enumeration
}

} // namespace orvd
