#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace orvd {

// The typefaces the window definitions name, with the Windows metrics their pixel layouts
// assume, loaded by the program from font files of its own choosing so that neither the
// machine's fontconfig set-up nor the fonts that happen to be installed change the layout:
//
//   "MS Sans Serif"    ms_sans_serif.ttf (fonts-wine): the bitmap face whose 13-pixel cell
//                      holds the 11-pixel characters of 8 point
//   "Times New Roman"  LiberationSerif-Regular.ttf, LiberationSerif-Italic.ttf
//                      (fonts-liberation2): the same advance widths
//   "Arial"            LiberationSans-Regular.ttf, LiberationSans-Bold.ttf (fonts-liberation2),
//                      for the help pages, whose headings need a bold and sizes of their own
//
// Each file is taken from the first folder that holds it in a form that loads, in the order of
// SearchFolders. A family whose files are not all found is asked of the system by its own
// name, and the windows then fit their texts by measuring.
class WindowFonts {
public:
    // The fonts every window uses. The first call loads them from SearchFolders(the program's
    // folder) and, when that falls short, prints MissingWarning on stderr (only then).
    static WindowFonts& Instance();

    // `programDir` + "fonts/", then the Debian packages' folders /usr/share/wine/fonts/ and
    // /usr/share/fonts/truetype/liberation2/. `programDir` ends with a separator.
    static QStringList SearchFolders(const QString& programDir);

    // Drops the fonts loaded before and loads them afresh from `folders`. True when every file
    // was found and loaded, and no copy of one failed to load.
    bool Load(const QStringList& folders);

    // `family` as a window definition names it, with `pixels`-pixel characters. Families the
    // table does not hold are passed to the system as they are.
    QFont Font(const QString& family, int pixels, bool italic = false) const;

    // The full paths of the files loaded and of those that failed to load, and the names of
    // the files that no folder held in a form that loads.
    QStringList LoadedFiles() const { return loaded_; }
    QStringList BrokenFiles() const { return broken_; }
    QStringList MissingFiles() const { return missing_; }
    // One line telling what failed to load, what is missing, where the program looked and which
    // packages hold it; empty when Load returned true.
    QString MissingWarning() const;

private:
    QStringList folders_;
    QStringList loaded_;
    QStringList broken_;
    QStringList missing_;
    QList<int> ids_;
    QStringList found_; // the families of the table whose files all loaded
};

} // namespace orvd
