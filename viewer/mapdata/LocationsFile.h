#pragma once

#include "base/Rect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

class ProfileStorage;

// A locations file: one map's named places in one language, an INI file read and written only
// through ProfileFile. Names and the language name are Windows-1252 bytes, kept as they are.

inline constexpr std::string_view kPropertiesSection = "PROPERTIES";
inline constexpr std::string_view kLanguageKey = "language";
inline constexpr std::string_view kDataSection = "DATA";
inline constexpr std::string_view kLocationsExtension = ".dat";
inline constexpr std::string_view kBackupExtension = ".da~";
// Tags of files the program names itself, and the ones the settings keep, are this long at most.
inline constexpr std::size_t kLanguageTagLength = 5;

// code + "_" + tag + ".dat", for example NR_Engli.dat.
std::string LocationsFileName(std::string_view code, std::string_view tag);

// The name proposed for a new file: code + "_" + the first five bytes of the language display
// name (all of it when shorter) + ".dat". Not checked for characters a file name cannot hold.
std::string NewLocationsFileName(std::string_view code, std::string_view languageName);

// The backup's path: the extension of the file name (from its last "." on) replaced by ".da~",
// or ".da~" appended when the name has no ".".
std::string BackupPath(const std::string& path);

// Throws orvd::Error when `path` cannot be saved with a backup because BackupPath(path) is
// `path` itself (a name that ends in ".da~"): the backup would replace the very file it keeps.
void CheckNotBackupPath(const std::string& path);

// The coordinate texts of a location value: x before the first ",", y the at most four bytes
// after it; without "," x is empty and y the first four bytes of the value.
struct CoordinateTexts {
    std::string_view x;
    std::string_view y;
};
CoordinateTexts SplitLocationValue(std::string_view value);

// The value of an integer text, 0 for any other text, clamped into 0..limit (a negative limit
// counts as 0).
std::int32_t ReadCoordinate(std::string_view text, std::int32_t limit);

struct Location {
    std::string Name;
    Point Position;
};

// One "DATA" entry as ReadEntries delivers it (name "=" value; the name ends at the first "="),
// with the point clamped into 0..width and 0..height. A line without "=" is all name.
Location ParseLocationLine(std::string_view line, std::int32_t width, std::int32_t height);

// What the reader takes from a locations file, in file order.
struct LocationsFileContent {
    std::string LanguageName;
    std::vector<std::string> Names;
    std::vector<Point> Points; // parallel to Names
};

// Reads "language" of "PROPERTIES" and the entries of "DATA" (as ProfileFile::ReadEntries
// delivers them: at most 8192 bytes of names, empty values left out, each name once ignoring
// case), clamping points into 0..width and 0..height. Any content, and a missing or unreadable
// file, reads without error; the latter as an empty file. A file above the profile layer's size
// cap throws orvd::Error naming it (see ProfileStorage::Load).
// `storage` defaults to ProfileStorage::Default() and must outlive the call.
LocationsFileContent ReadLocationsFile(const std::string& path, std::int32_t width,
                                       std::int32_t height, ProfileStorage* storage = nullptr);

// Only the display name: "language" of "PROPERTIES", empty when missing. Throws for a file
// above the size cap, like ReadLocationsFile.
std::string ReadLanguageName(const std::string& path);

// Throws orvd::Error naming the first name (or the language name) that would not read back as
// itself (ProfileFile::KeyChange, ProfileFile::ValueChange say why, an empty or blank name
// among them); names that together do not fit the reader's 8192-byte key buffer (names equal
// ignoring case counted once). Throws as well when the lists differ in length. Touches no file.
void CheckLocationsForSaving(std::string_view languageName, const std::vector<std::string>& names,
                             const std::vector<Point>& points);

// The locations file that a file holding `bytes` becomes: "language" of "PROPERTIES" written,
// "DATA" removed, then one line name=x,y (plain decimal) per name ignoring case, at its first
// entry's place with its first spelling and its last entry's point; other sections and keys
// stay as they are, byte for byte. The same bytes as writing the keys one by one through
// ProfileFile would leave. Runs CheckLocationsForSaving first.
std::string ComposeLocationsFile(std::string bytes, std::string_view languageName,
                                 const std::vector<std::string>& names,
                                 const std::vector<Point>& points);

// The editor's save: the file at `path` (empty when missing) composed with
// ComposeLocationsFile and stored in one atomic replacement, so that a failure leaves the old
// file whole. Throws orvd::Error("Unable to write to " + path) when the file exists but cannot
// be read, or cannot be replaced; a refused list (CheckLocationsForSaving) touches nothing.
// `storage` defaults to ProfileStorage::Default() and must outlive the call.
void SaveLocationsFile(const std::string& path, std::string_view languageName,
                       const std::vector<std::string>& names, const std::vector<Point>& points,
                       ProfileStorage* storage = nullptr);

// The backup form of a file's bytes: the text split into lines (a line ends at CR LF, at a lone
// LF or at a lone CR), each followed by CR LF. A last line without an end gets one; an empty
// text stays empty. Every other byte, NUL included, is kept.
std::string BackupContent(std::string_view bytes);

// Copies the file at `path` in backup form to BackupPath(path), replacing an older backup, and
// returns the backup path. Throws orvd::Error("Cannot open file " + path) when the file cannot
// be read, ProfileStorage::TooLargeMessage(path) when it is above the profile layer's size cap
// (the save after the backup would be refused), and orvd::Error("Cannot create file " + backup
// path) when the backup cannot be written; in all cases the file and any older backup are left
// unchanged.
std::string MakeBackup(const std::string& path, ProfileStorage* storage = nullptr);

} // namespace orvd
