#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace orvd {

// Where the program's 8-bit texts (Windows-1252) meet Qt: captions, list items, edit fields.
QString FromAnsi(std::string_view bytes);
// A list's items, each as FromAnsi gives it.
QStringList FromAnsiList(const std::vector<std::string>& texts);
// Characters the code page lacks become "?", as a Windows conversion to the ANSI code page does.
std::string ToAnsi(const QString& text);

// A path of the program's as Qt shows it, and back. The folder part is the system's own bytes
// (the program's folder comes from the system), the file name the program's Windows-1252 bytes
// (it composes data file names from language names), so each is converted as what it is.
QString PathToQt(std::string_view path);
std::string PathFromQt(const QString& path);

// Sets the window's caption to exactly `caption`: Qt would take "[*]" in it for its
// modification mark and drop it.
void SetCaption(QWidget& window, const QString& caption);

} // namespace orvd
