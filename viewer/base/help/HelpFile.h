#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

// The help file "orvd.hlp": plain 8-bit text in topics. A topic starts with a line
//   [101] The location list
// (context number, then the title); "[contents] Title" starts the contents page. The lines up to
// the next topic line are its text; lines starting with ";" are comments. Example:
//   [contents] Orvandel Map Help
//   Choose a location from the list...
struct HelpTopic {
    std::string Title;
    std::string Text; // lines joined with "\n", blank lines at either end dropped
};

// A topic's text as a window shows it, wrapped to its width: lines that follow each other at the
// same indentation form one block, joined with single spaces; a blank line or another
// indentation starts the next block. `Spaced` marks a block that follows a blank line.
//   "Finding a place\n  Choose a name\n  and press Enter."
// gives {0, "Finding a place"} and {2, "Choose a name and press Enter."}.
struct HelpBlock {
    std::size_t Indent = 0; // leading blanks of the block's lines
    bool Spaced = false;
    std::string Text;
};
std::vector<HelpBlock> HelpBlocks(std::string_view text);

class HelpFile {
public:
    // Never fails: unknown lines before the first topic are ignored.
    static HelpFile Parse(std::string_view bytes);

    const HelpTopic* Contents() const { return hasContents_ ? &contents_ : nullptr; }
    // The topic of a context number, or null.
    const HelpTopic* Find(int context) const;
    const std::map<int, HelpTopic>& Topics() const { return topics_; }

private:
    bool hasContents_ = false;
    HelpTopic contents_;
    std::map<int, HelpTopic> topics_;
};

} // namespace orvd
