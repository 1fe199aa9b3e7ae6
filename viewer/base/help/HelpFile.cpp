#include "base/help/HelpFile.h"

#include <algorithm>
#include <charconv>

namespace orvd {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// One erase: taking the leading newlines off one at a time moves the whole text each time.
void TrimBlankLines(std::string& text) {
    const std::size_t last = text.find_last_not_of('\n');
    if (last == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of('\n'));
}

} // namespace

HelpFile HelpFile::Parse(std::string_view bytes) {
    HelpFile file;
    HelpTopic* current = nullptr;
    std::size_t pos = 0;
    while (pos <= bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos = end + 1;

        if (!line.empty() && line.front() == ';')
            continue;
        if (!line.empty() && line.front() == '[') {
            const auto close = line.find(']');
            if (close != std::string_view::npos) {
                const std::string_view id = line.substr(1, close - 1);
                const std::string title(Trim(line.substr(close + 1)));
                int context = 0;
                const auto [ptr, ec] = std::from_chars(id.data(), id.data() + id.size(), context);
                if (id == "contents") {
                    file.hasContents_ = true;
                    file.contents_ = HelpTopic{title, {}};
                    current = &file.contents_;
                    continue;
                }
                if (ec == std::errc() && ptr == id.data() + id.size()) {
                    current = &(file.topics_[context] = HelpTopic{title, {}});
                    continue;
                }
            }
        }
        if (current) {
            current->Text.append(line);
            current->Text.push_back('\n');
        }
    }
    TrimBlankLines(file.contents_.Text);
    for (auto& [context, topic] : file.topics_)
        TrimBlankLines(topic.Text);
    return file;
}

std::vector<HelpBlock> HelpBlocks(std::string_view text) {
    std::vector<HelpBlock> blocks;
    bool blankBefore = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string_view line = Trim(raw);
        if (line.empty()) {
            blankBefore = !blocks.empty();
            continue;
        }
        const std::size_t indent = raw.find_first_not_of(" \t");
        if (blocks.empty() || blankBefore || blocks.back().Indent != indent) {
            blocks.push_back(HelpBlock{indent, blankBefore, std::string(line)});
        } else {
            blocks.back().Text.push_back(' ');
            blocks.back().Text.append(line);
        }
        blankBefore = false;
    }
    return blocks;
}

const HelpTopic* HelpFile::Find(int context) const {
    const auto it = topics_.find(context);
    return it == topics_.end() ? nullptr : &it->second;
}

} // namespace orvd
