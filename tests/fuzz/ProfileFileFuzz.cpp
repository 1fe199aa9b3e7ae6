// Every operation of the profile layer on arbitrary file bytes, each value read compared with a
// plain line-by-line reader; then a key written into the file must read back as written (less a
// pair of quotes around it) while every other line keeps its bytes, line end included, and a
// removed section must leave nothing of itself to be found.
#include "Check.h"
#include "StorageFakes.h"
#include "base/TesselUtils.h"
#include "base/TextCase.h"
#include "base/profile/ProfileFile.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
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

// The file's lines with their line ends (CR LF, LF or CR alone); a last line without one counts
// as a line.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += bytes[i];
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

bool HasLineEnd(const std::string& line) {
    return !line.empty() && (line.back() == '\n' || line.back() == '\r');
}

std::string WithoutLineEnd(std::string line) {
    while (HasLineEnd(line))
        line.pop_back();
    return line;
}

std::string Field(const std::string& text) {
    return Trim(text.substr(0, text.find('\0')));
}

// One pair of the same quote character around a value is not part of it.
std::string Unquote(std::string value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

// What the key reads as, found the plain way: the first line of that key in any section of that
// name, nothing when there is none.
std::optional<std::string> ReferenceRead(const std::vector<std::string>& lines,
                                         const std::string& section, const std::string& key) {
    bool inSection = false;
    bool first = true;
    for (std::string line : lines) {
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        first = false;
        line = Trim(WithoutLineEnd(line));
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            if (close != std::string::npos)
                inSection = SameTextIgnoringCase(Field(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string::npos)
            continue;
        const std::string name = Field(line.substr(0, eq));
        if (!name.empty() && SameTextIgnoringCase(name, key))
            return Unquote(Field(line.substr(eq + 1))).substr(0, ProfileFile::kMaxTextLength);
    }
    return std::nullopt;
}

// Only the key's line changed (its value, and its line end made CR LF), or the key was added
// after the section's last line (that line given an end if it had none), or the section with
// the key was added at the end after a blank line. Every other line keeps its bytes.
void ExpectOnlyTheKeyChanged(const std::string& before, const std::string& after,
                             const std::string& section, const std::string& key,
                             const std::string& value) {
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
    std::vector<std::string> added(b.begin() + prefix, b.end() - suffix);
    FUZZ_CHECK(removed.size() <= 1);
    if (removed.empty() && added.empty())
        return; // the same value again, on a line that ended in CR LF
    if (removed.size() == 1) {
        const std::string name = removed[0].substr(0, removed[0].find('='));
        if (added.size() == 1 && added[0].substr(0, added[0].find('=')) == name) {
            FUZZ_CHECK(added[0] == name + "=" + value + "\r\n");
            return;
        }
        FUZZ_CHECK(!HasLineEnd(removed[0]) && !added.empty() && added[0] == removed[0] + "\r\n");
        added.erase(added.begin());
    }
    FUZZ_CHECK(!added.empty() && added.size() <= 3);
    for (const std::string& line : added)
        FUZZ_CHECK(line == "\r\n" || line == "[" + section + "]\r\n" ||
                   line == key + "=" + value + "\r\n");
}

void ExpectSaneReads(const ProfileFile& file, const std::string& content,
                     const std::string& section) {
    std::vector<std::string> names{"stale"};
    file.ReadKeyNames(section, names);
    std::size_t bytes = 1;
    for (const std::string& name : names) {
        FUZZ_CHECK(!name.empty() && name.find('\0') == std::string::npos);
        bytes += name.size() + 1;
    }
    FUZZ_CHECK(bytes <= ProfileFile::kKeyNameBufferSize);

    const std::vector<std::string> fileLines = Lines(content);
    std::vector<std::string> lines;
    file.ReadEntries(section, lines);
    std::set<std::string> seen;
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        FUZZ_CHECK(eq != std::string::npos && eq + 1 < line.size());
        FUZZ_CHECK(seen.insert(FoldedText(line.substr(0, eq))).second);
        FUZZ_CHECK(ReferenceRead(fileLines, section, line.substr(0, eq)) == line.substr(eq + 1));
    }
    // Each whole name reads as its entry (the last name may come back cut).
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const std::string text = file.ReadText(section, names[i], "");
        FUZZ_CHECK(ReferenceRead(fileLines, section, names[i]) == text);
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

    ExpectSaneReads(file, storage.content, section);
    ExpectSaneReads(file, storage.content, other);
    std::vector<std::string> otherNames;
    file.ReadKeyNames(other, otherNames);

    const std::string before = storage.content;
    file.WriteText(section, key, value);
    const std::string read = Unquote(value).substr(0, ProfileFile::kMaxTextLength);
    FUZZ_CHECK(file.ReadText(section, key, "default") == read);
    FUZZ_CHECK(ProfileFile::LosesQuotesWhenRead(value) == (Unquote(value) != value));
    ExpectOnlyTheKeyChanged(before, storage.content, section, key, value);
    ExpectSaneReads(file, storage.content, section);

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
