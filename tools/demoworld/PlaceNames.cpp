#include "PlaceNames.h"

#include <array>
#include <cstring>
#include <string_view>

namespace orvd::demo {
namespace {

using Pieces = std::vector<std::string_view>;

// One language's sound and naming habits. In a pattern "%" stands for the root.
struct Style {
    Pieces Onsets;
    Pieces Nuclei;
    Pieces Codas;
    std::array<Pieces, 10> Patterns; // indexed by PlaceKind
    bool Diaeresis = false;          // Dutch: ë, ï where two vowels would run together
};

const Style& StyleOf(LanguageId language) {
    static const Style english{
        {"b", "br", "c", "d", "dr", "f",  "g", "gl", "gr", "h", "k",  "l", "m",
         "n", "p",  "r", "s", "st", "sh", "t", "th", "tr", "w", "wh", "y", "ch"},
        {"a", "e", "i", "o", "u", "a", "e", "o", "ea", "ai", "oa", "ee", "ow"},
        {"", "", "", "n", "r", "l", "m", "th", "s", "ck", "nd", "rn", "ll", "rd", "st", "ld"},
        {{
            {"%mouth", "%haven", "Port %", "%wick", "%cliff", "%sey"},        // coast town
            {"%ford", "%bridge", "%bury", "%ham", "%brook"},                  // river town
            {"%holm", "%side", "%by", "%water"},                              // lake town
            {"%ton", "%by", "%ley", "%field", "%stead", "%worth", "%thorpe"}, // town
            {"Mount %", "% Peak", "%crag", "% Fell", "The %horn"},            // peak
            {"% Pass", "% Gap", "%gate"},                                     // pass
            {"Lake %", "% Water", "%mere", "% Tarn"},                         // lake
            {"Cape %", "% Point", "% Head", "% Ness"},                        // cape
            {"% Bay", "Bay of %", "% Sound"},                                 // bay
            {"% Wood", "% Forest", "%wood", "% Chase", "%holt"},              // forest
        }},
        false};
    static const Style dutch{
        {"b", "br", "d", "dr",  "g",  "gr", "h",  "k", "kl", "kr", "l", "m",
         "n", "r",  "s", "sch", "sl", "sn", "st", "t", "v",  "w",  "z", "zw"},
        {"a", "e", "i", "o", "u", "aa", "ee", "oo", "ie", "oe", "ui", "ij", "ou", "eu", "ei"},
        {"", "", "", "k", "l", "m", "n", "r", "s", "t", "rt", "nk", "ng", "ld", "rd", "cht"},
        {{
            {"%haven", "%zande", "%duin", "%zijl", "%dam", "%sluis"},
            {"%drecht", "%dam", "%brug", "%voorde", "%wijk"},
            {"%oord", "%dijk", "%meerkerk", "%waard"},
            {"%hoven", "%veen", "%wijk", "%kerk", "%horst", "%broek", "%loo", "%rode", "Oud-%",
             "Nieuw-%"},
            {"%berg", "%kop", "%top", "De Hoge %"},
            {"%pas", "%zadel", "Pas van %"},
            {"%meer", "%plas", "%ven", "Het %meer"},
            {"Kaap %", "%hoek", "%neus", "De %hoek"},
            {"%baai", "%bocht", "Baai van %", "%wijde"},
            {"%bos", "%woud", "%hout", "Het %bos"},
        }},
        true};
    static const Style german{
        {"b", "br", "d", "dr", "f",   "fr",   "g",  "gr", "h", "k",  "kr", "l",
         "m", "n",  "r", "s",  "sch", "schw", "st", "w",  "z", "pf", "kl"},
        {"a", "e", "i", "o", "u", "a", "e", "au", "ei", "ie", "eu", "\xE4", "\xF6", "\xFC"},
        {"", "", "", "ch", "g", "l", "n", "r", "s", "t", "nd", "rg", "lz", "ck", "ng", "rn",
         "\xDF"},
        {{
            {"%hafen",
             "%m\xFC"
             "nde",
             "%sund", "%strand", "%siel"},
            {"%furt",
             "%br\xFC"
             "cken",
             "%au", "%bach", "%steg"},
            {"%seedorf", "%w\xF6rth", "%ufer"},
            {"%dorf", "%hausen", "%heim", "%stedt", "%burg", "%ingen", "%feld", "%rode"},
            {"%spitze", "%horn", "%kogel", "%kopf",
             "Gro\xDF"
             "er %berg",
             "%stein"},
            {"%joch", "%pass", "%sattel", "%scharte", "%er Joch"},
            {"%see", "%er See", "%weiher", "%teich"},
            {"Kap %", "%ort", "%haken", "%nase"},
            {"%bucht", "%wiek", "%er Bucht"},
            {"%wald", "%forst", "%holz", "%er Wald"},
        }},
        false};
    switch (language) {
    case LanguageId::English:
        return english;
    case LanguageId::Dutch:
        return dutch;
    default:
        return german;
    }
}

std::string_view Pick(const Pieces& pieces, Random& random) {
    return pieces[random.Below(std::uint32_t(pieces.size()))];
}

bool IsVowel(char c) {
    return std::strchr("aeiouy", c) != nullptr && c != '\0';
}

// A diaeresis on the second of two vowels that would otherwise read as one sound.
char WithDiaeresis(char c) {
    switch (c) {
    case 'e':
        return '\xEB';
    case 'i':
        return '\xEF';
    default:
        return c;
    }
}

// Picks a piece of at most `longest` bytes (there is always a one-letter or empty one).
std::string_view PickShort(const Pieces& pieces, Random& random, std::size_t longest) {
    for (;;) {
        const std::string_view piece = Pick(pieces, random);
        if (piece.size() <= longest)
            return piece;
    }
}

// One or two syllables; in two the joint stays light (a short coda, then a short onset and
// vowel), so names stay speakable.
std::string MakeRoot(const Style& style, Random& random) {
    const bool two = random.Below(100) < 55;
    std::string root;
    root += Pick(style.Onsets, random);
    root += Pick(style.Nuclei, random);
    root += two ? PickShort(style.Codas, random, 1) : Pick(style.Codas, random);
    if (two) {
        std::string_view onset = PickShort(style.Onsets, random, 2);
        const std::string_view nucleus = PickShort(style.Nuclei, random, 1);
        // Only the second syllable may start with its vowel, and only where that can be spelled.
        if (style.Diaeresis && random.Below(100) < 25 && IsVowel(root.back()) &&
            (nucleus[0] == 'e' || nucleus[0] == 'i'))
            onset = {};
        root += onset;
        root += onset.empty() ? WithDiaeresis(nucleus[0]) : nucleus[0];
        if (random.Below(100) < 50)
            root += PickShort(style.Codas, random, 2);
    }
    root[0] = char(root[0] - 'a' + 'A');
    return root;
}

} // namespace

const std::vector<DemoLanguage>& DemoLanguages() {
    static const std::vector<DemoLanguage> languages{
        {LanguageId::English, "English"},
        {LanguageId::Dutch, "Nederlands"},
        {LanguageId::German, "deutsch"},
    };
    return languages;
}

std::string MakePlaceName(LanguageId language, PlaceKind kind, Random& random) {
    const Style& style = StyleOf(language);
    const std::string_view pattern = Pick(style.Patterns[std::size_t(kind)], random);
    std::string root = MakeRoot(style, random);
    std::string name;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            name += pattern[i];
            continue;
        }
        // "Kelmo" + "oord": a doubled vowel at the joint would change the sound.
        if (i + 1 < pattern.size() && IsVowel(root.back()) && IsVowel(pattern[i + 1]))
            root += style.Diaeresis ? "n" : "r";
        name += root;
    }
    return name;
}

} // namespace orvd::demo
