#include "base/ColorValue.h"

#include "base/Error.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(ColorText, TableNamesRoundTrip) {
    ASSERT_EQ(kColorNames.size(), 42u);
    EXPECT_EQ(ColorToText(0x000000FFu), "clRed");
    EXPECT_EQ(ColorToText(kSystemColorBase + 0), "clScrollBar");
    EXPECT_EQ(ColorToText(kSystemColorBase + 24), "clInfoBk");
    EXPECT_EQ(ColorToText(kColorNone), "clNone");
    for (const ColorName& entry : kColorNames) {
        EXPECT_EQ(ColorFromText(entry.name), entry.value) << entry.name;
        EXPECT_EQ(ColorToText(entry.value), entry.name);
    }
}

TEST(ColorText, OtherValuesAsEightHexDigits) {
    EXPECT_EQ(ColorToText(0x0080FFFFu), "$0080FFFF");
    EXPECT_EQ(ColorToText(0x00000001u), "$00000001");
    EXPECT_EQ(ColorToText(0x80000019u), "$80000019"); // beyond the window system's colours
    EXPECT_EQ(ColorToText(0xFFFFFFFFu), "$FFFFFFFF");
}

TEST(ColorText, ReadsNamesIgnoringAsciiCaseAndIntegerText) {
    EXPECT_EQ(ColorFromText("clred"), 0x000000FFu);
    EXPECT_EQ(ColorFromText("CLINFOBK"), kSystemColorBase + 24);
    EXPECT_EQ(ColorFromText("$000000FF"), 0x000000FFu);
    EXPECT_EQ(ColorFromText("255"), 0x000000FFu);
    EXPECT_EQ(ColorFromText("$0080ffff"), 0x0080FFFFu);
    EXPECT_EQ(ColorFromText("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ColorFromText("-2147483647"), 0x80000001u);
}

TEST(ColorText, RefusesOtherTextsWithTheirText) {
    for (const char* text : {"0x0080FFFF", "", "clRed ", "red",
                             "cl\xD2"
                             "ed",
                             "12abc"}) {
        try {
            ColorFromText(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace orvd
