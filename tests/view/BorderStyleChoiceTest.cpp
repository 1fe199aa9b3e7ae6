#include "view/BorderStyleChoice.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(BorderStyleChoice, OpensOnTheMainValuesAndOnlyCopyBackChangesThem) {
    ColorValue colour = 0x0080FFFFu;
    BorderPattern style = PatternFromCode(3); // the default settings
    {
        BorderStyleChoice cancelled(colour, style, kWhitePixel);
        EXPECT_EQ(kBorderStyleCaptions[std::size_t(cancelled.SelectedItem())], "Cross");
        cancelled.SelectItem(0);
        cancelled.SetChosenColor(0x000000FFu);
    }
    BorderStyleChoice reopened(colour, style, kWhitePixel);
    EXPECT_EQ(reopened.ChosenColor(), 0x0080FFFFu);
    EXPECT_EQ(reopened.SelectedItem(), 3);
    reopened.SelectItem(4);
    EXPECT_EQ(reopened.ChosenPattern(), BorderPattern::UpDiagonal);
    reopened.SetChosenColor(0x000000FFu);
    reopened.CopyBack(colour, style);
    EXPECT_EQ(colour, 0x000000FFu);
    EXPECT_EQ(BorderStyleChoice(colour, style, kWhitePixel).SelectedItem(), 4);
    EXPECT_EQ(kBorderStyleCaptions[4], "Diagonal 1");
    EXPECT_EQ(kBorderStyleCaptions[6], "Diagonal Cross");
}

} // namespace
} // namespace orvd
