#pragma once

#include <QFont>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace orvd {

// The windows' font: MS Sans Serif with 11-pixel characters (8 point), from WindowFonts, or
// the nearest sans serif the system has.
QFont DialogFont();

// A label at (x, y) in `parent`, sized to its text as SetLabelText does.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y);

// A push button at `geometry` in `parent`.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry);

// Styles drop a list that cannot be typed in as a menu of every row over the box; this one
// drops below its box as a plain list, as the classic window system's does.
void DropListBelowBox(QComboBox* box);

// How a text that does not fit gives way: shortened with "..." at its end or in its middle, or
// (for lettering, whose words all count) drawn smaller, down to 3/4 of its size, and only then
// shortened.
enum class Overflow { ElideEnd, ElideMiddle, ShrinkFont };

// Sets `label`'s text and sizes the label to it. A text that would run past `right` (an x in
// the parent; by default the right edge of the parent's contents, inside its bevels) gives way
// as `overflow` says, and a shortened text is kept whole in the label's tooltip.
void SetLabelText(QLabel* label, const QString& text, int right = -1,
                  Overflow overflow = Overflow::ElideEnd);

} // namespace orvd
