#include "base/qt/ContextMenuKey.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orvd {

void ContextMenuKey::Install(QWidget* control) {
    control->installEventFilter(new ContextMenuKey(control));
}

bool ContextMenuKey::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent() || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() != Qt::Key_F10 || held != Qt::ShiftModifier)
        return QObject::eventFilter(watched, event);
    auto* control = static_cast<QWidget*>(watched);
    // Where the window system puts the Menu key's menu.
    const QPoint at = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at), held);
    QCoreApplication::sendEvent(control, &menu);
    return true;
}

} // namespace orvd
