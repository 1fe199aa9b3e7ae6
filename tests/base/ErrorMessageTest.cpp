#include "base/ErrorMessage.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(ErrorBoxText, AddsFullStopOnlyAfterCharactersSortingAfterDot) {
    EXPECT_EQ(ErrorBoxText("Unable to write to C:\\x.ini"), "Unable to write to C:\\x.ini.");
    EXPECT_EQ(ErrorBoxText("'abc' is not a valid integer value"),
              "'abc' is not a valid integer value.");
    EXPECT_EQ(ErrorBoxText("count 7"), "count 7.");
    EXPECT_EQ(ErrorBoxText("path/"), "path/."); // '/' sorts right after '.'
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Really!"), "Really!");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");
    EXPECT_EQ(ErrorBoxText(""), "");
    EXPECT_EQ(ErrorBoxText("caf\xE9"), "caf\xE9."); // bytes above 0x7F sort after "."
}

} // namespace
} // namespace orvd
