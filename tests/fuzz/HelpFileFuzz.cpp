// The help file parser on arbitrary bytes: it always ends (and in linear time, which libFuzzer's
// per-input time-out watches), and every topic comes out trimmed as its contract says.
#include "Check.h"
#include "base/help/HelpFile.h"

#include <cstdint>
#include <string_view>

namespace {

void ExpectTrimmed(const orvd::HelpTopic& topic) {
    FUZZ_CHECK(topic.Text.empty() || (topic.Text.front() != '\n' && topic.Text.back() != '\n'));
    const std::string_view blanks = " \t";
    FUZZ_CHECK(topic.Title.empty() ||
               (blanks.find(topic.Title.front()) == std::string_view::npos &&
                std::string_view(" \t\r").find(topic.Title.back()) == std::string_view::npos));
    FUZZ_CHECK(topic.Title.find('\n') == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const orvd::HelpFile file = orvd::HelpFile::Parse(bytes);
    std::size_t textBytes = 0;
    if (const orvd::HelpTopic* contents = file.Contents()) {
        ExpectTrimmed(*contents);
        textBytes += contents->Text.size();
    }
    for (const auto& [context, topic] : file.Topics()) {
        FUZZ_CHECK(file.Find(context) == &topic);
        ExpectTrimmed(topic);
        textBytes += topic.Text.size();
    }
    FUZZ_CHECK(textBytes <= size);
    return 0;
}
