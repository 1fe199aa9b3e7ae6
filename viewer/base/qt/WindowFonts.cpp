#include "base/qt/WindowFonts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <array>
#include <cstdio>

namespace orvd {
namespace {

struct Face {
    const char* asked; // as the window definitions name it
    // fontconfig's foundry of the files: a same-named face of the system (a user's copy of a
    // Windows bitmap font, drawn here at the wrong widths) cannot take the place of ours.
    const char* foundry;
    QFont::StyleHint hint;
    const char* package;
    std::array<const char*, 2> files; // null where a face has fewer
};

constexpr Face kFaces[] = {
    {"MS Sans Serif", "Wine", QFont::SansSerif, "fonts-wine", {"ms_sans_serif.ttf", nullptr}},
    {"Times New Roman",
     "1ASC",
     QFont::Serif,
     "fonts-liberation2",
     {"LiberationSerif-Regular.ttf", "LiberationSerif-Italic.ttf"}},
    {"Arial",
     "1ASC",
     QFont::SansSerif,
     "fonts-liberation2",
     {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}},
};

const char* PackageOf(const QString& file) {
    for (const Face& face : kFaces) {
        for (const char* name : face.files) {
            if (name && file == QLatin1String(name))
                return face.package;
        }
    }
    return "";
}

} // namespace

WindowFonts& WindowFonts::Instance() {
    static WindowFonts fonts = [] {
        WindowFonts loaded;
        if (!loaded.Load(SearchFolders(QCoreApplication::applicationDirPath() + QLatin1Char('/'))))
            std::fprintf(stderr, "%s\n", qPrintable(loaded.MissingWarning()));
        return loaded;
    }();
    return fonts;
}

QStringList WindowFonts::SearchFolders(const QString& programDir) {
    return {programDir + QStringLiteral("fonts/"), QStringLiteral("/usr/share/wine/fonts/"),
            QStringLiteral("/usr/share/fonts/truetype/liberation2/")};
}

bool WindowFonts::Load(const QStringList& folders) {
    for (int id : ids_)
        QFontDatabase::removeApplicationFont(id);
    *this = WindowFonts();
    folders_ = folders;
    for (const Face& face : kFaces) {
        bool whole = true;
        QString family;
        for (const char* name : face.files) {
            if (!name)
                continue;
            // A file that does not load is passed over for the next folder's copy.
            int id = -1;
            for (const QString& folder : folders) {
                const QString path = folder + QLatin1String(name);
                if (!QFileInfo(path).isFile())
                    continue;
                id = QFontDatabase::addApplicationFont(path);
                if (id >= 0) {
                    ids_ << id;
                    loaded_ << path;
                    break;
                }
                broken_ << path;
            }
            if (id < 0) {
                missing_ << QLatin1String(name);
                whole = false;
            } else if (family.isEmpty()) {
                family = QFontDatabase::applicationFontFamilies(id).value(0);
            }
        }
        // A face of the family alone would stand in for the others at the wrong widths.
        found_ << (whole && !family.isEmpty() ? family : QString());
    }
    return missing_.isEmpty() && broken_.isEmpty();
}

QFont WindowFonts::Font(const QString& family, int pixels, bool italic) const {
    QFont font(family);
    for (std::size_t i = 0; i < std::size(kFaces); ++i) {
        if (family != QLatin1String(kFaces[i].asked))
            continue;
        if (i < std::size_t(found_.size()) && !found_[qsizetype(i)].isEmpty())
            font = QFont(QStringLiteral("%1 [%2]").arg(found_[qsizetype(i)],
                                                       QLatin1String(kFaces[i].foundry)));
        font.setStyleHint(kFaces[i].hint);
    }
    font.setPixelSize(pixels);
    font.setItalic(italic);
    // Widths as the classic text calls measure them: whole hinted advances, no kerning.
    font.setKerning(false);
    // Nor ligatures: the 8-point face would draw "TM" as a trademark sign. Latin text needs no
    // shaping, so without it each character is its own glyph.
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QString WindowFonts::MissingWarning() const {
    QStringList parts;
    if (!broken_.isEmpty())
        parts << QStringLiteral("Orvandel Map: font files that do not load: %1.")
                     .arg(broken_.join(QStringLiteral(", ")));
    if (!missing_.isEmpty()) {
        QStringList files;
        for (const QString& file : missing_)
            files << QStringLiteral("%1 (package %2)").arg(file, PackageOf(file));
        parts << QStringLiteral("Orvandel Map: font files not found: %1; looked in %2. The "
                                "windows use the nearest fonts the system has, and texts that do "
                                "not fit are shortened.")
                     .arg(files.join(QStringLiteral(", ")), folders_.join(QStringLiteral(", ")));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace orvd
