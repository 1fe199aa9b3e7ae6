// Integer texts and colour texts against a small reference of their rules, written from the
// rules rather than from the readers' code.
#include "Check.h"
#include "base/ColorValue.h"
#include "base/Error.h"
#include "base/TesselUtils.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace orvd;

// Leading spaces; then a sign and decimal digits within +-2147483647, or "$" and hexadecimal
// digits within 32 bits, read as a signed pattern; nothing after.
std::optional<std::int32_t> ReferenceInteger(const std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return std::nullopt;
    std::string rest = text.substr(start);
    const bool hex = rest[0] == '$';
    bool negative = false;
    if (hex) {
        rest.erase(0, 1);
    } else if (rest[0] == '+' || rest[0] == '-') {
        negative = rest[0] == '-';
        rest.erase(0, 1);
    }
    if (rest.empty())
        return std::nullopt;
    for (char c : rest)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
                  : std::isdigit(static_cast<unsigned char>(c))))
            return std::nullopt;
    rest.erase(0, std::min(rest.find_first_not_of('0'), rest.size() - 1)); // leading zeros
    if (rest.size() > (hex ? 8u : 10u))
        return std::nullopt;
    const unsigned long long value = std::stoull(rest, nullptr, hex ? 16 : 10);
    if (hex)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (value > 2147483647ull)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<long long>(value)
                                              : static_cast<long long>(value));
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::optional<ColorValue> ReferenceColor(const std::string& text) {
    for (const ColorName& entry : kColorNames)
        if (Lower(entry.name) == Lower(text))
            return entry.value;
    if (const auto number = ReferenceInteger(text))
        return static_cast<ColorValue>(static_cast<std::uint32_t>(*number));
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto expected = ReferenceInteger(text);
    FUZZ_CHECK(ParseIntegerText(text) == expected);
    FUZZ_CHECK(IsIntegerText(text) == expected.has_value());

    std::optional<ColorValue> color;
    std::string message;
    try {
        color = ColorFromText(text);
    } catch (const Error& e) {
        message = e.what();
    }
    FUZZ_CHECK(color == ReferenceColor(text));
    // The message is a C string: a NUL byte of the text ends it.
    const std::string refused = "'" + text + "' is not a valid integer value";
    FUZZ_CHECK(color || message == refused.c_str());

    // Any 32-bit value written as text reads back as itself, names included.
    if (size >= 4) {
        const ColorValue value = ColorValue(data[0]) | ColorValue(data[1]) << 8 |
                                 ColorValue(data[2]) << 16 | ColorValue(data[3]) << 24;
        const std::string written = ColorToText(value);
        FUZZ_CHECK(ColorFromText(written) == value);
        FUZZ_CHECK(written[0] != '$' || written.size() == 9);
    }
    return 0;
}
