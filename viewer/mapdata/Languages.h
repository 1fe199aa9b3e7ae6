#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

// One entry of the File > Select language submenu.
struct LanguageItem {
    std::string DisplayName; // caption: the file's "language" value, bytes as stored
    std::string FileName;    // bare file name, the same text as LanguageFiles[Tag]
    std::size_t Tag = 0;     // index into LanguageFiles
};

// What the window needs to rebuild the submenu.
struct LanguageMenu {
    std::vector<std::string> LanguageFiles; // bare file names in directory-search order
    std::vector<LanguageItem> Items;        // menu order: by display name, locale collation
};

// The locations files of map `code` in `programDir` (which ends in a separator): every directory
// entry whose name matches code + "_*.dat" ignoring case, in search order, each with the
// "language" value of its "PROPERTIES" section as display name (empty when missing or
// unreadable, and for a file above the profile layer's size cap, which is not read). Items come
// sorted by CompareLocaleText; equal names keep search order. The code "TEST" (exact case) gives an
// empty menu, as do a missing or unreadable directory. Never throws for file-system trouble.
// With a `userDir` (the user's own folder, used where the program's folder cannot be written),
// its locations files are listed too, after those of `programDir`, each name once; a file in
// `userDir` stands for the program folder's file of the same name (ResolveLocationsFile).
LanguageMenu LoadFileNames(const std::string& programDir, const std::string& code,
                           const std::string& userDir = {});

// The file a locations file name stands for: the user's edited copy in `userDir` when there is
// one, else the program folder's; each found ignoring case as Windows finds files
// (ResolveFileName).
std::string ResolveLocationsFile(const std::string& programDir, const std::string& userDir,
                                 const std::string& name);

// The full path a language item with tag `tag` loads: ResolveLocationsFile of LanguageFiles[tag];
// nothing when the tag is out of range (a stale item).
std::optional<std::string> LanguageFilePath(const std::string& programDir,
                                            const std::vector<std::string>& languageFiles,
                                            std::size_t tag, const std::string& userDir = {});

// True when `fileName` matches the directory-search pattern code + "_*.dat" ignoring (ASCII)
// case: it starts with code + "_" and ends with ".dat", anything in between, also nothing. Only
// the full name counts, so "x.data", "x.dat~" and the ".da~" backups never match.
bool MatchesLocationsPattern(std::string_view fileName, std::string_view code);

// Orders Windows-1252 texts as a user's Western European locale does when case is ignored:
// blanks and symbols before digits before letters; an accented letter sorts with its base
// letter, and accents only decide between texts that are otherwise equal (plain letter first);
// ligatures are spelled out (Æ as AE, ß as ss); hyphen, apostrophe and control bytes count only
// when all else is equal. Returns a negative number, zero or a positive number; zero exactly
// for texts that differ at most in letter case. A strict weak ordering over all byte strings.
int CompareLocaleText(std::string_view a, std::string_view b);

} // namespace orvd
