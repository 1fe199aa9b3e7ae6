// Every operation of the profile layer on arbitrary file bytes; then a key written into the file
// must read back as written while every other line keeps its bytes, and a removed section must
// leave nothing of itself to be found.
#include "Check.h"
#include "MemoryStorage.h"
#include "base/ProfileFile.h"
#include "base/TesselUtils.h"
#include "base/TextCase.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace orvd;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trim(std::string text) {
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

// What a caller may write and expect back: one line, no NUL, a name without "=" or "]" that
// does not start a comment or a section.
std::string Writable(std::string text, bool name) {
    std::string out;
    for (char c : text) {
        if (c == '\0' || c == '\r' || c == '\n' || (name && (c == '=' || c == ']')))
            continue;
        out += c;
    }
    out = Trim(out);
    if (name && (out.empty() || out[0] == ';' || out[0] == '['))
        out.insert(0, "k");
    return out;
}

// The file's lines without their line ends; a last line without one counts as a line.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

void ExpectOnlyTheKeyChanged(const std::string& before, const std::string& after,
                             const std::string& section, const std::string& key) {
    if (before == "\xEF\xBB\xBF")
        return; // the new section goes on the byte order mark's line
    const auto a = Lines(before), b = Lines(after);
    std::size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    const std::vector<std::string> removed(a.begin() + prefix, a.end() - suffix);
    const std::vector<std::string> added(b.begin() + prefix, b.end() - suffix);
    FUZZ_CHECK(removed.size() <= 1);
    if (removed.empty() && added.empty())
        return; // the same value again: at most the key line's end became CR LF
    if (removed.size() == 1) {
        // The key's line, its value replaced.
        FUZZ_CHECK(added.size() == 1);
        const std::string name = removed[0].substr(0, removed[0].find('='));
        FUZZ_CHECK(added[0].substr(0, added[0].find('=')) == name);
        return;
    }
    FUZZ_CHECK(!added.empty() && added.size() <= 3);
    for (const std::string& line : added)
        FUZZ_CHECK(line.empty() || line == "[" + section + "]" ||
                   line.substr(0, key.size() + 1) == key + "=");
}

void ExpectSaneReads(const ProfileFile& file, const std::string& section) {
    std::vector<std::string> names{"stale"};
    file.ReadKeyNames(section, names);
    std::size_t bytes = 1;
    for (const std::string& name : names) {
        FUZZ_CHECK(!name.empty() && name.find('\0') == std::string::npos);
        bytes += name.size() + 1;
    }
    FUZZ_CHECK(bytes <= ProfileFile::kKeyNameBufferSize);

    std::vector<std::string> lines;
    file.ReadEntries(section, lines);
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        FUZZ_CHECK(eq != std::string::npos && eq + 1 < line.size());
        FUZZ_CHECK(seen.insert(FoldedText(line.substr(0, eq))).second);
    }
    // Each whole name reads as its entry (the last name may come back cut).
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const std::string text = file.ReadText(section, names[i], "");
        FUZZ_CHECK(text.size() <= ProfileFile::kMaxTextLength);
        FUZZ_CHECK(text.find('\0') == std::string::npos);
        FUZZ_CHECK(Trim(text) == text);
        std::string ref = text;
        if (ref.size() > 2 && ref[0] == '0' && (ref[1] == 'x' || ref[1] == 'X'))
            ref.replace(0, 2, "$");
        FUZZ_CHECK(file.ReadNumber(section, names[i], 77) == ParseIntegerText(ref).value_or(77));
        FUZZ_CHECK(file.ReadFlag(section, names[i], true) ==
                   (ParseIntegerText(ref).value_or(1) != 0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = Writable(in.ConsumeRandomLengthString(12), true);
    const std::string other = Writable(in.ConsumeRandomLengthString(12), true);
    const std::string key = Writable(in.ConsumeRandomLengthString(12), true);
    const std::string value = Writable(in.ConsumeRandomLengthString(40), false);
    fuzz::MemoryStorage storage;
    storage.content = in.ConsumeRemainingBytesAsString();
    ProfileFile file("fuzz.ini", storage);

    ExpectSaneReads(file, section);
    ExpectSaneReads(file, other);
    std::vector<std::string> otherNames;
    file.ReadKeyNames(other, otherNames);

    const std::string before = storage.content;
    file.WriteText(section, key, value);
    FUZZ_CHECK(file.ReadText(section, key, "default") == value.substr(0, 1023));
    ExpectOnlyTheKeyChanged(before, storage.content, section, key);
    ExpectSaneReads(file, section);

    file.RemoveSection(section);
    FUZZ_CHECK(file.ReadText(section, key, "gone") == "gone");
    std::vector<std::string> names{"stale"};
    file.ReadKeyNames(section, names);
    FUZZ_CHECK(names.empty());
    if (!SameTextIgnoringCase(section, other)) {
        std::vector<std::string> after;
        file.ReadKeyNames(other, after);
        FUZZ_CHECK(after == otherNames);
    }
    return 0;
}
