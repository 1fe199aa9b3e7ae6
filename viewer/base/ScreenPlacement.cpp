#include "base/ScreenPlacement.h"

#include "base/PopupPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvd {

QPoint CentredOn(const QRect& screen, QSize size) {
    return QPoint(screen.x() + (screen.width() - size.width()) / 2,
                  screen.y() + (screen.height() - size.height()) / 2);
}

QPoint PopupBeside(const QWidget& control, QSize size) {
    const QRect at(control.mapToGlobal(QPoint(0, 0)), control.size());
    const QScreen* screen = QGuiApplication::screenAt(at.center());
    if (!screen)
        screen = control.screen();
    const QRect area = screen->availableGeometry();
    const Point corner = PlacePopupBeside(
        Rect{at.x(), at.y(), at.x() + at.width(), at.y() + at.height()}, size.width(),
        size.height(), Rect{area.x(), area.y(), area.x() + area.width(), area.y() + area.height()},
        4);
    return QPoint(corner.x, corner.y);
}

} // namespace orvd
