#include "mapdata/LocationsFile.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/TesselUtils.h"
#include "base/TextCase.h"
#include "base/profile/ProfileFile.h"
#include "base/profile/ProfileStorage.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <unordered_map>

namespace orvd {

namespace {

constexpr std::size_t kYTextLength = 4;

ProfileFile OpenProfile(const std::string& path, ProfileStorage* storage) {
    return storage ? ProfileFile(path, *storage) : ProfileFile(path);
}

// A refused name as the message shows it, cut so that a huge one cannot flood the error box.
std::string Shown(std::string_view text) {
    constexpr std::size_t kShown = 60;
    std::string shown(text.substr(0, kShown));
    for (char& c : shown) {
        if (c == '\0' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text.size() > kShown ? shown + "..." : shown;
}

std::string Quoted(std::string_view text) {
    return "\"" + Shown(text) + "\"";
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The profile layer drops these around keys and values.
std::string_view TrimmedLikeProfile(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

std::string LocationsFileName(std::string_view code, std::string_view tag) {
    std::string name(code);
    name += '_';
    name += tag;
    name += kLocationsExtension;
    return name;
}

std::string NewLocationsFileName(std::string_view code, std::string_view languageName) {
    return LocationsFileName(code, languageName.substr(0, kLanguageTagLength));
}

std::string BackupPath(const std::string& path) {
    return ChangeExtension(path, std::string(kBackupExtension));
}

void CheckNotBackupPath(const std::string& path) {
    if (BackupPath(path) == path) {
        throw Error("Cannot save as " + path + ": \"" + std::string(kBackupExtension) +
                    "\" is the extension of backup files. Choose another name");
    }
}

CoordinateTexts SplitLocationValue(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos) {
        return {std::string_view(), value.substr(0, kYTextLength)};
    }
    return {value.substr(0, comma), value.substr(comma + 1, kYTextLength)};
}

std::int32_t ReadCoordinate(std::string_view text, std::int32_t limit) {
    const std::int32_t value = ParseIntegerText(text).value_or(0);
    return std::clamp(value, std::int32_t{0}, std::max(limit, std::int32_t{0}));
}

Location ParseLocationLine(std::string_view line, std::int32_t width, std::int32_t height) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {std::string(line), Point{}};
    }
    const CoordinateTexts texts = SplitLocationValue(line.substr(equals + 1));
    return {std::string(line.substr(0, equals)),
            Point{ReadCoordinate(texts.x, width), ReadCoordinate(texts.y, height)}};
}

LocationsFileContent ReadLocationsFile(const std::string& path, std::int32_t width,
                                       std::int32_t height, ProfileStorage* storage) {
    const ProfileFile file = OpenProfile(path, storage);
    LocationsFileContent content;
    content.LanguageName = file.ReadText(kPropertiesSection, kLanguageKey, "");
    std::vector<std::string> lines;
    file.ReadEntries(kDataSection, lines);
    content.Names.reserve(lines.size());
    content.Points.reserve(lines.size());
    for (const std::string& line : lines) {
        Location location = ParseLocationLine(line, width, height);
        content.Names.push_back(std::move(location.Name));
        content.Points.push_back(location.Position);
    }
    return content;
}

std::string ReadLanguageName(const std::string& path) {
    return ProfileFile(path).ReadText(kPropertiesSection, kLanguageKey, "");
}

void CheckLocationsForSaving(std::string_view languageName, const std::vector<std::string>& names,
                             const std::vector<Point>& points) {
    if (names.size() != points.size()) {
        throw Error("The location list is damaged: " + std::to_string(names.size()) +
                    " names but " + std::to_string(points.size()) + " points");
    }
    if (HasLineBreakOrNul(languageName)) {
        throw Error("The language name " + Quoted(languageName) +
                    " cannot be saved: it holds a line break or a zero byte");
    }
    if (ProfileFile::LosesQuotesWhenRead(languageName)) {
        // Shown as typed: its own quotes mark where it begins and ends.
        throw Error(
            "The language name " + Shown(TrimmedLikeProfile(languageName)) +
            " cannot be saved: the quotes around it would be dropped when the file is read");
    }
    if (languageName.size() > ProfileFile::kMaxTextLength) {
        throw Error("The language name cannot be saved: it is longer than " +
                    std::to_string(ProfileFile::kMaxTextLength) + " characters");
    }
    // Names that merge on reading take their room in the key buffer once.
    std::set<std::string> distinct;
    std::size_t keyBytes = 1;
    for (const std::string& name : names) {
        const std::string_view key = TrimmedLikeProfile(name);
        if (key.empty()) {
            throw Error("A location without a name cannot be saved");
        }
        if (name.find('=') != std::string::npos) {
            throw Error("The location name " + Quoted(name) + " cannot be saved: it holds \"=\"");
        }
        if (HasLineBreakOrNul(name)) {
            throw Error("The location name " + Quoted(name) +
                        " cannot be saved: it holds a line break or a zero byte");
        }
        // Such a line would read as a section header or a comment, taking later lines with it.
        if (key.front() == '[' || key.front() == ';') {
            throw Error("The location name " + Quoted(name) +
                        " cannot be saved: it starts with \"[\" or \";\"");
        }
        if (distinct.insert(FoldedText(key)).second) {
            keyBytes += key.size() + 1;
        }
    }
    if (keyBytes > ProfileFile::kKeyNameBufferSize) {
        throw Error("The locations cannot be saved: their names take " + std::to_string(keyBytes) +
                    " bytes, and only " + std::to_string(ProfileFile::kKeyNameBufferSize) +
                    " bytes of names are read back");
    }
}

void WriteLocationsFile(const std::string& path, std::string_view languageName,
                        const std::vector<std::string>& names, const std::vector<Point>& points,
                        ProfileStorage* storage) {
    CheckLocationsForSaving(languageName, names, points);
    ProfileFile file = OpenProfile(path, storage);
    file.WriteText(kPropertiesSection, kLanguageKey, languageName);
    file.RemoveSection(kDataSection);
    for (std::size_t i = 0; i < names.size(); ++i) {
        file.WriteText(kDataSection, names[i],
                       std::to_string(points[i].x) + "," + std::to_string(points[i].y));
    }
}

namespace {

// The file a save replaces, whole. A file above the profile files' cap is refused with the cap's
// message, any other failure with `unreadable`.
std::string ReadOldFile(const std::string& path, const std::string& unreadable) {
    std::optional<std::string> bytes = ReadWholeFile(path, ProfileStorage::kMaxFileBytes);
    if (!bytes) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(path, ec);
        throw Error(!ec && size > ProfileStorage::kMaxFileBytes
                        ? ProfileStorage::TooLargeMessage(path)
                        : unreadable);
    }
    return std::move(*bytes);
}

} // namespace

std::string ComposeLocationsFile(std::string bytes, std::string_view languageName,
                                 const std::vector<std::string>& names,
                                 const std::vector<Point>& points) {
    CheckLocationsForSaving(languageName, names, points);
    ProfileFile::WriteTextIn(bytes, kPropertiesSection, kLanguageKey, languageName);
    ProfileFile::RemoveSectionIn(bytes, kDataSection);
    if (names.empty()) {
        return bytes;
    }
    // A later write of a name already written only replaces that line's value.
    std::vector<std::string_view> keys;
    std::vector<std::string> values;
    std::unordered_map<std::string, std::size_t> lineOf;
    keys.reserve(names.size());
    values.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string value = std::to_string(points[i].x) + "," + std::to_string(points[i].y);
        const std::string_view key = TrimmedLikeProfile(names[i]);
        const auto [at, added] = lineOf.emplace(FoldedText(key), keys.size());
        if (added) {
            keys.push_back(key);
            values.push_back(std::move(value));
        } else {
            values[at->second] = std::move(value);
        }
    }
    // The first line creates the section at the end of the file as the profile writer places
    // it; every later line goes right after the section's last line, which is the file's end.
    ProfileFile::WriteTextIn(bytes, kDataSection, keys[0], values[0]);
    for (std::size_t i = 1; i < keys.size(); ++i) {
        bytes.append(keys[i]);
        bytes += '=';
        bytes += values[i];
        bytes += "\r\n";
    }
    return bytes;
}

void SaveLocationsFile(const std::string& path, std::string_view languageName,
                       const std::vector<std::string>& names, const std::vector<Point>& points,
                       ProfileStorage* storage) {
    // An unreadable file must not be taken for an empty one and lose its other sections.
    std::string old = FileExists(path) ? ReadOldFile(path, "Unable to write to " + path) : "";
    const std::string composed = ComposeLocationsFile(std::move(old), languageName, names, points);
    (storage ? *storage : ProfileStorage::Default()).Store(path, composed);
}

std::string BackupContent(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16 + 2);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            out.append(bytes.substr(start));
            out += "\r\n";
            break;
        }
        out.append(bytes.substr(start, end - start));
        out += "\r\n";
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return out;
}

std::string MakeBackup(const std::string& path, ProfileStorage* storage) {
    const std::string bytes = ReadOldFile(path, "Cannot open file " + path);
    const std::string backup = BackupPath(path);
    try {
        (storage ? *storage : ProfileStorage::Default()).Store(backup, BackupContent(bytes));
    } catch (const Error&) {
        throw Error("Cannot create file " + backup);
    }
    return backup;
}

} // namespace orvd
