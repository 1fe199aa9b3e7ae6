#pragma once

#include "base/Rect.h"
#include "base/qt/QtText.h"
#include "view/PointerInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRect>

namespace orvd {

// Qt's pointer and key events and rectangles in the terms of the core.

inline MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

inline QRect QRectOf(const Rect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

inline Point PointOf(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    return Point{at.x(), at.y()};
}

// The character of a key press as the classic key event gives it: Enter is 13, a key without
// one character is 0.
inline char KeyChar(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return '\r';
    return key.text().size() == 1 ? ToAnsi(key.text()).front() : '\0';
}

} // namespace orvd
