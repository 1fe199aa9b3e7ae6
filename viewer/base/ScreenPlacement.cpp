#include "base/ScreenPlacement.h"

namespace orvd {

QPoint CentredOn(const QRect& screen, QSize size) {
    return QPoint(screen.x() + (screen.width() - size.width()) / 2,
                  screen.y() + (screen.height() - size.height()) / 2);
}

} // namespace orvd
