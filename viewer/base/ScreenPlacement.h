#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvd {

// The top-left corner that centres a window of `size` on `screen`, halves rounded down as the
// classic window system rounds them (a QRect's centre lies half a pixel up and left of that).
QPoint CentredOn(const QRect& screen, QSize size);

} // namespace orvd
