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

// A text as the message names it: in quotes, unless its own quotes already show where it begins
// and ends.
std::string Named(std::string_view text) {
    const bool ownQuotes = !text.empty() && (text.front() == '"' || text.front() == '\'');
    return ownQuotes ? Shown(text) : Quoted(text);
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
    if (const auto change = ProfileFile::ValueChange(languageName)) {
        throw Error("The language name " + Named(languageName) + " cannot be saved: " + *change);
    }
    // Names that merge on reading take their room in the key buffer once.
    std::set<std::string> distinct;
    std::size_t keyBytes = 1;
    for (const std::string& name : names) {
        if (const auto change = ProfileFile::KeyChange(name)) {
            throw Error("The location name " + Named(name) + " cannot be saved: " + *change);
        }
        if (distinct.insert(FoldedText(name)).second) {
            keyBytes += name.size() + 1;
        }
    }
    if (keyBytes > ProfileFile::kKeyNameBufferSize) {
        throw Error("The locations cannot be saved: their names take " + std::to_string(keyBytes) +
                    " bytes, and only " + std::to_string(ProfileFile::kKeyNameBufferSize) +
                    " bytes of names are read back");
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
        const std::string_view key = names[i];
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
    ProfileStorage& store = storage ? *storage : ProfileStorage::Default();
    // Composing checks the list, so a refused list reaches no Store.
    const std::string composed =
        ComposeLocationsFile(store.LoadForUpdate(path), languageName, names, points);
    store.Store(path, composed);
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
