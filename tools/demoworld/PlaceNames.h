#pragma once

#include "Noise.h"
#include "PlaceFinder.h"

#include <string>
#include <vector>

namespace orvd::demo {

enum class LanguageId { English, Dutch, German };

struct DemoLanguage {
    LanguageId Id;
    std::string DisplayName; // the "language" value; its first five bytes are the file's tag
};

// English, Nederlands, deutsch.
const std::vector<DemoLanguage>& DemoLanguages();

// A name for a place of `kind` in the style of `language`: syllables of that language joined
// into a root and set into one of the kind's patterns ("Lake Orrin", "Kelmerdrecht",
// "Braunseer Joch"). Windows-1252 text: ASCII plus a few Latin-1 letters (German umlauts and
// sharp s, the Dutch diaeresis that keeps two vowels apart). Starts with an ASCII capital and
// holds no "=", so it reads back as itself from a locations file.
std::string MakePlaceName(LanguageId language, PlaceKind kind, Random& random);

} // namespace orvd::demo
