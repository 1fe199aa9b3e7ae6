#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

class ProfileStorage;

// Access to one INI-format profile file by path. The object holds only the path: creating it
// does not touch the file, a missing file is no error, and every operation reads (and, for
// writes, replaces) the file itself, with nothing cached or left open in between.
//
// Format: 8-bit text; "[name]" lines start sections, "key=value" lines are entries (the key ends
// at the first "="). Section names and keys match ignoring case (SameTextIgnoringCase); blanks
// around keys and values are dropped; of two equal keys the first counts. CR LF, LF and CR
// alone all end a line; a missing final line end, a UTF-8 byte order mark, blank lines, ";"
// comments and lines without "=" are all read; lines outside any section are ignored. When a
// section name occurs twice, its entries are read as one section in file order. A value in one
// pair of matching quotes, double or single, reads without them (k="a b" and k='a b' read
// a b, blanks inside the quotes kept); a lone or unmatched quote stays. A NUL byte ends a key
// name or value.
//
// Writes change only the line they must change and keep every other byte, line ends included;
// new and replaced lines end in CR LF. Values are written as given, without quotes. A write that
// cannot be carried out throws orvd::Error("Unable to write to " + path) and leaves the file
// unchanged (see ProfileStorage). Reads never fail for a file's content; a file above
// ProfileStorage::kMaxFileBytes is refused with an orvd::Error by every operation.
class ProfileFile {
public:
    static constexpr std::size_t kMaxTextLength = 1023;
    static constexpr std::size_t kKeyNameBufferSize = 8192;

    // Uses ProfileStorage::Default().
    explicit ProfileFile(std::string path);
    // `storage` must outlive this object.
    ProfileFile(std::string path, ProfileStorage& storage);

    const std::string& Path() const { return path_; }

    // The key's value, cut to its first kMaxTextLength bytes; `defaultText` (also cut) when the
    // file, the section or the key is missing.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view defaultText) const;
    // Replaces the value of the key's first line, or adds the key (and the section, and the
    // file) when it is missing. CR and LF in the key or value become spaces so that a value can
    // never start a line of its own.
    void WriteText(std::string_view section, std::string_view key, std::string_view value);

    // Integer text (see ParseIntegerText), with a leading "0x"/"0X" read as "$"; the default
    // for any other text.
    std::int32_t ReadNumber(std::string_view section, std::string_view key,
                            std::int32_t defaultValue) const;
    // Plain decimal text.
    void WriteNumber(std::string_view section, std::string_view key, std::int32_t value);

    // Any number other than 0 is true.
    bool ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const;
    // "1" or "0".
    void WriteFlag(std::string_view section, std::string_view key, bool value);

    // Empties `names`, then adds the section's key names in file order, as many as fit into
    // kKeyNameBufferSize bytes with one terminating byte each and one more at the end; the last
    // name that does not fit whole comes back cut, the ones after it not at all.
    void ReadKeyNames(std::string_view section, std::vector<std::string>& names) const;

    // Updates `lines` (name=value texts, not emptied first) with the section's entries: for
    // each key name in file order, the first line whose part before its first "=" equals the
    // name ignoring case is replaced by name=value (or name=value is appended), and deleted
    // when the value is empty. Reads the file once.
    void ReadEntries(std::string_view section, std::vector<std::string>& lines) const;

    // Removes every line of the section, its header included. Nothing is written when the
    // section is missing.
    void RemoveSection(std::string_view section);

    // True when `value`, written as it is, would read back without the pair of quotes it
    // begins and ends with (blanks around it aside). Callers that need a value to read back as
    // written refuse such a value.
    static bool LosesQuotesWhenRead(std::string_view value);

    // The two writes applied to a file's bytes in memory, leaving exactly what WriteText and
    // RemoveSection would leave in a file holding `bytes`; for callers that compose a whole
    // file and store it once. RemoveSectionIn returns false when the section is missing.
    static void WriteTextIn(std::string& bytes, std::string_view section, std::string_view key,
                            std::string_view value);
    static bool RemoveSectionIn(std::string& bytes, std::string_view section);

private:
    std::string path_;
    ProfileStorage* storage_;
};

} // namespace orvd
