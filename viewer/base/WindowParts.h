#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace orvd {

// The windows' font: MS Sans Serif with 11-pixel characters (8 point), or the nearest sans
// serif the system has.
QFont DialogFont();

// A label at (x, y) in `parent`, sized to its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y);

} // namespace orvd
