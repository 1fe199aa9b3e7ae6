#include "mapdata/Languages.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/TextCase.h"
#include "base/profile/ProfileFile.h"
#include "mapdata/LocationsFile.h"
#include "mapdata/SortLocations.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orvd {

namespace {

// --- collation -------------------------------------------------------------------------------

// Primary weights: symbols, then digits, then letters, then the one Greek letter of the code page.
constexpr std::uint16_t kSymbolBase = 0x100;
constexpr std::uint16_t kDigitBase = 0x200;
constexpr std::uint16_t kLetterBase = 0x300;
constexpr std::uint16_t kGreekMu = 0x400;

enum Mark : std::uint8_t {
    kPlain,
    kAcute,
    kGrave,
    kCircumflex,
    kDiaeresis,
    kTilde,
    kRing,
    kCedilla,
    kStroke,
    kCaron,
    kHook,
    kEth,
    kLigature,
    kRaised,
};

struct Weight {
    std::uint16_t primary[2] = {0, 0}; // 0 = none; two for the spelled-out ligatures
    Mark mark = kPlain;
    unsigned char folded = 0; // the byte with case removed
};

std::uint16_t Letter(char c) {
    return static_cast<std::uint16_t>(kLetterBase + (c - 'a'));
}

struct CollationTable {
    std::array<Weight, 256> w{};

    void Set(unsigned char upper, unsigned char lower, char base, Mark mark, char second = 0) {
        for (unsigned char b : {upper, lower}) {
            w[b].primary[0] = Letter(base);
            w[b].primary[1] = second ? Letter(second) : 0;
            w[b].mark = mark;
            w[b].folded = lower;
        }
    }

    CollationTable() {
        for (int b = 0; b < 256; ++b) {
            w[b].folded = static_cast<unsigned char>(b);
            const bool control = b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F ||
                                 b == 0x90 || b == 0x9D;
            // Hyphens and apostrophes are skipped at first, as in a locale's word sort.
            const bool skipped = control || b == '-' || b == '\'' || b == 0xAD;
            if (!skipped) {
                w[b].primary[0] = static_cast<std::uint16_t>(kSymbolBase + b);
            }
        }
        for (int d = 0; d < 10; ++d) {
            w['0' + d].primary[0] = static_cast<std::uint16_t>(kDigitBase + d);
        }
        for (char c = 'a'; c <= 'z'; ++c) {
            Set(static_cast<unsigned char>(c - 'a' + 'A'), static_cast<unsigned char>(c), c,
                kPlain);
        }
        const struct {
            unsigned char upper;
            char base;
            Mark mark;
            char second;
        } accented[] = {
            {0xC0, 'a', kGrave, 0},      {0xC1, 'a', kAcute, 0},      {0xC2, 'a', kCircumflex, 0},
            {0xC3, 'a', kTilde, 0},      {0xC4, 'a', kDiaeresis, 0},  {0xC5, 'a', kRing, 0},
            {0xC6, 'a', kLigature, 'e'}, {0xC7, 'c', kCedilla, 0},    {0xC8, 'e', kGrave, 0},
            {0xC9, 'e', kAcute, 0},      {0xCA, 'e', kCircumflex, 0}, {0xCB, 'e', kDiaeresis, 0},
            {0xCC, 'i', kGrave, 0},      {0xCD, 'i', kAcute, 0},      {0xCE, 'i', kCircumflex, 0},
            {0xCF, 'i', kDiaeresis, 0},  {0xD0, 'd', kEth, 0},        {0xD1, 'n', kTilde, 0},
            {0xD2, 'o', kGrave, 0},      {0xD3, 'o', kAcute, 0},      {0xD4, 'o', kCircumflex, 0},
            {0xD5, 'o', kTilde, 0},      {0xD6, 'o', kDiaeresis, 0},  {0xD8, 'o', kStroke, 0},
            {0xD9, 'u', kGrave, 0},      {0xDA, 'u', kAcute, 0},      {0xDB, 'u', kCircumflex, 0},
            {0xDC, 'u', kDiaeresis, 0},  {0xDD, 'y', kAcute, 0},      {0xDE, 't', kLigature, 'h'},
        };
        for (const auto& a : accented) {
            Set(a.upper, static_cast<unsigned char>(a.upper + 0x20), a.base, a.mark, a.second);
        }
        Set(0x8A, 0x9A, 's', kCaron);
        Set(0x8C, 0x9C, 'o', kLigature, 'e');
        Set(0x8E, 0x9E, 'z', kCaron);
        Set(0x9F, 0xFF, 'y', kDiaeresis);
        // Letters without a case partner in the code page.
        Set(0xDF, 0xDF, 's', kLigature, 's');
        Set(0x83, 0x83, 'f', kHook);
        Set(0xAA, 0xAA, 'a', kRaised);
        Set(0xBA, 0xBA, 'o', kRaised);
        w[0xB9].primary[0] = kDigitBase + 1;
        w[0xB2].primary[0] = kDigitBase + 2;
        w[0xB3].primary[0] = kDigitBase + 3;
        w[0xB9].mark = w[0xB2].mark = w[0xB3].mark = kRaised;
        w[0xB5].primary[0] = kGreekMu;
    }
};

const CollationTable& Collation() {
    static const CollationTable table;
    return table;
}

// Walks one text's weights of one level, skipping the characters without weight at that level.
class LevelCursor {
public:
    LevelCursor(std::string_view text, int level) : text_(text), level_(level) {}

    // The next weight of the level, or -1 at the end of the text.
    int Next() {
        const auto& w = Collation().w;
        while (pos_ < text_.size()) {
            const Weight& cw = w[static_cast<unsigned char>(text_[pos_])];
            if (level_ == 2) {
                ++pos_;
                return cw.folded;
            }
            if (cw.primary[0] == 0) {
                ++pos_;
                continue;
            }
            if (level_ == 1) {
                ++pos_;
                return cw.mark;
            }
            if (half_ == 0 && cw.primary[1] != 0) {
                half_ = 1;
                return cw.primary[0];
            }
            const int result = half_ ? cw.primary[1] : cw.primary[0];
            half_ = 0;
            ++pos_;
            return result;
        }
        return -1;
    }

private:
    std::string_view text_;
    int level_;
    std::size_t pos_ = 0;
    int half_ = 0;
};

// --- directory search ------------------------------------------------------------------------

// Bare names of the directory's entries matching the pattern. The order is made independent of
// the file system: ASCII case ignored first, then bytes, the order a Windows volume lists them.
std::vector<std::string> FindLocationsFiles(const std::string& programDir,
                                            const std::string& code) {
    std::vector<std::string> names = ListDirectory(programDir);
    std::erase_if(names,
                  [&](const std::string& name) { return !MatchesLocationsPattern(name, code); });
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        const std::string fa = FoldedText(a);
        const std::string fb = FoldedText(b);
        if (fa != fb) {
            return ComesBeforeBytewise(fa, fb);
        }
        return ComesBeforeBytewise(a, b);
    });
    return names;
}

} // namespace

int CompareLocaleText(std::string_view a, std::string_view b) {
    for (int level = 0; level < 3; ++level) {
        LevelCursor ca(a, level);
        LevelCursor cb(b, level);
        for (;;) {
            const int wa = ca.Next();
            const int wb = cb.Next();
            if (wa != wb) {
                return wa < wb ? -1 : 1;
            }
            if (wa < 0) {
                break;
            }
        }
    }
    return 0;
}

bool MatchesLocationsPattern(std::string_view fileName, std::string_view code) {
    constexpr std::string_view kSuffix = ".dat";
    const std::size_t prefixLength = code.size() + 1;
    if (fileName.size() < prefixLength + kSuffix.size()) {
        return false;
    }
    return SameTextIgnoringCase(fileName.substr(0, code.size()), code) &&
           fileName[code.size()] == '_' &&
           SameTextIgnoringCase(fileName.substr(fileName.size() - kSuffix.size()), kSuffix);
}

LanguageMenu LoadFileNames(const std::string& programDir, const std::string& code,
                           const std::string& userDir) {
    LanguageMenu menu;
    if (code == "TEST") {
        return menu;
    }
    menu.LanguageFiles = FindLocationsFiles(programDir, code);
    if (!userDir.empty()) {
        for (std::string& name : FindLocationsFiles(userDir, code)) {
            if (std::find(menu.LanguageFiles.begin(), menu.LanguageFiles.end(), name) ==
                menu.LanguageFiles.end()) {
                menu.LanguageFiles.push_back(std::move(name));
            }
        }
    }
    menu.Items.reserve(menu.LanguageFiles.size());
    for (std::size_t i = 0; i < menu.LanguageFiles.size(); ++i) {
        std::string displayName;
        try {
            displayName =
                ReadLanguageName(ResolveLocationsFile(programDir, userDir, menu.LanguageFiles[i]));
        } catch (const Error&) {
            // Too large to read: still listed, and choosing it reports the error.
        }
        menu.Items.push_back(LanguageItem{std::move(displayName), menu.LanguageFiles[i], i});
    }
    std::stable_sort(menu.Items.begin(), menu.Items.end(),
                     [](const LanguageItem& a, const LanguageItem& b) {
                         return CompareLocaleText(a.DisplayName, b.DisplayName) < 0;
                     });
    return menu;
}

std::string ResolveLocationsFile(const std::string& programDir, const std::string& userDir,
                                 const std::string& name) {
    if (!userDir.empty()) {
        const std::string edited = ResolveFileName(userDir, name);
        if (FileExists(edited)) {
            return edited;
        }
    }
    return ResolveFileName(programDir, name);
}

std::optional<std::string> LanguageFilePath(const std::string& programDir,
                                            const std::vector<std::string>& languageFiles,
                                            std::size_t tag, const std::string& userDir) {
    if (tag >= languageFiles.size()) {
        return std::nullopt;
    }
    return ResolveLocationsFile(programDir, userDir, languageFiles[tag]);
}

} // namespace orvd
