#include "base/help/HelpFile.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(HelpFile, TopicsContentsAndCommentsWithBlankLinesDropped) {
    const HelpFile file =
        HelpFile::Parse("before any topic\r\n"
                        "[contents]  Orvandel Map Help \r\n"
                        "\n\nChoose a location.\r\n; a comment\n\nThen press Enter.\n\n"
                        "[101] The location list\n"
                        "[x] not a topic line\n"
                        "[102]\n\n\n"
                        "[101] Again\nLast text\n\n");
    ASSERT_NE(file.Contents(), nullptr);
    EXPECT_EQ(file.Contents()->Title, "Orvandel Map Help");
    EXPECT_EQ(file.Contents()->Text, "Choose a location.\n\nThen press Enter.");
    ASSERT_NE(file.Find(101), nullptr);
    EXPECT_EQ(file.Find(101)->Title, "Again"); // a later topic line of the same number wins
    EXPECT_EQ(file.Find(101)->Text, "Last text");
    ASSERT_NE(file.Find(102), nullptr);
    EXPECT_EQ(file.Find(102)->Text, "");
    EXPECT_EQ(file.Find(103), nullptr);
    EXPECT_EQ(HelpFile::Parse("").Contents(), nullptr);
}

// Blank lines around a topic are dropped in one step each, so a megabyte of them is cheap (the
// speed itself is measured in tests/bench); here only the result counts.
TEST(HelpFile, BlankLinesAroundATopicAreDropped) {
    const HelpFile file = HelpFile::Parse("[7] Seven\n" + std::string(1 << 16, '\n') + "x\n\n");
    ASSERT_NE(file.Find(7), nullptr);
    EXPECT_EQ(file.Find(7)->Text, "x");
    EXPECT_EQ(HelpFile::Parse("[8]\n" + std::string(100, '\n')).Find(8)->Text, "");
}

TEST(HelpFile, TextFallsIntoBlocksByBlankLinesAndIndentation) {
    const std::vector<HelpBlock> blocks = HelpBlocks("Orvandel Map shows\r\na map.\n\n\n"
                                                     "Finding a place\n  Choose a name\n"
                                                     "  and press Enter.\n  \nLast  \n");
    struct Row {
        std::size_t indent;
        bool spaced;
        const char* text;
    } rows[] = {{0, false, "Orvandel Map shows a map."},
                {0, true, "Finding a place"},
                {2, false, "Choose a name and press Enter."},
                {0, true, "Last"}};
    ASSERT_EQ(blocks.size(), std::size(rows));
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].Indent, rows[i].indent) << i;
        EXPECT_EQ(blocks[i].Spaced, rows[i].spaced) << i;
        EXPECT_EQ(blocks[i].Text, rows[i].text) << i;
    }
    EXPECT_TRUE(HelpBlocks("\n \n").empty());
}

} // namespace
} // namespace orvd
