#include "base/qt/ScreenPlacement.h"

#include "base/help/PopupPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvd {

QPoint CentredOn(const QRect& screen, QSize size) {
    return QPoint(screen.x() + (screen.width() - size.width()) / 2,
                  screen.y() + (screen.height() - size.height()) / 2);
}

namespace {

Rect RectOf(const QRect& r) {
    return Rect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

} // namespace

QPoint PopupBeside(const QWidget& control, QSize size) {
    const QRect at(control.mapToGlobal(QPoint(0, 0)), control.size());
    const QScreen* screen = QGuiApplication::screenAt(at.center());
    if (!screen)
        screen = control.screen();
    const QRect area = screen->availableGeometry();
    const Point corner = PlacePopupBeside(RectOf(at), size.width(), size.height(), RectOf(area), 4);
    return QPoint(corner.x, corner.y);
}

} // namespace orvd
