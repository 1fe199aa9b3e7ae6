#include "base/TesselUtils.h"

namespace orvd {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }

    if (text[i] == '$') {
        ++i;
        if (i == text.size()) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (; i < text.size(); ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + std::uint64_t(digit);
            if (value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
        }
        return std::int32_t(std::uint32_t(value));
    }

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        // -2147483648 is refused as decimal text, so both signs share one limit.
        if (value > 2147483647) {
            return std::nullopt;
        }
    }
    return std::int32_t(negative ? -value : value);
}

bool IsIntegerText(std::string_view text) {
    return ParseIntegerText(text).has_value();
}

} // namespace orvd
