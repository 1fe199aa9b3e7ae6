#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace orvd {

// The top-left corner that centres a window of `size` on `screen`, halves rounded down as the
// classic window system rounds them (a QRect's centre lies half a pixel up and left of that).
QPoint CentredOn(const QRect& screen, QSize size);

// The top-left corner of a help pop-up of `size` beside `control`, on the screen the control is
// on (PlacePopupBeside).
QPoint PopupBeside(const QWidget& control, QSize size);

} // namespace orvd
