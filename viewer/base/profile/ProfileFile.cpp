#include "base/profile/ProfileFile.h"

#include "base/TesselUtils.h"
#include "base/TextCase.h"
#include "base/profile/ProfileStorage.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace orvd {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// A name or value as a caller sees it: a NUL byte ends it, and only then are the blanks before
// it dropped ("ab \0x" is "ab").
std::string_view Field(std::string_view text) {
    return Trimmed(UpToNul(text));
}

// A text handed back to a caller: up to a NUL byte, at most `limit` bytes.
std::string CText(std::string_view text, std::size_t limit) {
    return std::string(UpToNul(text).substr(0, limit));
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

// One line of a file: its text is [begin, contentEnd), and the next line starts at `next`.
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t next;
    bool hasLineEnd;
};

// Windows' reader ends a line at CR LF, at LF and at CR alone, so files saved by old Mac editors
// and some scripts read there line by line; they must read the same here.
Line LineAt(std::string_view bytes, std::size_t pos) {
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') {
        ++end;
    }
    if (end == bytes.size()) {
        return {pos, end, end, false};
    }
    const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    return {pos, end, end + (crLf ? 2 : 1), true};
}

std::size_t FirstLineStart(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// The name of a section header line ("[name]", blanks already dropped), or nothing.
std::optional<std::string_view> HeaderName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Field(line.substr(1, close - 1));
}

// Windows' reader drops one pair of matching quotes, double or single, around a value
// (name2="val2" reads val2), so hand-written files that quote their values read the same here.
// The blanks outside the quotes go first; those inside stay. A lone quote, one that is not
// closed, and two different quote characters are part of the value.
bool EnclosedInQuotes(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string_view Unquoted(std::string_view value) {
    return EnclosedInQuotes(value) ? value.substr(1, value.size() - 2) : value;
}

struct Entry {
    std::string_view key;
    std::string_view value;
    std::size_t valueBegin; // just after the "="
    std::size_t next;       // start of the following line
};

struct Section {
    std::string_view name;
    std::size_t begin;    // start of the header line
    std::size_t end;      // start of the next header line, or the end of the file
    std::size_t lastNext; // start of the line after the last entry (or after the header)
    bool lastHasLineEnd;
    std::vector<Entry> entries;
};

// The sections of a file, read from its bytes. Never fails: anything that is neither a section
// header nor an entry is skipped.
std::vector<Section> Parse(std::string_view bytes) {
    std::vector<Section> sections;
    std::size_t pos = FirstLineStart(bytes);
    while (pos < bytes.size()) {
        const Line at = LineAt(bytes, pos);
        pos = at.next;
        const std::string_view line = Trimmed(bytes.substr(at.begin, at.contentEnd - at.begin));
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (const auto name = HeaderName(line)) {
                if (!sections.empty()) {
                    sections.back().end = at.begin;
                }
                sections.push_back({*name, at.begin, bytes.size(), pos, at.hasLineEnd, {}});
            }
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || sections.empty()) {
            continue;
        }
        const std::string_view key = Field(line.substr(0, eq));
        if (key.empty()) {
            continue;
        }
        const std::size_t valueBegin = std::size_t(line.data() - bytes.data()) + eq + 1;
        Section& section = sections.back();
        section.entries.push_back({key, Unquoted(Field(line.substr(eq + 1))), valueBegin, pos});
        section.lastNext = pos;
        section.lastHasLineEnd = at.hasLineEnd;
    }
    return sections;
}

const Entry* FindEntry(const std::vector<Section>& sections, std::string_view section,
                       std::string_view key) {
    for (const Section& s : sections) {
        if (!SameTextIgnoringCase(s.name, section)) {
            continue;
        }
        for (const Entry& e : s.entries) {
            if (SameTextIgnoringCase(e.key, key)) {
                return &e;
            }
        }
    }
    return nullptr;
}

std::vector<std::string> KeyNames(const std::vector<Section>& sections, std::string_view section) {
    std::vector<std::string> names;
    std::size_t room = ProfileFile::kKeyNameBufferSize - 1; // the list's own terminating byte
    for (const Section& s : sections) {
        if (!SameTextIgnoringCase(s.name, section)) {
            continue;
        }
        for (const Entry& e : s.entries) {
            std::string name(e.key);
            if (name.size() + 1 > room) {
                if (room > 1) {
                    name.resize(room - 1);
                    names.push_back(std::move(name));
                }
                return names;
            }
            room -= name.size() + 1;
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::string_view NamePart(std::string_view line) {
    return line.substr(0, line.find('='));
}

// True when the text's last line (before its final line end) is empty.
bool EndsWithBlankLine(std::string_view bytes) {
    std::size_t end = bytes.size();
    if (end > 0 && bytes[end - 1] == '\n') {
        --end;
    }
    if (end > 0 && bytes[end - 1] == '\r') {
        --end;
    }
    return end == 0 || bytes[end - 1] == '\n' || bytes[end - 1] == '\r';
}

} // namespace

ProfileFile::ProfileFile(std::string path)
    : ProfileFile(std::move(path), ProfileStorage::Default()) {}

ProfileFile::ProfileFile(std::string path, ProfileStorage& storage)
    : path_(std::move(path)), storage_(&storage) {}

std::string ProfileFile::ReadText(std::string_view section, std::string_view key,
                                  std::string_view defaultText) const {
    const std::string bytes = storage_->Load(path_);
    const auto sections = Parse(bytes);
    const Entry* entry = FindEntry(sections, Trimmed(section), Trimmed(key));
    return CText(entry != nullptr ? entry->value : defaultText, kMaxTextLength);
}

void ProfileFile::WriteText(std::string_view section, std::string_view key,
                            std::string_view value) {
    std::string bytes = storage_->Load(path_);
    WriteTextIn(bytes, section, key, value);
    storage_->Store(path_, bytes);
}

void ProfileFile::WriteTextIn(std::string& bytes, std::string_view section, std::string_view key,
                              std::string_view value) {
    const std::string sectionName = OneLine(Trimmed(section));
    const std::string keyName = OneLine(Trimmed(key));
    const std::string valueText = OneLine(value);

    const auto sections = Parse(bytes);
    if (const Entry* entry = FindEntry(sections, sectionName, keyName)) {
        bytes.replace(entry->valueBegin, entry->next - entry->valueBegin, valueText + "\r\n");
        return;
    }
    const std::string line = keyName + "=" + valueText + "\r\n";
    for (const Section& s : sections) {
        if (SameTextIgnoringCase(s.name, sectionName)) {
            bytes.insert(s.lastNext, s.lastHasLineEnd ? line : "\r\n" + line);
            return;
        }
    }
    const bool onlyMark = bytes == "\xEF\xBB\xBF";
    if (!bytes.empty() && !onlyMark) {
        if (bytes.back() != '\n' && bytes.back() != '\r') {
            bytes += "\r\n";
        }
        // One blank line before a new section. A removed section leaves the blank line that
        // came before it, so adding another would grow the file by a line at every save.
        if (!EndsWithBlankLine(bytes)) {
            bytes += "\r\n";
        }
    }
    bytes += "[" + sectionName + "]\r\n" + line;
}

std::int32_t ProfileFile::ReadNumber(std::string_view section, std::string_view key,
                                     std::int32_t defaultValue) const {
    std::string text = ReadText(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.replace(0, 2, "$");
    }
    return ParseIntegerText(text).value_or(defaultValue);
}

void ProfileFile::WriteNumber(std::string_view section, std::string_view key, std::int32_t value) {
    WriteText(section, key, std::to_string(value));
}

bool ProfileFile::ReadFlag(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    return ReadNumber(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteFlag(std::string_view section, std::string_view key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

void ProfileFile::ReadKeyNames(std::string_view section, std::vector<std::string>& names) const {
    const std::string bytes = storage_->Load(path_);
    names = KeyNames(Parse(bytes), Trimmed(section));
}

void ProfileFile::ReadEntries(std::string_view section, std::vector<std::string>& lines) const {
    const std::string bytes = storage_->Load(path_);
    const auto sections = Parse(bytes);
    const std::string_view sectionName = Trimmed(section);

    // First value of each key, as ReadText gives it.
    std::unordered_map<std::string, std::string_view> values;
    for (const Section& s : sections) {
        if (SameTextIgnoringCase(s.name, sectionName)) {
            for (const Entry& e : s.entries) {
                values.emplace(FoldedText(e.key), e.value);
            }
        }
    }

    // Lines are only marked deleted during the update, so the positions stay valid; a name's
    // positions are in list order and the first live one is always at `head`.
    struct Positions {
        std::vector<std::size_t> at;
        std::size_t head = 0;
    };
    std::unordered_map<std::string, Positions> positions;
    std::vector<bool> live(lines.size(), true);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        positions[FoldedText(NamePart(lines[i]))].at.push_back(i);
    }

    for (const std::string& name : KeyNames(sections, sectionName)) {
        const std::string folded = FoldedText(name);
        const auto found = values.find(folded);
        const std::string value =
            found != values.end() ? CText(found->second, kMaxTextLength) : std::string();
        Positions& p = positions[folded];
        const bool hasLine = p.head < p.at.size();
        if (!value.empty()) {
            if (hasLine) {
                lines[p.at[p.head]] = name + "=" + value;
            } else {
                p.at.push_back(lines.size());
                lines.push_back(name + "=" + value);
                live.push_back(true);
            }
        } else if (hasLine) {
            live[p.at[p.head]] = false;
            ++p.head;
        }
    }

    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (live[i]) {
            if (kept != i) {
                lines[kept] = std::move(lines[i]);
            }
            ++kept;
        }
    }
    lines.resize(kept);
}

void ProfileFile::RemoveSection(std::string_view section) {
    std::string bytes = storage_->Load(path_);
    if (RemoveSectionIn(bytes, section)) {
        storage_->Store(path_, bytes);
    }
}

bool ProfileFile::LosesQuotesWhenRead(std::string_view value) {
    return EnclosedInQuotes(Field(value));
}

bool ProfileFile::RemoveSectionIn(std::string& bytes, std::string_view section) {
    const std::string_view sectionName = Trimmed(section);
    const std::string_view text = bytes;
    // One pass over the section lines, copying the kept ranges: erasing sections one by one
    // would move the rest of the file once per section, and a full parse would allocate the
    // entries of every section only to drop them.
    std::string kept;
    std::size_t from = 0; // the first byte not yet copied
    bool removing = false;
    bool changed = false;
    std::size_t pos = FirstLineStart(text);
    while (pos < text.size()) {
        const Line at = LineAt(text, pos);
        pos = at.next;
        const auto name = HeaderName(Trimmed(text.substr(at.begin, at.contentEnd - at.begin)));
        if (!name) {
            continue;
        }
        const bool match = SameTextIgnoringCase(*name, sectionName);
        if (match && !removing) {
            if (!changed) {
                kept.reserve(text.size());
            }
            kept.append(text, from, at.begin - from);
            removing = changed = true;
        } else if (!match && removing) {
            from = at.begin;
            removing = false;
        }
    }
    if (!changed) {
        return false;
    }
    if (!removing) {
        kept.append(text, from, std::string_view::npos);
    }
    bytes = std::move(kept);
    return true;
}

} // namespace orvd
